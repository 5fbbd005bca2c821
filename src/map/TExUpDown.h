// The up-down control of the spin edit's standard button kind: it rests at position 0, turns
// each arrow press into one click of that arrow and goes back to 0, and keeps the default spin
// button width.
#pragma once

#include "toolkit/TCustomUpDown.h"

class TExUpDown : public TCustomUpDown {
public:
    explicit TExUpDown(TComponent* AOwner);
    ~TExUpDown() override;

protected:
    void WndProc(TMessage& Message) override;
    void Resize() override;

private:
    bool changing_ = false;
};
