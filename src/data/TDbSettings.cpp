// The engine settings component. Its settings hold for the whole process and outlive it; only the
// instance count is its own, kept under a lock.
#include "data/TDbSettings.h"

#include <mutex>

#include "data/DbErrors.h"
#include "data/DbTexts.h"
#include "toolkit/TFormatSettings.h"

namespace {

constexpr const char* kDefaultDateFormat = "MM/dd/ccyy";

std::mutex& instanceMutex() {
    static std::mutex mutex;
    return mutex;
}

int instanceCount = 0;
TDbSettings* lastInstance = nullptr;

void check(CERESULT result) {
    if (result != 0)
        throw dbset::DbError(result);
}

bool isDateLetter(char c) {
    const char upper = char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return upper == 'C' || upper == 'Y' || upper == 'M' || upper == 'D';
}

} // namespace

TDbSettings::TDbSettings(TComponent* AOwner) : TComponent(AOwner) {
    {
        std::lock_guard<std::mutex> lock(instanceMutex());
        if (++instanceCount > 1) {
            --instanceCount;
            throw Exception(db::SOneSettingsInstance);
        }
    }
    try {
        setHostDate_ = true;
        check(CeCacheOpenTables(uint16_t(numCachedTables_ = 0)));
        check(CeCacheOpenCursors(uint16_t(numCachedCursors_ = 25)));
        AnsiString format = FormatSettings.ShortDateFormat;
        CERESULT result = CeSetDateFormat(format.c_str());
        if (result != 0) {
            format = kDefaultDateFormat;
            check(CeSetDateFormat(format.c_str()));
        }
        dateFormat_ = format;
        uint16_t decimals = 0;
        check(CeGetDecimals(&decimals));
        numDecimals_ = int8_t(decimals);
        uint16_t deleted = 0;
        check(CeGetDeleted(&deleted));
        showDeleted_ = deleted != 0;
        SetDbServerTypes(stCE_REMOTE | stCE_AIS);
    } catch (...) {
        std::lock_guard<std::mutex> lock(instanceMutex());
        --instanceCount;
        throw;
    }
    lastInstance = this;
}

TDbSettings::~TDbSettings() {
    std::lock_guard<std::mutex> lock(instanceMutex());
    --instanceCount;
    if (lastInstance == this)
        lastInstance = nullptr;
}

TDbSettings* TDbSettings::Instance() {
    std::lock_guard<std::mutex> lock(instanceMutex());
    return lastInstance;
}

void TDbSettings::SetDateFormat(const AnsiString& Value) {
    AnsiString format = Value.empty() ? AnsiString(kDefaultDateFormat) : Value;
    check(CeSetDateFormat(format.c_str()));
    dateFormat_ = format;
    if (setHostDate_) {
        for (char& c : format)
            if (c == 'C' || c == 'c' || c == 'Y' || c == 'y')
                c = 'y';
        savedShortDateFormat_ = FormatSettings.ShortDateFormat;
        FormatSettings.ShortDateFormat = format;
    }
    for (const char c : format)
        if (!isDateLetter(c))
            FormatSettings.DateSeparator = c;
}

void TDbSettings::SetNumDecimals(int8_t Value) {
    check(CeSetDecimals(uint16_t(Value)));
    numDecimals_ = Value;
}

void TDbSettings::SetShowDeleted(bool Value) {
    check(CeShowDeleted(Value ? 1 : 0));
    showDeleted_ = Value;
}

void TDbSettings::SetDbServerTypes(TDbServerTypes Value) {
    if (Value == serverTypes_)
        return;
    const TDbServerTypes previous = serverTypes_ != 0 ? serverTypes_ : TDbServerTypes(stCE_REMOTE);
    serverTypes_ = Value;
    const uint16_t mask = db::serverTypeMask(Value);
    if (mask == 0) {
        serverTypes_ = previous;
        throw DbSettingsError(db::SNoServerType);
    }
    const CERESULT result = CeSetServerType(mask);
    if (result != 0) {
        serverTypes_ = previous;
        throw dbset::DbError(result);
    }
}

void TDbSettings::applyCacheSize(int8_t& stored, int8_t value, const char* negativeText,
                                 CERESULT (*call)(uint16_t)) {
    if (value < 0)
        throw Exception(negativeText);
    if (value == stored)
        return;
    stored = value;
    check(call(uint16_t(value)));
}

void TDbSettings::SetNumCachedTables(int8_t Value) {
    applyCacheSize(numCachedTables_, Value, db::SNumCachedTablesNegative, &CeCacheOpenTables);
}

void TDbSettings::SetNumCachedCursors(int8_t Value) {
    applyCacheSize(numCachedCursors_, Value, db::SNumCachedCursorsNegative, &CeCacheOpenCursors);
}

void TDbSettings::SetSetHostDate(bool Value) {
    // A layout applies DateFormat before SetHostDate, so a stored False undoes that conversion;
    // only a format actually saved is put back.
    if (!Value && (ComponentState() & csLoading) && savedShortDateFormat_)
        FormatSettings.ShortDateFormat = *savedShortDateFormat_;
    setHostDate_ = Value;
}

uint32_t TDbSettings::GetLastError() {
    uint32_t code = 0;
    uint32_t length = 0;
    (void)CeGetLastError(&code, nullptr, &length);
    return code;
}

int TDbSettings::GetNumOpenTables() {
    uint16_t count = 0;
    check(CeGetNumOpenTables(&count));
    return count;
}
