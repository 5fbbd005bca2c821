// The panel as forms place it.
#pragma once

#include "toolkit/TCustomPanel.h"

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};
