// A dataset with an object field: "Id" beside "Address", whose parts are "City" and "Zip", shown
// as objects (ObjectView) behind a data source, with rows of the sample city. The data grids'
// suites and scenes show object fields as nested columns with it.
#pragma once

#include <string>

#include "support/MemoryDataSet.h"
#include "toolkit/TADTField.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TIntegerField.h"
#include "toolkit/TStringField.h"

namespace tktest {

struct AddressDataSet {
    explicit AddressDataSet(int rows = 1) {
        const char* names[] = {"Id", "Address", "City", "Zip"};
        auto* address = new TADTField(&owner);
        TField* fields[] = {new TIntegerField(&owner), address, new TStringField(&owner), new TIntegerField(&owner)};
        for (int i = 0; i < 4; ++i) {
            fields[i]->SetFieldName(names[i]);
            fields[i]->SetDataSet(&data);
        }
        address->AddField(fields[2]);
        address->AddField(fields[3]);
        for (int i = 0; i < rows; ++i)
            data.addRow({Variant(i + 1), Variant(), Variant("Valdren"), Variant(164500 + i)});
        data.SetObjectView(true);
        source.SetDataSet(&data);
    }

    TComponent owner{nullptr};
    MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Address", ftADT}, {"City", ftString, 20}, {"Zip", ftInteger}}};
    TDataSource source{&owner};
};

} // namespace tktest
