// The SQL text of the program's seven queries and of the map-object query nothing opens yet, exactly as the main window stores it (lines joined
// by line breaks). Free of every other header, so that the engine's suites and benchmarks run the
// very texts the program runs.
#pragma once

namespace app::sql {

inline constexpr const char* kShowCat = "select Topic_Id, Name\r\nfrom Topic\r\nwhere Upper(Name) LIKE :Name\r\norder by name";
inline constexpr const char* kShowPredpr =
    "select Office_Id, Name\r\nfrom  Office\r\nwhere Upper(Name) LIKE :Name\r\norder by name";
inline constexpr const char* kShowFirm =
    "select Office.*\r\nfrom Office, OfficeTopics\r\nwhere  OfficeTopics.Topic_Id = :Topic_Id  and\r\n"
    "   Office.Office_Id = OfficeTopics.Office_Id \r\norder by Office.Name";
inline constexpr const char* kShowFirm2 = "select Office.*\r\nfrom Office\r\nwhere  Office_Id = :Office_Id \r\norder by Office.Name";
inline constexpr const char* kShowInfo = "select Branch.*\r\nfrom Branch\r\nwhere  Branch.Office_Id = :Office_Id";
inline constexpr const char* kShowTopics =
    "select Topic.Name\r\nfrom Topic, OfficeTopics\r\nwhere Topic.Topic_Id = OfficeTopics.Topic_Id  and\r\n"
    "   OfficeTopics.Office_Id = :Office_Id\r\norder by Topic.Name";
inline constexpr const char* kObjInfo =
    "select O.*\r\nfrom Office O \r\nwhere O.Office_Id IN \r\n (select B.Office_Id \r\n  from Branch B \r\n"
    "  where UPPER(B.Street)=:Street and \r\n     UPPER(B.House)=:House)\r\norder by O.Name";
// Firm names and apartments of one map object; the main window keeps it, unopened.
inline constexpr const char* kMapOffices =
    "select O.Name, M.ApartNo\r\nfrom mapOffices M, Office O\r\nwhere M.Map_Id = :MapId and O.Office_Id = M.Office_Id";

} // namespace app::sql
