// The process-wide lists of the database components: every live connection component and every
// live dataset, each behind its own lock.
#pragma once

class TThreadList;

namespace db {

TThreadList& connectionList();

} // namespace db

// Every live dataset of the components (TDbDataSet pointers).
TThreadList& GetDataSetList();
