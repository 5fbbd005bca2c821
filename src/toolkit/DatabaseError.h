// The class library's database error routine and the message texts of the dataset model, kept in
// one place because descendants and their tests quote them.
#pragma once

#include <string_view>
#include <vector>

#include "toolkit/AnsiString.h"
#include "toolkit/Format.h"

class TComponent;

namespace tk {

inline constexpr const char* SFieldNotFound = "Field '%s' not found";
inline constexpr const char* SNotIndexField = "Field '%s' is not indexed and cannot be modified";
inline constexpr const char* SFieldReadOnly = "Field '%s' cannot be modified";
inline constexpr const char* SParameterNotFound = "Parameter '%s' not found";
inline constexpr const char* SDataSetOpen = "Cannot perform this operation on an open dataset";
inline constexpr const char* SDataSetClosed = "Cannot perform this operation on a closed dataset";
inline constexpr const char* SNotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* SDataSetReadOnly = "Cannot modify a read-only dataset";
inline constexpr const char* SDataSetEmpty = "Cannot perform this operation on an empty dataset";
inline constexpr const char* SRecordNotFound = "Record not found";
inline constexpr const char* SInvalidBookmark = "Invalid bookmark";
inline constexpr const char* SLoginError = "Cannot connect to database '%s'";
inline constexpr const char* SCircularDataLink = "Circular Data Link";
inline constexpr const char* SDuplicateFieldName = "Duplicate field name '%s'";
inline constexpr const char* SFieldTypeMismatch = "Type mismatch for field '%s'";
inline constexpr const char* SInvalidFieldSize = "Invalid field size";
inline constexpr const char* SFieldAccessError = "Cannot access field '%s' as type %s";
inline constexpr const char* SDataSetMissing = "Field '%s' has no dataset";
inline constexpr const char* SFieldIndexError = "Field index out of range";
inline constexpr const char* SNoBlobStream = "Cannot open a blob stream on field '%s'";

} // namespace tk

// Raises EDatabaseError; with a component that has a name the message is "Name: Message".
[[noreturn]] void DatabaseError(const AnsiString& Message, const TComponent* Component = nullptr);
// The message is Format(Message, Args...).
[[noreturn]] void DatabaseErrorFmt(std::string_view Message, const std::vector<tk::FormatArg>& Args,
                                   const TComponent* Component = nullptr);
