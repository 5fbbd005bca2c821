// Binding a parameter list to an engine statement, marker by marker (the i-th parameter is
// marker i + 1). Shared by the connection's Execute and the query.
#pragma once

#include "engine/CeEngine.h"

class TDbDataSet;
class TParams;

namespace db {

// What happens to the types that only some callers can bind (Oracle blobs and clobs, variants,
// interfaces, GUIDs): refused like any unsupported type, or left unbound.
enum class ProviderTypes { Refuse, Skip };

// Raises EDbEngineError of DataSet (may be null) for ftUnknown and unsupported types; engine results
// are checked.
void bindParams(TDbDataSet* DataSet, CEHANDLE Statement, const TParams& Params, ProviderTypes Policy);

} // namespace db
