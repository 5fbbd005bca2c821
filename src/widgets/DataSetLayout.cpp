// The data grid's dataset helpers.
#include "widgets/DataSetLayout.h"

#include <cstdio>

#include "toolkit/TDataSet.h"
#include "toolkit/TField.h"
#include "toolkit/TForm.h"
#include "widgets/PlacementStorage.h"
#include "widgets/WidgetHelpers.h"

bool IsDataSetEmpty(TDataSet* DataSet) { return !DataSet->Active() || (DataSet->Bof() && DataSet->Eof()); }

AnsiString GetFormSection(TDataSet* DataSet) {
    if (dynamic_cast<const TForm*>(DataSet->Owner()) != nullptr)
        return GetDefaultSection(DataSet->Owner());
    return DataSet->Name();
}

AnsiString GetLayoutSection(TDataSet* DataSet, const AnsiString& Section) {
    return Section.empty() ? GetFormSection(DataSet) : Section;
}

void SaveFieldsLayout(TDataSet* DataSet, TCustomIniFile* Storage, const AnsiString& Section) {
    const AnsiString section = GetLayoutSection(DataSet, Section);
    for (int i = 0; i < DataSet->Fields().Count(); ++i) {
        const TField* field = DataSet->Fields()[i];
        char value[48];
        std::snprintf(value, sizeof value, "%d,%d,%d", field->Index(), field->DisplayWidth(), field->Visible() ? 1 : 0);
        IniWriteString(Storage, section, DataSet->Name() + field->FieldName(), value);
    }
}

namespace {

struct FieldPlace {
    TField* field;
    int index;
};

} // namespace

void RestoreFieldsLayout(TDataSet* DataSet, const TCustomIniFile* Storage, const AnsiString& Section, bool RestoreVisible) {
    const AnsiString section = GetLayoutSection(DataSet, Section);
    const int count = DataSet->Fields().Count();
    if (count == 0)
        return;
    void* block = GlobalAllocZeroed(std::ptrdiff_t(sizeof(FieldPlace)) * count);
    auto* places = static_cast<FieldPlace*>(block);
    try {
        for (int i = 0; i < count; ++i) {
            TField* field = DataSet->Fields()[i];
            places[i] = {field, field->Index()};
            const AnsiString value = IniReadString(Storage, section, DataSet->Name() + field->FieldName(), "");
            if (value.empty())
                continue;
            places[i].index = NthWordAsInteger(1, value, field->Index());
            field->SetDisplayWidth(NthWordAsInteger(2, value, field->DisplayWidth()));
            if (RestoreVisible)
                field->SetVisible(NthWordAsInteger(3, value, field->Visible() ? 1 : 0) != 0);
        }
        for (int target = 0; target < count; ++target)
            for (int i = 0; i < count; ++i)
                if (places[i].index == target) {
                    places[i].field->SetIndex(target);
                    break;
                }
    } catch (...) {
        GlobalFreeNil(block);
        throw;
    }
    GlobalFreeNil(block);
}
