// What a firm card shows, read from the database: the two card queries re-run for the firm's
// office and their rows gathered, with the firm's own web and e-mail addresses.
#pragma once

#include "app/FirmCardText.h"

class TDbQuery;

namespace app {

// Firm stands on the firm's row (its "Office_Id" and "inetref"); Info and Topics are the card
// queries (branches with their contacts, the firm's rubrics), re-run here.
FirmCardData readFirmCard(TDbQuery& Firm, TDbQuery& Info, TDbQuery& Topics);

} // namespace app
