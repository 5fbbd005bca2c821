// An icon set: named icon libraries, looked up by library and icon name, and the clients (icon
// views, maps) that draw from them and are told when the set changes or goes away.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "map/IconSetClient.h"
#include "map/TKexIconList.h"
#include "toolkit/AnsiString.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TComponent.h"

class TKexIcon : public TComponent {
public:
    explicit TKexIcon(TComponent* AOwner);
    // Every client lets go of the set first; then the libraries are freed.
    ~TKexIcon() override;

    // Appends a new empty library of that name and returns it.
    TKexIconList& AddLib(std::string_view name);
    void ClearLibs();
    int LibCount() const { return static_cast<int>(libs_.size()); }
    TKexIconList& Libs(int index) { return *libs_.at(static_cast<std::size_t>(index)); }

    // No duplicates; removal closes the gap.
    void AddClient(mapi::IconSetClient* client);
    void RemoveClient(mapi::IconSetClient* client);
    int ClientCount() const { return static_cast<int>(clients_.size()); }
    void RefreshClients();

    // Both names trimmed and upper-cased; the first library of that name answers.
    TBitmap* GetBitmap(std::string_view libName, std::string_view picName);
    TBitmap* GetBitmapByIndex(std::string_view libName, int index);
    // These compare the library name upper-cased but not trimmed.
    int GetCount(std::string_view libName) const;
    int IndexOfLib(std::string_view libName) const;
    AnsiString GetPicName(std::string_view libName, int index) const;
    int IndexOfPic(std::string_view libName, std::string_view picName) const;
    // Empty when I is outside the libraries.
    AnsiString GetLibName(int index) const;

private:
    int indexOfKey(std::string_view key) const;
    TKexIconList* findLib(std::string_view key) const;

    std::vector<std::unique_ptr<TKexIconList>> libs_;
    std::vector<mapi::IconSetClient*> clients_;
};
