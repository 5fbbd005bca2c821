// A form placement's tracking and maximised sizes: eight integers over one MINMAXINFO record,
// each change told to the owning placement, which answers the form's WM_GETMINMAXINFO with them.
#pragma once

#include "toolkit/TPersistent.h"
#include "toolkit/WinApi.h"

class TFormPlacement;

class TWinMinMaxInfo : public TPersistent {
public:
    explicit TWinMinMaxInfo(TFormPlacement* AOwner) : owner_(AOwner) {}

    int MaxPosLeft() const { return GetMinMaxInfo(0); }
    void SetMaxPosLeft(int Value) { SetMinMaxInfo(0, Value); }
    int MaxPosTop() const { return GetMinMaxInfo(1); }
    void SetMaxPosTop(int Value) { SetMinMaxInfo(1, Value); }
    int MaxSizeHeight() const { return GetMinMaxInfo(2); }
    void SetMaxSizeHeight(int Value) { SetMinMaxInfo(2, Value); }
    int MaxSizeWidth() const { return GetMinMaxInfo(3); }
    void SetMaxSizeWidth(int Value) { SetMinMaxInfo(3, Value); }
    int MaxTrackHeight() const { return GetMinMaxInfo(4); }
    void SetMaxTrackHeight(int Value) { SetMinMaxInfo(4, Value); }
    int MaxTrackWidth() const { return GetMinMaxInfo(5); }
    void SetMaxTrackWidth(int Value) { SetMinMaxInfo(5, Value); }
    int MinTrackHeight() const { return GetMinMaxInfo(6); }
    void SetMinTrackHeight(int Value) { SetMinMaxInfo(6, Value); }
    int MinTrackWidth() const { return GetMinMaxInfo(7); }
    void SetMinTrackWidth(int Value) { SetMinMaxInfo(7, Value); }

    // Copies another info's whole record and tells the owner.
    void Assign(const TPersistent& Source) override;
    // All eight values 0.
    bool DefaultMinMaxInfo() const;
    const MINMAXINFO& MinMaxInfo() const { return info_; }

private:
    int GetMinMaxInfo(int Index) const;
    void SetMinMaxInfo(int Index, int Value);
    void changed();

    TFormPlacement* owner_;
    MINMAXINFO info_;
};
