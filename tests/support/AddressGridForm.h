// A form with a data grid of either kind over the object-field dataset, open, noting what the
// application is told was raised (while painting, say): the data grids' suites check nested
// columns on it.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "support/AddressDataSet.h"
#include "support/Placed.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace tktest {

template <typename Grid>
struct AddressGridForm {
    AddressGridForm() {
        grid->SetDataSource(&address.source);
        address.data.Open();
        Application->OnException = [this](TPersistent*, const std::exception& e) { raised.push_back(e.what()); };
    }
    ~AddressGridForm() {
        Application->OnException = nullptr;
        address.data.Close();
    }
    AddressGridForm(const AddressGridForm&) = delete;
    AddressGridForm& operator=(const AddressGridForm&) = delete;

    // Shows the form and paints the whole grid.
    void paint() {
        form.Show();
        grid->InvalidateGrid();
        Application->ProcessMessages();
    }
    // The first text raised, for a failure message.
    std::string firstRaised() const { return raised.empty() ? std::string() : raised.front(); }

    AddressDataSet address;
    TForm form{nullptr};
    Grid* grid = placed<Grid>(&form, 0, 0, 400, 200);
    std::vector<std::string> raised;
};

} // namespace tktest
