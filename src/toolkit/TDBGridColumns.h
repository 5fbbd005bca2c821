// The columns of a data grid: built from the dataset's visible fields while the state is
// csDefault, set up by hand (and kept across close and open) once it is csCustomized.
#pragma once

#include "toolkit/DBGridTypes.h"
#include "toolkit/TCollection.h"

class TColumn;
class TDBGrid;

class TDBGridColumns : public TCollection {
public:
    explicit TDBGridColumns(TDBGrid* Grid);

    TDBGrid* Grid() const { return grid_; }
    TDBGridColumnsState State() const { return state_; }
    // Back to csDefault rebuilds the columns from the fields; csCustomized keeps them.
    void SetState(TDBGridColumnsState Value);
    TColumn* Items(int Index) const;
    // A new column customises the set.
    TColumn* Add();
    // Default columns: the dataset's visible fields again (object fields with their parts
    // beneath them under ObjectView). Customised columns: each finds its field again.
    void RebuildColumns();

protected:
    void Update(TCollectionItem* Item) override;

private:
    friend class TColumn;
    void addFieldColumns(TField* field, TColumn* parent);

    TDBGrid* grid_;
    TDBGridColumnsState state_ = csDefault;
    bool rebuilding_ = false;
};
