// The object field keeps the list of its parts and their back links in step.
#include "toolkit/TADTField.h"

#include <algorithm>

#include "toolkit/DatabaseError.h"

TADTField::TADTField(TComponent* AOwner) : TField(AOwner, ftADT) {}

TADTField::~TADTField() {
    for (TField* field : fields_)
        field->parentField_ = nullptr;
}

TField* TADTField::Fields(int Index) const {
    if (Index < 0 || Index >= FieldCount())
        DatabaseError("Field index out of range");
    return fields_[std::size_t(Index)];
}

void TADTField::AddField(TField* Field) {
    if (Field->parentField_ == this)
        return;
    if (Field->parentField_)
        Field->parentField_->RemoveField(Field);
    fields_.push_back(Field);
    Field->parentField_ = this;
}

void TADTField::RemoveField(TField* Field) {
    fields_.erase(std::remove(fields_.begin(), fields_.end(), Field), fields_.end());
    if (Field->parentField_ == this)
        Field->parentField_ = nullptr;
}

void TADTField::GetText(AnsiString& Text, bool DisplayText) const {
    Text = "(";
    for (std::size_t i = 0; i < fields_.size(); ++i)
        Text += (i > 0 ? ", " : "") + (DisplayText ? fields_[i]->DisplayText() : fields_[i]->Text());
    Text += ")";
}
