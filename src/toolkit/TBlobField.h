// A blob field: the value lives outside the record buffer and is read and written through the
// stream the dataset's CreateBlobStream gives. Memo and graphic fields are blobs of their type.
#pragma once

#include "toolkit/TField.h"

class TStream;

class TBlobField : public TField {
public:
    explicit TBlobField(TComponent* AOwner);

    int DataSize() const override { return 0; }
    bool IsBlob() const override { return true; }

    TFieldType BlobType() const { return blobType_; }
    void SetBlobType(TFieldType Value) { blobType_ = Value; }

    // The whole blob as bytes (text for memos).
    AnsiString AsString() const override;
    // Replaces the whole blob; the dataset must be editing.
    void SetAsString(const AnsiString& Value) override;
    // Appends the blob to Stream at its position.
    void SaveToStream(TStream& Stream) const;
    // Replaces the blob with the rest of Stream from its position.
    void LoadFromStream(TStream& Stream);
    // Empties the blob through a write stream.
    void Clear() override;

protected:
    TBlobField(TComponent* AOwner, TFieldType DataType);
    Variant GetAsVariant() const override;
    void SetVarValue(const Variant& Value) override { SetAsString(Value.AsBytes()); }
    // "(Memo)", "(Graphic)" or "(Blob)", in capitals when the blob holds data.
    void GetText(AnsiString& Text, bool DisplayText) const override;

private:
    TFieldType blobType_;
};
