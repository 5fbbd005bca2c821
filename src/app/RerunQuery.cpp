// The re-run keeps the controls disabled through Close and Open, so a grid repaints once.
#include "app/RerunQuery.h"

#include "data/TDbQuery.h"

namespace app {

void rerunQuery(TDbQuery& Query, const std::function<void(TDbQuery&)>& SetParams) {
    Query.DisableControls();
    try {
        Query.Close();
        SetParams(Query);
        Query.Open();
    } catch (...) {
        Query.EnableControls();
        throw;
    }
    Query.EnableControls();
}

} // namespace app
