#include "app/FirmCardQueries.h"

#include "app/RerunQuery.h"
#include "data/TDbQuery.h"
#include "toolkit/TField.h"
#include "toolkit/TParam.h"

namespace app {

FirmCardData readFirmCard(TDbQuery& Firm, TDbQuery& Info, TDbQuery& Topics) {
    TField* office = Firm.FieldByName("Office_Id");
    rerunQuery(Info, [office](TDbQuery& q) { q.ParamByName("Office_Id")->SetValue(office->Value()); });
    rerunQuery(Topics, [office](TDbQuery& q) { q.ParamByName("Office_Id")->SetAsInteger(office->AsInteger()); });

    FirmCardData firm;
    for (; !Topics.Eof(); Topics.Next())
        firm.Rubrics.push_back(Topics.FieldByName("Name")->AsString());
    firm.Inetref = Firm.FieldByName("inetref")->AsString();
    for (; !Info.Eof(); Info.Next()) {
        firm.Branches.push_back({Info.FieldByName("Street")->AsString(), Info.FieldByName("House")->AsString(),
                                 Info.FieldByName("Apartment")->AsString(), Info.FieldByName("Contact")->AsString()});
    }
    return firm;
}

} // namespace app
