// The lines (paragraphs) of a rich edit, read and changed as strings; LoadFromStream reads rich
// text unless the edit is in plain-text mode.
#pragma once

#include "toolkit/TStream.h"
#include "toolkit/TStrings.h"

class TRichEdit;

class TRichEditStrings : public TStrings {
public:
    explicit TRichEditStrings(TRichEdit& edit) : edit_(edit) {}

    int Count() const override;
    AnsiString Strings(int Index) const override;
    void Insert(int Index, const AnsiString& S) override;
    void Delete(int Index) override;
    void Clear() override;

    // Replaces the text with the stream's bytes from its position on: rich text ("{\rtf ...")
    // unless the edit's PlainText is on, else lines of plain text.
    void LoadFromStream(TStream& Stream);

private:
    TRichEdit& edit_;
};
