// A data link that writes down every notification it receives, for the dataset-model suites.
#pragma once

#include <string>
#include <vector>

#include "toolkit/TDataLink.h"
#include "toolkit/TField.h"

namespace tktest {

class RecordingDataLink : public TDataLink {
public:
    std::vector<std::string> events;

    void clear() { events.clear(); }
    int count(const std::string& event) const {
        int n = 0;
        for (const std::string& e : events)
            n += e == event;
        return n;
    }

protected:
    void ActiveChanged() override { events.push_back(Active() ? "active" : "inactive"); }
    void CheckBrowseMode() override { events.push_back("checkBrowseMode"); }
    void DataSetChanged() override { events.push_back("dataSetChanged"); }
    void DataSetScrolled(int distance) override { events.push_back("scrolled " + std::to_string(distance)); }
    void EditingChanged() override { events.push_back(Editing() ? "editing" : "notEditing"); }
    void LayoutChanged() override { events.push_back("layoutChanged"); }
    void RecordChanged(TField* field) override { events.push_back(field ? "recordChanged " + field->FieldName() : "recordChanged"); }
    void UpdateData() override { events.push_back("updateData"); }
};

} // namespace tktest
