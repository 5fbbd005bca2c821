// The abstract list of strings, each with an associated object pointer (never owned). Descendants
// store the strings and override the virtual operations; everything else is built on them.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TPersistent.h"

class TStrings : public TPersistent {
public:
    virtual int Count() const = 0;
    virtual AnsiString Strings(int Index) const = 0;
    virtual void SetStrings(int Index, const AnsiString& S);
    // Without storage of its own for objects, a descendant answers null and ignores a store.
    virtual void* Objects(int Index) const;
    virtual void SetObjects(int Index, void* AObject);

    // Returns the index the string went to.
    virtual int Add(const AnsiString& S);
    virtual int AddObject(const AnsiString& S, void* AObject);
    virtual void Insert(int Index, const AnsiString& S) = 0;
    virtual void InsertObject(int Index, const AnsiString& S, void* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    void AddStrings(const TStrings& Strings);

    // The first string equal without case (AnsiCompareText), or -1.
    virtual int IndexOf(const AnsiString& S) const;
    int IndexOfObject(void* AObject) const;

    // Every string followed by CR LF.
    AnsiString Text() const;
    // Replaces the list with the lines of Value; a line ends at CR LF, CR or LF.
    void SetText(const AnsiString& Value);

    // Copies the strings and objects of another string list; other kinds go to TPersistent.
    void Assign(const TPersistent& Source) override;

    // Brackets many changes: the list reports one change when the last bracket closes.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

protected:
    // Told when the first bracket opens (True) and the last one closes (False).
    virtual void SetUpdateState(bool Updating);

private:
    int updateCount_ = 0;
};
