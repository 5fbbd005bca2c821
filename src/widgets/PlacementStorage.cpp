// Placement and layout storage over INI files and the registry, and the default names.
#include "widgets/PlacementStorage.h"

#include <cstdio>

#include "toolkit/FilePath.h"
#include "toolkit/Shell.h"
#include "toolkit/TControl.h"
#include "toolkit/TForm.h"
#include "toolkit/TIniFile.h"

AnsiString IniReadString(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident,
                         const AnsiString& Default) {
    return Storage != nullptr ? Storage->ReadString(Section, Ident, Default) : Default;
}

int IniReadInteger(const TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, int Default) {
    return Storage != nullptr ? Storage->ReadInteger(Section, Ident, Default) : Default;
}

namespace {

bool isQuoted(const AnsiString& value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

} // namespace

void IniWriteString(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
    if (Storage == nullptr)
        return;
    // The INI reader strips one pair of quotes; the registry keeps its values whole by itself.
    const bool iniFile = dynamic_cast<TIniFile*>(Storage) != nullptr;
    Storage->WriteString(Section, Ident, iniFile && isQuoted(Value) ? '"' + Value + '"' : Value);
}

void IniWriteInteger(TCustomIniFile* Storage, const AnsiString& Section, const AnsiString& Ident, int Value) {
    if (Storage != nullptr)
        Storage->WriteInteger(Section, Ident, Value);
}

void IniEraseSection(TCustomIniFile* Storage, const AnsiString& Section) {
    if (Storage != nullptr)
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
