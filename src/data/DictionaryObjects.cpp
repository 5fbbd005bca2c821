// The dictionary enumeration: first, next until 5137, close. An empty enumeration hands back the
// all-ones find handle, which is not to be closed.
#include "data/DictionaryObjects.h"

#include "data/DbHandle.h"
#include "data/EDbEngineError.h"
#include "toolkit/TStrings.h"

namespace db {
namespace {

constexpr CERESULT kNoMoreObjects = 5137;
constexpr uint32_t kNameRoom = 200;

} // namespace

void listDictionaryObjects(CEHANDLE Connection, uint16_t Kind, const AnsiString& Parent, TStrings* List) {
    char name[kNameRoom + 1] = {};
    uint32_t length = kNameRoom;
    CEHANDLE find = kNoHandle;
    CERESULT result = CeDDFindFirstObject(Connection, Kind, Parent.c_str(), name, &length, &find);
    try {
        while (result == 0) {
            List->Add(name);
            length = kNameRoom;
            result = CeDDFindNextObject(Connection, find, name, &length);
        }
        if (result != kNoMoreObjects)
            EngineCheck(nullptr, result);
    } catch (...) {
        if (isSet(find))
            (void)CeDDFindClose(Connection, find);
        throw;
    }
    if (isSet(find))
        EngineCheck(nullptr, CeDDFindClose(Connection, find));
}

} // namespace db
