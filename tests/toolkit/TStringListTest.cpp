// String lists: sorting in Russian alphabet order, finding, duplicates, objects and text.
#include "toolkit/TStringList.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/EListError.h"

namespace {

using tk::fromUtf8;

std::vector<AnsiString> contents(const TStrings& list) {
    std::vector<AnsiString> result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list.Strings(i));
    return result;
}

std::vector<AnsiString> cp1251(std::initializer_list<const char*> utf8) {
    std::vector<AnsiString> result;
    for (const char* s : utf8)
        result.push_back(fromUtf8(s));
    return result;
}

TEST(TStringListTest, SortedStreetListFollowsTheRussianAlphabet) {
    TStringList streets;
    streets.SetSorted(true);
    for (const AnsiString& name : cp1251({"ЯБЛОНЕВАЯ", "ёлочная", "Есенина", "ЖУКОВА", "Ельцовская", "Абая",
                                          "ЧЕХОВА", "Шевченко", "ЭНГЕЛЬСА", "Щорса", "Юбилейная", "8 МАРТА",
                                          "Ленина", "ЛЕНИНА", "Lenina", "Ёмкая"}))
        streets.Add(name);
    // Digits and Latin letters first; Ё sorts right after Е; case does not matter and the
    // default Duplicates (dupIgnore) keeps one "Ленина".
    EXPECT_EQ(contents(streets), cp1251({"8 МАРТА", "Lenina", "Абая", "Ельцовская", "Есенина", "ёлочная", "Ёмкая",
                                         "ЖУКОВА", "Ленина", "ЧЕХОВА", "Шевченко", "Щорса", "ЭНГЕЛЬСА", "Юбилейная",
                                         "ЯБЛОНЕВАЯ"}));
}

TEST(TStringListTest, FindGivesTheFirstMatchOrTheInsertionPoint) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupAccept);
    for (const char* s : {"b", "B", "d", "b", "a"})
        list.Add(s);
    int index = -1;
    EXPECT_TRUE(list.Find("B", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("c", index));
    EXPECT_EQ(index, 4);
    EXPECT_FALSE(list.Find("z", index));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(list.IndexOf("D"), 4);
    EXPECT_EQ(list.IndexOf("x"), -1);
    TStringList unsorted;
    unsorted.Add("q");
    EXPECT_FALSE(unsorted.Find("q", index));
    EXPECT_EQ(unsorted.IndexOf("Q"), 0) << "unsorted lists search linearly, without case";
}

TEST(TStringListTest, SortedDuplicatesAreIgnoredKeepingTheirObjectOrRefused) {
    int first = 1, second = 2;
    TStringList list;
    list.SetSorted(true);
    list.AddObject(fromUtf8("Улица"), &first);
    EXPECT_EQ(list.AddObject(fromUtf8("УЛИЦА"), &second), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Objects(0), &first);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add(fromUtf8("улица")), EListError);
}

TEST(TStringListTest, ObjectsTravelWithTheirStringsWhenSorting) {
    int ids[] = {30, 10, 20};
    TStringList list;
    list.AddObject("c", &ids[0]);
    list.AddObject("a", &ids[1]);
    list.AddObject("b", &ids[2]);
    list.SetSorted(true);
    EXPECT_EQ(contents(list), (std::vector<AnsiString>{"a", "b", "c"}));
    EXPECT_EQ(list.Objects(0), &ids[1]);
    EXPECT_EQ(list.Objects(2), &ids[0]);
    EXPECT_EQ(list.IndexOfObject(&ids[2]), 1);
}

TEST(TStringListTest, PositionalChangesAreRefusedOnASortedList) {
    TStringList list;
    list.Add("b");
    list.SetSorted(true);
    EXPECT_THROW(list.Insert(0, "a"), EListError);
    EXPECT_THROW(list.SetStrings(0, "a"), EListError);
    EXPECT_THROW(list.Exchange(0, 0), EListError);
    EXPECT_THROW(list.Strings(1), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
}

TEST(TStringListTest, EveryChangeIsAnnouncedAndAnUpdateBracketAnnouncesOnce) {
    std::vector<std::string> events;
    TStringList list;
    list.OnChanging = [&](TPersistent* sender) {
        EXPECT_EQ(sender, &list);
        events.push_back("changing");
    };
    list.OnChange = [&](TPersistent*) { events.push_back("change " + std::to_string(list.Count())); };
    list.Add("a");
    list.Delete(0);
    list.Clear(); // already empty: no change
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change 1", "changing", "change 0"}));
    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("x");
    list.Add("y");
    list.EndUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
    list.EndUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change 2"}));
    events.clear();
    TStringList copy;
    copy.Add("z");
    list.Assign(copy);
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change 1"}));
    EXPECT_EQ(contents(list), std::vector<AnsiString>{"z"});
}

TEST(TStringListTest, TextSplitsAtEveryKindOfLineBreak) {
    TStringList list;
    list.SetText("one\r\ntwo\nthree\rfour\r\n\r\nsix");
    EXPECT_EQ(contents(list), (std::vector<AnsiString>{"one", "two", "three", "four", "", "six"}));
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n\r\nsix\r\n");
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
