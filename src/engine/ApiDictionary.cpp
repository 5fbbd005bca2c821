// Ce* entry points of data-dictionary administration: creating a dictionary, enumerating its
// objects, and adding and removing tables, views, index files, indexes, rules, users and groups.
#include "engine/CeEngine.h"

#include "engine/Connection.h"
#include "engine/Dictionary.h"
#include "engine/DictionaryProperties.h"
#include "engine/EngineCall.h"
#include "engine/FindHandle.h"
#include "engine/PathResolver.h"

#include <filesystem>
#include <system_error>

using namespace ce;

namespace {

// The components close every find handle except this one, so "nothing found" must return it.
constexpr CEHANDLE kNoFind = 0xFFFFFFFF;

std::string littleEndian16(uint16_t value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

Status createAndConnect(const char* path, uint16_t encrypt, const char* description, CEHANDLE* out) {
    if (!path || !*path || !out)
        return nullArgument();
    const std::string native = resolvePath(path);
    std::shared_ptr<Database> db;
    CE_TRY(Database::create(native, Database::Kind::Dictionary, db));
    Dictionary dictionary(db);
    DictionaryProperties properties(dictionary);
    const Status status = db->inSavepoint([&]() -> Status {
        CE_TRY(properties.set(ObjectKind::Database, "", "", 100, optionalText(description)));
        CE_TRY(properties.set(ObjectKind::Database, "", "", 101, "6.11"));
        return properties.set(ObjectKind::Database, "", "", 106, littleEndian16(encrypt == 1));
    });
    if (!status.ok()) {
        db.reset();
        std::error_code ec;
        std::filesystem::remove(native, ec);
        return status;
    }
    *out = handles().add(
        std::make_unique<Connection>(HandleKind::DictionaryAdmin, native.substr(0, native.find_last_of('/')), db));
    return {};
}

Status findHandleOf(CEHANDLE connection, CEHANDLE find, FindHandle*& out) {
    out = handles().get<FindHandle>(find);
    return out && out->owner() == connection ? Status() : invalidHandle(find);
}

} // namespace

CERESULT CeDDCreate(const char* path, uint16_t encrypt, const char* description, CEHANDLE* connection) {
    return engineCall([&] { return createAndConnect(path, encrypt, description, connection); });
}

CERESULT CeDDFindFirstObject(CEHANDLE connection, uint16_t kind, const char* parent, char* buffer, uint32_t* length,
                             CEHANDLE* find) {
    if (find)
        *find = kNoFind;
    return withDictionary(connection, /*change=*/false, [&](Dictionary& dictionary) -> Status {
        if (!find)
            return nullArgument();
        std::vector<ObjectRow> rows;
        CE_TRY(dictionary.list(static_cast<ObjectKind>(kind), optionalText(parent), rows));
        if (rows.empty())
            return Status(kNoMoreObjects);
        CE_TRY(copyText(rows[0].name, buffer, length));
        std::vector<std::string> rest;
        for (size_t i = 1; i < rows.size(); ++i)
            rest.push_back(std::move(rows[i].name));
        *find = handles().add(std::make_unique<FindHandle>(connection, std::move(rest)));
        return {};
    });
}

CERESULT CeDDFindNextObject(CEHANDLE connection, CEHANDLE find, char* buffer, uint32_t* length) {
    return withDictionary(connection, /*change=*/false, [&](Dictionary&) -> Status {
        FindHandle* f = nullptr;
        CE_TRY(findHandleOf(connection, find, f));
        const std::string* name = f->peek();
        if (!name)
            return Status(kNoMoreObjects);
        CE_TRY(copyText(*name, buffer, length));
        f->advance();
        return {};
    });
}

CERESULT CeDDFindClose(CEHANDLE connection, CEHANDLE find) {
    return withDictionary(connection, /*change=*/false, [&](Dictionary&) -> Status {
        FindHandle* f = nullptr;
        CE_TRY(findHandleOf(connection, find, f));
        handles().remove(find);
        return {};
    });
}

CERESULT CeDDAddTable(CEHANDLE connection, const char* name, const char* path, uint16_t tableType, uint16_t charType,
                      const char* indexFiles, const char* comments) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        return d.addTable(optionalText(name), optionalText(path), tableType, charType, optionalText(indexFiles),
                          optionalText(comments));
    });
}

CERESULT CeDDRemoveTable(CEHANDLE connection, const char* name, uint16_t deleteFiles) {
    return withDictionary(connection, /*change=*/true,
                          [&](Dictionary& d) { return d.removeTable(optionalText(name), deleteFiles == 1); });
}

CERESULT CeDDAddView(CEHANDLE connection, const char* name, const char* comments, const char* sql) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        return d.addView(optionalText(name), optionalText(comments), optionalText(sql));
    });
}

CERESULT CeDDRemoveView(CEHANDLE connection, const char* name) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) { return d.removeView(optionalText(name)); });
}

CERESULT CeDDAddIndexFile(CEHANDLE connection, const char* table, const char* file, const char* comments) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        return d.addIndexFile(optionalText(table), optionalText(file), optionalText(comments));
    });
}

CERESULT CeDDRemoveIndexFile(CEHANDLE connection, const char* table, const char* file, uint16_t deleteFile) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        return d.removeIndexFile(optionalText(table), optionalText(file), deleteFile == 1);
    });
}

CERESULT CeDDDeleteIndex(CEHANDLE connection, const char* table, const char* index) {
    return withDictionary(connection, /*change=*/true,
                          [&](Dictionary& d) { return d.deleteIndex(optionalText(table), optionalText(index)); });
}

CERESULT CeDDCreateRefIntegrity(CEHANDLE connection, const char* rule, const char* failTable, const char* parentTable,
                                const char* parentIndex, const char* childTable, const char* childIndex,
                                uint16_t updateRule, uint16_t deleteRule) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        RefIntegrityRule r;
        r.name = optionalText(rule);
        r.failTable = optionalText(failTable);
        r.parentTable = optionalText(parentTable);
        r.parentIndex = optionalText(parentIndex);
        r.childTable = optionalText(childTable);
        r.childIndex = optionalText(childIndex);
        r.updateRule = updateRule;
        r.deleteRule = deleteRule;
        return d.createRefIntegrity(r);
    });
}

CERESULT CeDDRemoveRefIntegrity(CEHANDLE connection, const char* rule) {
    return withDictionary(connection, /*change=*/true,
                          [&](Dictionary& d) { return d.removeRefIntegrity(optionalText(rule)); });
}

CERESULT CeDDCreateUser(CEHANDLE connection, const char* group, const char* user, const char* password,
                        const char* description) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        return d.createUser(optionalText(group), optionalText(user), optionalText(password), optionalText(description));
    });
}

CERESULT CeDDDeleteUser(CEHANDLE connection, const char* user) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) { return d.deleteUser(optionalText(user)); });
}

CERESULT CeDDCreateUserGroup(CEHANDLE connection, const char* group, const char* description) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        return d.createGroup(optionalText(group), optionalText(description));
    });
}

CERESULT CeDDDeleteUserGroup(CEHANDLE connection, const char* group) {
    return withDictionary(connection, /*change=*/true,
                          [&](Dictionary& d) { return d.deleteGroup(optionalText(group)); });
}

CERESULT CeDDAddUserToGroup(CEHANDLE connection, const char* group, const char* user) {
    return withDictionary(connection, /*change=*/true,
                          [&](Dictionary& d) { return d.addMember(optionalText(group), optionalText(user)); });
}

CERESULT CeDDRemoveUserFromGroup(CEHANDLE connection, const char* group, const char* user) {
    return withDictionary(connection, /*change=*/true,
                          [&](Dictionary& d) { return d.removeMember(optionalText(group), optionalText(user)); });
}

CERESULT CeDDSetObjectAccessRights(CEHANDLE connection, const char* object, const char* accessor, const char* rights) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& d) {
        return d.setRights(optionalText(object), optionalText(accessor), optionalText(rights));
    });
}
