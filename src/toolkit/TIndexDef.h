// The description of one index of a dataset: its name, its ";"-separated fields and its options.
#pragma once

#include "toolkit/DataSetTypes.h"
#include "toolkit/TNamedItem.h"

class TIndexDef : public TNamedItem {
public:
    explicit TIndexDef(TCollection* Collection);
    TIndexDef(TCollection* Collection, const AnsiString& Name, const AnsiString& Fields, TIndexOptions Options);

    const AnsiString& Fields() const { return fields_; }
    void SetFields(const AnsiString& Value) { fields_ = Value; }
    TIndexOptions Options() const { return options_; }
    void SetOptions(TIndexOptions Value) { options_ = Value; }

    void Assign(const TPersistent& Source) override;

private:
    AnsiString fields_;
    TIndexOptions options_ = 0;
};
