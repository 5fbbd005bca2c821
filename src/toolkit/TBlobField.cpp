// Blob fields read and write their value through the dataset's blob streams.
#include "toolkit/TBlobField.h"

#include <memory>

#include "toolkit/AnsiStrings.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TStream.h"

namespace {

std::unique_ptr<TStream> openBlob(const TBlobField& field, TBlobStreamMode mode) {
    if (!field.DataSet())
        DatabaseErrorFmt(tk::SDataSetMissing, {field.DisplayName()});
    std::unique_ptr<TStream> stream = field.DataSet()->CreateBlobStream(const_cast<TBlobField*>(&field), mode);
    if (!stream)
        DatabaseErrorFmt(tk::SNoBlobStream, {field.DisplayName()}, field.DataSet());
    return stream;
}

} // namespace

TBlobField::TBlobField(TComponent* AOwner) : TBlobField(AOwner, ftBlob) {}

TBlobField::TBlobField(TComponent* AOwner, TFieldType DataType) : TField(AOwner, DataType), blobType_(DataType) {}

AnsiString TBlobField::AsString() const {
    std::unique_ptr<TStream> stream = openBlob(*this, bmRead);
    AnsiString bytes(std::size_t(stream->Size()), '\0');
    stream->SetPosition(0);
    bytes.resize(std::size_t(stream->Read(bytes.data(), std::int64_t(bytes.size()))));
    return bytes;
}

void TBlobField::SetAsString(const AnsiString& Value) {
    std::unique_ptr<TStream> stream = openBlob(*this, bmWrite);
    stream->WriteBuffer(Value.data(), std::int64_t(Value.size()));
}

void TBlobField::SaveToStream(TStream& Stream) const {
    std::unique_ptr<TStream> stream = openBlob(*this, bmRead);
    stream->SetPosition(0);
    if (stream->Size() > 0)
        Stream.CopyFrom(*stream, stream->Size());
}

void TBlobField::LoadFromStream(TStream& Stream) {
    std::unique_ptr<TStream> stream = openBlob(*this, bmWrite);
    const std::int64_t count = Stream.Size() - Stream.Position();
    if (count > 0)
        stream->CopyFrom(Stream, count);
}

void TBlobField::Clear() { openBlob(*this, bmWrite); }

Variant TBlobField::GetAsVariant() const {
    return blobType_ == ftMemo || blobType_ == ftFmtMemo ? Variant(AsString()) : Variant::Bytes(AsString());
}

void TBlobField::GetText(AnsiString& Text, bool) const {
    Text = DataType() == ftMemo ? "(Memo)" : DataType() == ftGraphic ? "(Graphic)" : "(Blob)";
    if (!IsNull())
        Text = UpperCase(Text);
}
