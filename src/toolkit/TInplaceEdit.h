// The grid's in-place editor: an edit laid over the current cell. It hands each typed character
// to the grid's KeyPress and each navigation key to the grid's KeyDown before it uses them, so
// the grid's key events fire once whichever of the two has the focus.
#pragma once

#include "toolkit/TCustomEdit.h"

class TCustomGrid;

class TInplaceEdit : public TCustomEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);

    TCustomGrid* Grid() const { return grid_; }

protected:
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    // Asks for Tab while the grid moves between cells with it.
    void WndProc(TMessage& Message) override;

private:
    friend class TCustomGrid;
    TCustomGrid* grid_ = nullptr;
};
