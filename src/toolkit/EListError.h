// The error of every list of the toolkit (pointer lists, string lists, collections, owned
// components): an index outside the list or a refused duplicate.
#pragma once

#include "toolkit/Exception.h"

class EListError : public Exception {
    using Exception::Exception;
};
