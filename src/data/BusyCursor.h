// A screen cursor shown while the components wait on the engine; the previous cursor comes back
// when the guard goes, also after an error.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/TScreen.h"

namespace db {

class BusyCursor {
public:
    explicit BusyCursor(TCursor Cursor) : saved_(Screen->Cursor()) { Screen->SetCursor(Cursor); }
    ~BusyCursor() { Screen->SetCursor(saved_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    TCursor saved_;
};

} // namespace db
