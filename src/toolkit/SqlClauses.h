// Answers read from an SQL statement's text for the provider interface: the one table a SELECT
// reads, and the order its ORDER BY clause asks for.
#pragma once

#include <memory>

#include "toolkit/AnsiString.h"
#include "toolkit/TIndexDef.h"

class TDataSet;

// The table after FROM when the statement reads exactly one table (an alias may follow), without
// its quotes; empty for several tables, a join, a sub-select or no FROM at all.
AnsiString GetTableNameFromSQL(const AnsiString& SQL);

// An index definition (without collection) whose Fields are the ORDER BY columns joined by ";",
// table prefixes dropped and column numbers resolved through DataSet's field definitions;
// ixDescending when every column is DESC. Null without an ORDER BY clause.
std::unique_ptr<TIndexDef> GetIndexForOrderBy(const AnsiString& SQL, TDataSet* DataSet);
