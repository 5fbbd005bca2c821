// The link through which a component stores its own settings with a form placement: the
// placement calls every link when it saves or restores, while its storage is open.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TNotifyEvent.h"
#include "toolkit/TPersistent.h"

class TFormPlacement;
class TCustomIniFile;

class TIniLink : public TPersistent {
public:
    TIniLink() = default;
    ~TIniLink() override;
    TIniLink(const TIniLink&) = delete;
    TIniLink& operator=(const TIniLink&) = delete;

    // Linking registers with the placement, and leaves the one before.
    TFormPlacement* IniObject() const { return storage_; }
    void SetStorage(TFormPlacement* Value);
    // The placement's open storage, null outside a save or restore (and when unlinked).
    TCustomIniFile* IniStorage() const;
    // The placement's stored section followed by "\", or empty.
    AnsiString RootSection() const;

    virtual void SaveToIni();
    virtual void LoadFromIni();

    TNotifyEvent OnSave;
    TNotifyEvent OnLoad;

private:
    friend class TFormPlacement;
    TFormPlacement* storage_ = nullptr;
};
