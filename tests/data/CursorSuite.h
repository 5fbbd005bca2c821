// The navigation suite every dataset of the components runs: a factory gives an open dataset over
// the rows ID 1..100 (NAME "R001".."R100", so every order agrees) and its suite checks opening
// twice, fetching at both ends, bookmarks and record numbers. Each dataset kind instantiates the
// suite with its own factories.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "DataFixture.h"
#include "data/TDbConnection.h"
#include "data/TDbDataSet.h"

namespace datatest {

// What the suite reaches inside a dataset.
class CursorProbe {
public:
    virtual ~CursorProbe() = default;
    virtual TDbDataSet& dataSet() = 0;
    virtual void internalOpen() = 0;
    virtual void internalFirst() = 0;
    virtual void internalLast() = 0;
    virtual TGetResult getRecord(TGetMode mode) = 0;
};

// A probe over a dataset class D.
template <class D>
class ProbeOf : public D, public CursorProbe {
public:
    using D::D;
    TDbDataSet& dataSet() override { return *this; }
    void internalOpen() override { D::InternalOpen(); }
    void internalFirst() override { D::InternalFirst(); }
    void internalLast() override { D::InternalLast(); }
    TGetResult getRecord(TGetMode mode) override { return D::GetRecord(D::TempBuffer(), mode, true); }
};

struct CursorFactory {
    std::string name;
    // Makes the dataset, owned by owner, over the connection "DbConnection1" to the dictionary
    // holding table N; the suite opens it.
    std::function<CursorProbe*(TComponent& owner, TDbConnection& connection)> make;
};

// Test names and messages show the factory's name.
inline void PrintTo(const CursorFactory& factory, std::ostream* os) { *os << factory.name; }

class CursorSuite : public DataFixture, public testing::WithParamInterface<CursorFactory> {
protected:
    void SetUp() override;

    // The ID of the active record.
    int id();

    CursorProbe* probe = nullptr;
    TDbDataSet* data = nullptr;
};

} // namespace datatest
