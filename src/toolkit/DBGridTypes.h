// The small types of the data grid: its options, the state of its column set and its events.
#pragma once

#include <functional>

#include "toolkit/GridTypes.h"

class TColumn;
class TField;

using TDBGridOptions = unsigned;
constexpr TDBGridOptions dgEditing = 1u << 0;
constexpr TDBGridOptions dgAlwaysShowEditor = 1u << 1;
constexpr TDBGridOptions dgTitles = 1u << 2;
constexpr TDBGridOptions dgIndicator = 1u << 3;
constexpr TDBGridOptions dgColumnResize = 1u << 4;
constexpr TDBGridOptions dgColLines = 1u << 5;
constexpr TDBGridOptions dgRowLines = 1u << 6;
constexpr TDBGridOptions dgTabs = 1u << 7;
constexpr TDBGridOptions dgRowSelect = 1u << 8;
constexpr TDBGridOptions dgAlwaysShowSelection = 1u << 9;
constexpr TDBGridOptions dgConfirmDelete = 1u << 10;
constexpr TDBGridOptions dgCancelOnExit = 1u << 11;
constexpr TDBGridOptions dgMultiSelect = 1u << 12;

// Default: the columns follow the dataset's visible fields. Customised: the columns were set up
// by hand (Add, or a change of a default column) and stay across close and open.
enum TDBGridColumnsState { csDefault, csCustomized };

using TDrawColumnCellEvent =
    std::function<void(TPersistent* Sender, const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State)>;
using TDrawDataCellEvent = std::function<void(TPersistent* Sender, const TRect& Rect, TField* Field, TGridDrawState State)>;
using TDBGridClickEvent = std::function<void(TColumn* Column)>;
