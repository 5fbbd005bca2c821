// The character attributes of a rich edit: those of its selection (or of what is typed next at the
// caret) and its default ones, which are the control's font.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TColor.h"
#include "toolkit/TFont.h"
#include "toolkit/TPersistent.h"

class TRichEdit;

enum TAttributeType { atSelected, atDefaultText };

class TTextAttributes : public TPersistent {
public:
    TTextAttributes(TRichEdit& Edit, TAttributeType Type) : edit_(Edit), type_(Type) {}

    // For the selection: a read gives its first character, or with an empty selection the
    // character before the caret (the first one at the start); a write changes the whole
    // selection, or with an empty selection what is typed or added next at the caret.
    TColor Color() const;
    void SetColor(TColor Value);
    // Bold, italic and underline; strike-out is not kept.
    TFontStyles Style() const;
    void SetStyle(TFontStyles Value);
    AnsiString Name() const;
    void SetName(const AnsiString& Value);
    // Points.
    int Size() const;
    void SetSize(int Value);

private:
    TRichEdit& edit_;
    TAttributeType type_;
};
