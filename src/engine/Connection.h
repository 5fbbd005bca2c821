// A connection handle: a directory of free tables (kind 1) or a data dictionary (kind 6, or 7 for
// an administrator). Tables, statements and find handles opened through it are owned by it.
#pragma once

#include "engine/Database.h"
#include "engine/HandleTable.h"

#include <memory>
#include <string>

namespace ce {

class SqlSession;

class Connection : public HandleObject {
public:
    Connection(HandleKind kind, std::string directory, std::shared_ptr<Database> dictionary)
        : HandleObject(kind), directory_(std::move(directory)), dictionary_(std::move(dictionary)) {}

    bool isDictionary() const { return dictionary_ != nullptr; }
    // Native path of the directory (of the dictionary file for a dictionary connection).
    const std::string& directory() const { return directory_; }
    const std::shared_ptr<Database>& dictionary() const { return dictionary_; }
    // The connection's SQL state (engine/SqlSession.h), made by its first statement or transaction.
    std::shared_ptr<SqlSession>& sqlSession() { return sqlSession_; }

private:
    std::string directory_;
    std::shared_ptr<Database> dictionary_;
    std::shared_ptr<SqlSession> sqlSession_;
};

} // namespace ce
