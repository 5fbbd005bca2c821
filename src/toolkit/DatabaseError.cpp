// Builds and raises the class library's database errors.
#include "toolkit/DatabaseError.h"

#include "toolkit/Exception.h"
#include "toolkit/TComponent.h"

void DatabaseError(const AnsiString& Message, const TComponent* Component) {
    if (Component && !Component->Name().empty())
        throw EDatabaseError(Component->Name() + ": " + Message);
    throw EDatabaseError(Message);
}

void DatabaseErrorFmt(std::string_view Message, const std::vector<tk::FormatArg>& Args, const TComponent* Component) {
    DatabaseError(tk::formatArgs(Message, Args, FormatSettings), Component);
}
