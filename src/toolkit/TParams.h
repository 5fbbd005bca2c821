// The parameters of a statement, and the parser that finds them in its SQL text. Markers are
// numbered by occurrence with the same rule as the engine's statement preparation.
#pragma once

#include "toolkit/TCollection.h"
#include "toolkit/TParam.h"

class TParams : public TCollection {
public:
    explicit TParams(TPersistent* AOwner = nullptr);

    TParam* Items(int Index) const;
    TParam* operator[](int Index) const { return Items(Index); }

    // First parameter of that name (without case), or null.
    TParam* FindParam(const AnsiString& Value) const;
    // Raises EDatabaseError "Parameter '<name>' not found".
    TParam* ParamByName(const AnsiString& Value) const;
    TParam* CreateParam(TFieldType FldType, const AnsiString& ParamName, TParamType ParamType);

    // For every parameter of Value, the first of this collection with its name takes it.
    void AssignValues(const TParams& Value);

    // Finds the ":name" markers of SQL outside quotes, [...] names and comments ("::" is a
    // literal colon) and answers the text with each marker replaced by "?" and each "::" by ":".
    // With DoCreate, one parameter of unknown type is added per marker, in text order, a name
    // written twice giving two parameters.
    AnsiString ParseSQL(const AnsiString& SQL, bool DoCreate);
};
