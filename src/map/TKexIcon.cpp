// Icon sets: library look-up and client notification.
#include "map/TKexIcon.h"

#include <algorithm>

#include "toolkit/AnsiStrings.h"

TKexIcon::TKexIcon(TComponent* AOwner) : TComponent(AOwner) {}

TKexIcon::~TKexIcon() {
    // A client may leave the list while it is told, so take them from the front one by one.
    while (!clients_.empty()) {
        mapi::IconSetClient* client = clients_.front();
        clients_.erase(clients_.begin());
        client->IconSetFreed(*this);
    }
    libs_.clear();
}

TKexIconList& TKexIcon::AddLib(std::string_view name) {
    libs_.push_back(std::make_unique<TKexIconList>());
    TKexIconList& lib = *libs_.back();
    lib.SetLibName(name);
    RefreshClients();
    return lib;
}

void TKexIcon::ClearLibs() {
    libs_.clear();
    RefreshClients();
}

void TKexIcon::AddClient(mapi::IconSetClient* client) {
    if (client && std::find(clients_.begin(), clients_.end(), client) == clients_.end())
        clients_.push_back(client);
}

void TKexIcon::RemoveClient(mapi::IconSetClient* client) {
    std::erase(clients_, client);
}

void TKexIcon::RefreshClients() {
    for (mapi::IconSetClient* client : std::vector(clients_))
        client->IconSetChanged(*this);
}

int TKexIcon::indexOfKey(std::string_view key) const {
    for (std::size_t i = 0; i < libs_.size(); ++i) {
        if (AnsiUpperCase(libs_[i]->GetLibName()) == key)
            return static_cast<int>(i);
    }
    return -1;
}

TKexIconList* TKexIcon::findLib(std::string_view key) const {
    const int index = indexOfKey(key);
    return index < 0 ? nullptr : libs_[static_cast<std::size_t>(index)].get();
}

TBitmap* TKexIcon::GetBitmap(std::string_view libName, std::string_view picName) {
    TKexIconList* lib = findLib(AnsiUpperCase(Trim(libName)));
    return lib ? lib->GetBitmap(AnsiUpperCase(Trim(picName))) : nullptr;
}

TBitmap* TKexIcon::GetBitmapByIndex(std::string_view libName, int index) {
    TKexIconList* lib = findLib(AnsiUpperCase(Trim(libName)));
    return lib ? lib->GetBitmapByIndex(index) : nullptr;
}

int TKexIcon::GetCount(std::string_view libName) const {
    const TKexIconList* lib = findLib(AnsiUpperCase(libName));
    return lib ? lib->Count() : 0;
}

int TKexIcon::IndexOfLib(std::string_view libName) const {
    return indexOfKey(AnsiUpperCase(libName));
}

AnsiString TKexIcon::GetPicName(std::string_view libName, int index) const {
    const TKexIconList* lib = findLib(AnsiUpperCase(libName));
    if (!lib || index < 0 || index >= lib->Count())
        return {};
    return lib->Names(index);
}

int TKexIcon::IndexOfPic(std::string_view libName, std::string_view picName) const {
    const TKexIconList* lib = findLib(AnsiUpperCase(libName));
    return lib ? lib->IndexOfName(picName) : -1;
}

AnsiString TKexIcon::GetLibName(int index) const {
    if (index < 0 || index >= LibCount())
        return {};
    return libs_[static_cast<std::size_t>(index)]->GetLibName();
}
