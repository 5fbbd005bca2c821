// Ends the process with two pooled directory connections and their tables open. The pool is made
// before the engine's first call, so its process-end disconnect runs after everything the engine
// made: the engine must still be there. Usage: data_process_end FOLDER (one it may write into).
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>

#include "data/TDbTable.h"
#include "data/TDynamicConnList.h"
#include "engine/CeEngine.h"
#include "engine/EngineCall.h"
#include "engine/HandleTable.h"

namespace {

// Deliberately never freed: their tables stay open to the end.
TDbTable* leftOpen[2] = {};

bool makeTable(const std::string& folder) {
    CEHANDLE c = 0;
    if (CeConnect(folder.c_str(), &c) != 0)
        return false;
    CEHANDLE statement = 0;
    bool ok = CeCreateSQLStatement(c, &statement) == 0;
    ok = ok && CeExecuteSQLDirect(statement, "CREATE TABLE ENDING (ID INTEGER)", nullptr) == 0;
    (void)CeCloseSQLStatement(statement);
    return CeDisconnect(c) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    if (TDynamicConnList::Instance().Find("") != 0)
        return 2;
    const std::string folder = std::string(argv[1]) + "/process_end";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    if (!makeTable(folder))
        return 2;
    const std::string folders[2] = {folder, folder + "/."};
    for (int i = 0; i < 2; ++i) {
        leftOpen[i] = new TDbTable(nullptr);
        leftOpen[i]->SetDatabaseName(folders[i]);
        leftOpen[i]->SetTableName("ENDING");
        leftOpen[i]->Open();
    }
    std::lock_guard<std::mutex> lock(ce::engineMutex());
    std::printf("pooled: %zu\n", ce::handles().count(ce::HandleKind::Directory));
    return 0;
}
