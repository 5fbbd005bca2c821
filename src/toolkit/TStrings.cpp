// What every string list shares, written against the virtual storage operations.
#include "toolkit/TStrings.h"

#include "toolkit/AnsiStrings.h"

void TStrings::SetStrings(int Index, const AnsiString& S) {
    void* object = Objects(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

void* TStrings::Objects(int) const { return nullptr; }

void TStrings::SetObjects(int, void*) {}

int TStrings::Add(const AnsiString& S) {
    const int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const AnsiString& S, void* AObject) {
    const int index = Add(S);
    SetObjects(index, AObject);
    return index;
}

void TStrings::InsertObject(int Index, const AnsiString& S, void* AObject) {
    Insert(Index, S);
    SetObjects(Index, AObject);
}

void TStrings::AddStrings(const TStrings& Strings) {
    BeginUpdate();
    for (int i = 0; i < Strings.Count(); ++i)
        AddObject(Strings.Strings(i), Strings.Objects(i));
    EndUpdate();
}

int TStrings::IndexOf(const AnsiString& S) const {
    for (int i = 0; i < Count(); ++i) {
        if (AnsiSameText(Strings(i), S))
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(void* AObject) const {
    for (int i = 0; i < Count(); ++i) {
        if (Objects(i) == AObject)
            return i;
    }
    return -1;
}

AnsiString TStrings::Text() const {
    AnsiString text;
    for (int i = 0; i < Count(); ++i)
        text += Strings(i) + "\r\n";
    return text;
}

void TStrings::SetText(const AnsiString& Value) {
    BeginUpdate();
    Clear();
    size_t start = 0;
    while (start < Value.size()) {
        size_t end = Value.find_first_of("\r\n", start);
        if (end == AnsiString::npos)
            end = Value.size();
        Add(Value.substr(start, end - start));
        if (end < Value.size() && Value[end] == '\r')
            ++end;
        if (end < Value.size() && Value[end] == '\n')
            ++end;
        start = end;
    }
    EndUpdate();
}

void TStrings::Assign(const TPersistent& Source) {
    const auto* strings = dynamic_cast<const TStrings*>(&Source);
    if (strings == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (strings == this)
        return;
    BeginUpdate();
    Clear();
    AddStrings(*strings);
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (updateCount_ == 0)
        SetUpdateState(/*Updating=*/true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0)
        return;
    --updateCount_;
    if (updateCount_ == 0)
        SetUpdateState(/*Updating=*/false);
}

void TStrings::SetUpdateState(bool) {}
