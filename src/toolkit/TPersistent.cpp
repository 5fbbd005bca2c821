// Assign falls back to the source's AssignTo; when neither side knows the other, it is an error.
#include "toolkit/TPersistent.h"

#include <typeinfo>

#include "toolkit/Exception.h"

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& destination) const {
    throw EConvertError(AnsiString("Cannot assign a ") + typeid(*this).name() + " to a " + typeid(destination).name());
}
