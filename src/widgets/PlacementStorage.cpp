// Placement and layout storage over INI files and the registry, and the default names.
#include "widgets/PlacementStorage.h"

#include <cstdio>

#include "toolkit/FilePath.h"
#include "toolkit/Shell.h"
#include "toolkit/TControl.h"
#include "toolkit/TForm.h"
#include "toolkit/TIniFile.h"
#include "toolkit/TRegIniFile.h"

namespace {

enum class StorageKind { none, iniFile, registry };

// The helpers know two stores, whose values differ in their quoting (see IniWriteString): an INI
// file and the registry. Any other settings object counts as none.
StorageKind kindOf(const TCustomIniFile* storage) {
    if (dynamic_cast<const TIniFile*>(storage) != nullptr)
        return StorageKind::iniFile;
    if (dynamic_cast<const TRegIniFile*>(storage) != nullptr)
        return StorageKind::registry;
    return StorageKind::none;
}

bool isQuoted(const AnsiString& value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

} // namespace

AnsiString IniReadString(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident,
                         const AnsiString& Default) {
    return kindOf(Storage) != StorageKind::none ? Storage->ReadString(Section, Ident, Default) : Default;
}

int IniReadInteger(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, int Default) {
    return kindOf(Storage) != StorageKind::none ? Storage->ReadInteger(Section, Ident, Default) : Default;
}

void IniWriteString(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
    const StorageKind kind = kindOf(Storage);
    if (kind == StorageKind::none)
        return;
    // The INI reader strips one pair of quotes; the registry keeps its values whole by itself.
    Storage->WriteString(Section, Ident, kind == StorageKind::iniFile && isQuoted(Value) ? '"' + Value + '"' : Value);
}

void IniWriteInteger(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, int Value) {
    if (kindOf(Storage) != StorageKind::none)
        Storage->WriteInteger(Section, Ident, Value);
}

void IniEraseSection(TCustomIniFile* Storage, const AnsiString& Section) {
    if (kindOf(Storage) != StorageKind::none)
        Storage->EraseSection(Section);
}

AnsiString ScreenResSuffix() {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "(%dx%d)", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return suffix;
}

AnsiString ReadPosString(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident) {
    const AnsiString value = IniReadString(Storage, Section, Ident + ScreenResSuffix(), "");
    return value.empty() ? IniReadString(Storage, Section, Ident, "") : value;
}

void WritePosString(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
    IniWriteString(Storage, Section, Ident + ScreenResSuffix(), Value);
    IniWriteString(Storage, Section, Ident, Value);
}

namespace {

const TForm* formAbove(const TControl* control) {
    for (const TControl* c = control->Parent(); c != nullptr; c = c->Parent())
        if (const auto* form = dynamic_cast<const TForm*>(c))
            return form;
    return nullptr;
}

// The executable's name without its folder.
AnsiString executableName() {
    const AnsiString full = tk::executableFileName();
    const std::size_t slash = full.find_last_of("/\\");
    return slash == AnsiString::npos ? full : full.substr(slash + 1);
}

AnsiString withoutExtension(const AnsiString& name) {
    const std::size_t dot = name.rfind('.');
    return dot == AnsiString::npos ? name : name.substr(0, dot);
}

} // namespace

AnsiString GetDefaultSection(const TComponent* Component) {
    if (Component == nullptr)
        return {};
    if (dynamic_cast<const TForm*>(Component) != nullptr)
        return Component->ClassName();
    if (const auto* control = dynamic_cast<const TControl*>(Component)) {
        if (const TForm* form = formAbove(control))
            return form->ClassName() + control->Name();
        return (control->Parent() != nullptr ? control->Parent()->Name() : AnsiString()) + control->Name();
    }
    if (const auto* owner = dynamic_cast<const TForm*>(Component->Owner()))
        return owner->ClassName() + "." + Component->Name();
    return Component->Name();
}

AnsiString GetDefaultIniName() { return withoutExtension(executableName()) + ".INI"; }

AnsiString GetDefaultRegKey() { return "Software\\" + withoutExtension(executableName()); }
