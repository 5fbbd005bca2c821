// How the map's dialogs and the property frame place the controls they build in code: each owned
// by the window, on a parent, at its bounds, with captions in UTF-8 source text.
#pragma once

#include "map/TKexViewOptions.h"
#include "toolkit/AnsiString.h"
#include "toolkit/TLabel.h"
#include "toolkit/TWinControl.h"

namespace mapi {

template <typename Control>
Control* placeControl(Control* control, TWinControl* parent, int x, int y, int width, int height) {
    control->SetParent(parent);
    control->SetBounds(x, y, width, height);
    return control;
}

inline TLabel* placeLabel(TComponent* owner, TWinControl* parent, const char* utf8Caption, int x, int y, int width) {
    TLabel* label = placeControl(new TLabel(owner), parent, x, y, width, 15);
    label->SetCaption(tk::fromUtf8(utf8Caption));
    return label;
}

// Square thumbnails of Size pixels with Border pixels round each icon and the selection in
// Selection, set at once so that the view lays itself out once.
inline void setThumbnailLook(TKexViewOptions& options, int size, int border, TColor selection) {
    options.SetNotify(false);
    options.SetXSizeThumbnail(size);
    options.SetYSizeThumbnail(size);
    options.SetSizeBorder(border);
    options.SetColorSelect(selection);
    options.SetNotify(true);
}

} // namespace mapi
