// The object field (ftADT): a field that holds no value of its own and groups the fields of its
// parts, so that a grid over a dataset with ObjectView on can show it as a parent column with
// its parts beneath. The parts stay fields of the dataset; the object field does not own them.
#pragma once

#include <vector>

#include "toolkit/TField.h"

class TADTField : public TField {
public:
    explicit TADTField(TComponent* AOwner);
    ~TADTField() override;

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    // Raises EDatabaseError "Field index out of range".
    TField* Fields(int Index) const;
    // Makes Field a part of this one (leaving any other object field).
    void AddField(TField* Field);
    void RemoveField(TField* Field);
    int DataSize() const override { return 0; }

protected:
    Variant GetAsVariant() const override { return Variant::Null(); }
    // No string value of its own: its text lists the display texts of its parts, "(a, b)", so
    // that a folded object column shows what it holds.
    void GetText(AnsiString& Text, bool DisplayText) const override;
    void SetVarValue(const Variant&) override { AccessError("ADT"); }

private:
    std::vector<TField*> fields_;
};
