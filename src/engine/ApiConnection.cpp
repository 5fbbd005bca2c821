// Ce* entry points of the connection, error and version family and of the process-wide settings.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"
#include "engine/PathResolver.h"
#include "engine/Settings.h"

#include "base/CaseMap.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

using namespace ce;

namespace {

Status connect(const char* path, const char* user, const char* password, CEHANDLE* out) {
    if (!path || !out)
        return nullArgument();
    const std::string native = resolvePath(path);
    const std::string upper = base::upperCp1251(path);
    if (upper.find(".VDD") != std::string::npos) {
        std::shared_ptr<Database> db;
        CE_TRY(Database::open(native, Database::Kind::Dictionary, db));
        bool administrator = false;
        CE_TRY(db->checkLogin(user ? user : "", password ? password : "", administrator));
        const HandleKind kind = administrator ? HandleKind::DictionaryAdmin : HandleKind::Dictionary;
        *out = handles().add(std::make_unique<Connection>(kind, native.substr(0, native.find_last_of('/')), db));
        return {};
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(native, ec))
        return Status(kFileNotFound, "File or path not found: " + std::string(path));
    *out = handles().add(std::make_unique<Connection>(HandleKind::Directory, native, nullptr));
    return {};
}

} // namespace

CERESULT CeConnect(const char* path, CEHANDLE* connection) {
    return engineCall([&] { return connect(path, "", "", connection); });
}

// Every server mask reaches the local engine; connect options have no meaning here.
CERESULT CeConnect60(const char* path, uint16_t, const char* user, const char* password, uint32_t,
                     CEHANDLE* connection) {
    return engineCall([&] { return connect(path, user, password, connection); });
}

CERESULT CeDisconnect(CEHANDLE connection) {
    return engineCall([&]() -> Status {
        if (!handles().get<Connection>(connection))
            return Status(kNotConnected, "Connection not connected or already closed");
        handles().remove(connection);
        return {};
    });
}

CERESULT CeGetConnectionType(CEHANDLE connection, uint16_t* type) {
    return engineCall([&]() -> Status {
        Connection* c = nullptr;
        CE_TRY(connectionOf(connection, c));
        if (!type)
            return nullArgument();
        *type = 1;
        return {};
    });
}

CERESULT CeGetServerName(CEHANDLE connection, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        Connection* c = nullptr;
        CE_TRY(connectionOf(connection, c));
        return copyText("LOCAL", buffer, length);
    });
}

CERESULT CeGetHandleType(CEHANDLE handle, uint16_t* type) {
    return engineCall([&]() -> Status {
        const HandleObject* object = handles().find(handle);
        if (!object)
            return invalidHandle(handle);
        if (!type)
            return nullArgument();
        *type = static_cast<uint16_t>(object->kind());
        return {};
    });
}

CERESULT CeGetLastError(uint32_t* code, char* buffer, uint32_t* length) {
    // Reading the last error must not replace it, so this call records no failure of its own.
    std::lock_guard<std::mutex> lock(engineMutex());
    if (!code)
        return kInvalidArgument;
    *code = lastError().code;
    if (!buffer)
        return kOk;
    return copyText(lastError().text, buffer, length).code();
}

CERESULT CeGetErrorString(uint32_t code, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        const char* text = resultText(code);
        if (!text || code == 0)
            return Status(kInvalidArgument, "Unknown error code " + std::to_string(code));
        return copyText(text, buffer, length);
    });
}

CERESULT CeShowError(const char* title) {
    std::lock_guard<std::mutex> lock(engineMutex());
    std::fprintf(stderr, "%s: %s\n", title ? title : "", lastError().text.c_str());
    return kOk;
}

CERESULT CeGetVersion(uint32_t* major, uint32_t* minor, char* letter, char* description, uint32_t* length) {
    return engineCall([&]() -> Status {
        if (!major || !minor || !letter)
            return nullArgument();
        *major = 6;
        *minor = 11;
        *letter = 'a';
        return description ? copyText("ValdrenInfo client engine over SQLite", description, length) : Status();
    });
}

CERESULT CeSetServerType(uint16_t mask) {
    return engineCall([&]() -> Status {
        if (mask == 0)
            return Status(kInvalidArgument, "At least one server type is needed");
        settings().serverType = mask;
        return {};
    });
}

CERESULT CeSetDateFormat(const char* format) {
    return engineCall([&]() -> Status {
        const auto parsed = format ? DateFormat::parse(format) : std::nullopt;
        if (!parsed)
            return Status(kInvalidArgument, "Invalid date format \"" + std::string(format ? format : "") + "\"");
        settings().dateFormat = *parsed;
        return {};
    });
}

CERESULT CeSetDecimals(uint16_t decimals) {
    return engineCall([&]() -> Status {
        if (decimals > 30)
            return Status(kInvalidArgument, "Invalid number of decimals");
        settings().decimals = decimals;
        return {};
    });
}

CERESULT CeGetDecimals(uint16_t* decimals) {
    return engineCall([&]() -> Status {
        if (!decimals)
            return nullArgument();
        *decimals = settings().decimals;
        return {};
    });
}

CERESULT CeShowDeleted(uint16_t show) {
    return engineCall([&]() -> Status {
        settings().showDeleted = show == 1;
        return {};
    });
}

CERESULT CeGetDeleted(uint16_t* show) {
    return engineCall([&]() -> Status {
        if (!show)
            return nullArgument();
        *show = settings().showDeleted ? 1 : 0;
        return {};
    });
}

CERESULT CeCacheOpenTables(uint16_t count) {
    return engineCall([&]() -> Status {
        settings().cachedTables = count;
        return {};
    });
}

CERESULT CeCacheOpenCursors(uint16_t count) {
    return engineCall([&]() -> Status {
        settings().cachedCursors = count;
        return {};
    });
}

CERESULT CeGetNumOpenTables(uint16_t* count) {
    return engineCall([&]() -> Status {
        if (!count)
            return nullArgument();
        *count = static_cast<uint16_t>(handles().count(HandleKind::Table) + handles().count(HandleKind::SqlCursor));
        return {};
    });
}
