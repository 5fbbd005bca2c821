// The settings and connection errors with the engine's texts.
#include "data/DbErrors.h"

#include "data/DbTexts.h"
#include "data/EngineText.h"
#include "engine/CeEngine.h"

namespace {

AnsiString orShownByEngine(bool found, AnsiString text) {
    if (!found)
        (void)CeShowError(db::SDbExceptionError);
    return text;
}

} // namespace

namespace dbset {

DbError::DbError(uint32_t Code) : Exception("") {
    AnsiString text;
    const bool found = db::engineErrorString(Code, text);
    Message = orShownByEngine(found, text);
}

} // namespace dbset

namespace dbcnnct {

DbError::DbError(uint32_t, bool) : Exception("") {
    uint32_t code = 0;
    AnsiString text;
    const bool found = db::lastEngineError(code, text);
    Message = orShownByEngine(found, text);
}

} // namespace dbcnnct
