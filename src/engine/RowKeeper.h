// What a table image tells the cursors on it before records leave it (deleted, or gone when the
// table is read again): a cursor on such a record keeps the record's last image, so that its next
// skip continues from where that record's key lies.
#pragma once

namespace ce {

class RowKeeper {
public:
    // Called before rows leave the image, while they are still in it.
    virtual void keepCurrentRow() = 0;

protected:
    ~RowKeeper() = default;
};

} // namespace ce
