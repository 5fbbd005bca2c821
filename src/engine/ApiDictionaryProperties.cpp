// Ce* entry points that read and write the properties of a dictionary and of its objects.
#include "engine/CeEngine.h"

#include "engine/Dictionary.h"
#include "engine/DictionaryProperties.h"
#include "engine/EngineCall.h"

using namespace ce;

namespace {

CERESULT getProperty(CEHANDLE connection, ObjectKind kind, const char* parent, const char* name, uint16_t property,
                     void* buffer, uint32_t* length) {
    return withDictionary(connection, /*change=*/false, [&](Dictionary& dictionary) -> Status {
        std::string value;
        bool isText = false;
        CE_TRY(DictionaryProperties(dictionary).get(kind, optionalText(parent), optionalText(name), property, value,
                                                    isText));
        return isText ? copyText(value, static_cast<char*>(buffer), length) : copyBytes(value, buffer, length);
    });
}

CERESULT setProperty(CEHANDLE connection, ObjectKind kind, const char* parent, const char* name, uint16_t property,
                     const void* buffer, uint32_t length) {
    return withDictionary(connection, /*change=*/true, [&](Dictionary& dictionary) -> Status {
        if (!buffer && length > 0)
            return nullArgument();
        const std::string_view bytes = buffer ? std::string_view(static_cast<const char*>(buffer), length) : "";
        return DictionaryProperties(dictionary).set(kind, optionalText(parent), optionalText(name), property, bytes);
    });
}

} // namespace

CERESULT CeDDGetDatabaseProperty(CEHANDLE connection, uint16_t property, void* buffer, uint32_t* length) {
    return getProperty(connection, ObjectKind::Database, nullptr, nullptr, property, buffer, length);
}

CERESULT CeDDSetDatabaseProperty(CEHANDLE connection, uint16_t property, const void* buffer, uint32_t length) {
    return setProperty(connection, ObjectKind::Database, nullptr, nullptr, property, buffer, length);
}

CERESULT CeDDGetTableProperty(CEHANDLE connection, const char* table, uint16_t property, void* buffer,
                              uint32_t* length) {
    return getProperty(connection, ObjectKind::Table, nullptr, table, property, buffer, length);
}

// Validation options and fail tables ask for checks of existing rows; this engine does not run them.
CERESULT CeDDSetTableProperty(CEHANDLE connection, const char* table, uint16_t property, const void* buffer,
                              uint32_t length, uint16_t, const char*) {
    return setProperty(connection, ObjectKind::Table, nullptr, table, property, buffer, length);
}

CERESULT CeDDGetFieldProperty(CEHANDLE connection, const char* table, const char* field, uint16_t property,
                              void* buffer, uint32_t* length) {
    return getProperty(connection, ObjectKind::Field, table, field, property, buffer, length);
}

CERESULT CeDDSetFieldProperty(CEHANDLE connection, const char* table, const char* field, uint16_t property,
                              const void* buffer, uint32_t length, uint16_t, const char*) {
    return setProperty(connection, ObjectKind::Field, table, field, property, buffer, length);
}

CERESULT CeDDGetIndexFileProperty(CEHANDLE connection, const char* table, const char* file, uint16_t property,
                                  void* buffer, uint32_t* length) {
    return getProperty(connection, ObjectKind::IndexFile, table, file, property, buffer, length);
}

CERESULT CeDDGetIndexProperty(CEHANDLE connection, const char* table, const char* index, uint16_t property,
                              void* buffer, uint32_t* length) {
    return getProperty(connection, ObjectKind::Index, table, index, property, buffer, length);
}

CERESULT CeDDGetViewProperty(CEHANDLE connection, const char* view, uint16_t property, void* buffer,
                             uint32_t* length) {
    return getProperty(connection, ObjectKind::View, nullptr, view, property, buffer, length);
}

CERESULT CeDDGetProcedureProperty(CEHANDLE connection, const char* procedure, uint16_t property, void* buffer,
                                  uint32_t* length) {
    return getProperty(connection, ObjectKind::Procedure, nullptr, procedure, property, buffer, length);
}

CERESULT CeDDGetRefIntegrityProperty(CEHANDLE connection, const char* rule, uint16_t property, void* buffer,
                                     uint32_t* length) {
    return getProperty(connection, ObjectKind::RefIntegrity, nullptr, rule, property, buffer, length);
}

CERESULT CeDDGetUserProperty(CEHANDLE connection, const char* user, uint16_t property, void* buffer,
                             uint32_t* length) {
    return getProperty(connection, ObjectKind::User, nullptr, user, property, buffer, length);
}

CERESULT CeDDSetUserProperty(CEHANDLE connection, const char* user, uint16_t property, const void* buffer,
                             uint32_t length) {
    return setProperty(connection, ObjectKind::User, nullptr, user, property, buffer, length);
}

CERESULT CeDDGetUserGroupProperty(CEHANDLE connection, const char* group, uint16_t property, void* buffer,
                                  uint32_t* length) {
    return getProperty(connection, ObjectKind::Group, nullptr, group, property, buffer, length);
}

CERESULT CeDDSetUserGroupProperty(CEHANDLE connection, const char* group, uint16_t property, const void* buffer,
                                  uint32_t length) {
    return setProperty(connection, ObjectKind::Group, nullptr, group, property, buffer, length);
}
