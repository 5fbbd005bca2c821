// A caption placed on a scene's form: a label at a point with a UTF-8 text.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TForm.h"
#include "toolkit/TLabel.h"

namespace shots {

inline void label(TForm& form, int x, int y, const char* utf8) {
    auto* text = new TLabel(&form);
    text->SetParent(&form);
    text->SetLeft(x);
    text->SetTop(y);
    text->SetCaption(tk::fromUtf8(utf8));
}

} // namespace shots
