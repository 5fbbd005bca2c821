// Re-running a query with new parameters so that the controls on it hear of the change once.
#pragma once

#include <functional>

class TDbQuery;

namespace app {

// DisableControls, Close, SetParams (the query's parameters are set there), Open, then
// EnableControls, also when Open fails (the failure then goes on to the caller).
void rerunQuery(TDbQuery& Query, const std::function<void(TDbQuery&)>& SetParams);

} // namespace app
