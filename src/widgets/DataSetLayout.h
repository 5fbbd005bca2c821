// The dataset helpers of the data grid: whether a dataset shows no record, and its fields'
// order, widths and visibility saved to and restored from the placement storage.
#pragma once

#include "toolkit/AnsiString.h"

class TDataSet;
class TCustomIniFile;

// True when the dataset is closed, or both at its beginning and its end.
bool IsDataSetEmpty(TDataSet* DataSet);

// The owner form's default section when a form owns the dataset, else the dataset's name.
AnsiString GetFormSection(TDataSet* DataSet);
// Section, or GetFormSection when it is empty.
AnsiString GetLayoutSection(TDataSet* DataSet, const AnsiString& Section);

// One value per field, keyed by the dataset's name followed by the field's name:
// "index,display width,visible (0 or 1)".
void SaveFieldsLayout(TDataSet* DataSet, TCustomIniFile* Storage, const AnsiString& Section);
// Missing values and words keep what the field has; the visibility is read only with
// RestoreVisible. The stored indices then reorder the fields, the lowest target first.
void RestoreFieldsLayout(TDataSet* DataSet, const TCustomIniFile* Storage, const AnsiString& Section, bool RestoreVisible);
