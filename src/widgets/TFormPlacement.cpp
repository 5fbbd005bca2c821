// The form placement component over INI files or the registry.
//
//   created with the form --Loaded--> form events chained --form shown--> restored
//   --form closing (close query allows) or destroyed--> saved --destroyed--> events unchained
//
// Layouts are code here: nothing is streamed, so the component stores nothing of its own.
#include "widgets/TFormPlacement.h"

#include <algorithm>
#include <utility>

#include "toolkit/TApplication.h"
#include "toolkit/TIniFile.h"
#include "toolkit/TRegIniFile.h"
#include "toolkit/Shell.h"
#include "toolkit/WinApi.h"
#include "widgets/FormPlacementFile.h"
#include "widgets/PlacementStorage.h"
#include "widgets/TExWindowHook.h"
#include "widgets/TIniLink.h"

namespace {

enum class Access { read, write };

HKEY rootKeyOf(TPlacementRegRoot root) {
    switch (root) {
    case prLocalMachine:
        return HKEY_LOCAL_MACHINE;
    case prCurrentConfig:
        return HKEY_CURRENT_CONFIG;
    case prClassesRoot:
        return HKEY_CLASSES_ROOT;
    case prUsers:
        return HKEY_USERS;
    case prDynData:
        return HKEY_DYN_DATA;
    case prCurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

// The frame a maximised form puts outside the screen.
TPoint frameSize(TFormBorderStyle style) {
    switch (style) {
    case bsSingle:
    case bsToolWindow:
        return Point(GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER));
    case bsSizeable:
    case bsSizeToolWin:
        return Point(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME));
    case bsDialog:
        return Point(GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME));
    case bsNone:
        break;
    }
    return Point(0, 0);
}

// A non-zero value replaces the answer's.
void replaceNonZero(int& answer, int value) {
    if (value != 0)
        answer = value;
}

} // namespace

class TFormPlacement::StorageScope {
public:
    StorageScope(TFormPlacement& placement, Access access) : placement_(placement), opened_(!placement.iniFile_) {
        if (!opened_)
            return;
        if (placement_.useRegistry_)
            placement_.iniFile_ = std::make_unique<TRegIniFile>(placement_.IniFileName(),
                                                                rootKeyOf(placement_.registryRoot_),
                                                                access == Access::read ? KEY_READ : KEY_ALL_ACCESS);
        else
            placement_.iniFile_ = std::make_unique<TIniFile>(placement_.IniFileName());
    }
    ~StorageScope() {
        if (opened_)
            placement_.iniFile_.reset();
    }
    StorageScope(const StorageScope&) = delete;
    StorageScope& operator=(const StorageScope&) = delete;
    TCustomIniFile* storage() const { return placement_.iniFile_.get(); }

private:
    TFormPlacement& placement_;
    bool opened_;
};

TFormPlacement::TFormPlacement(TComponent* AOwner)
    : TComponent(AOwner), hook_(std::make_unique<TExWindowHook>(nullptr)) {
    hook_->SetActive(false);
    hook_->AfterMessage = [this](TPersistent*, TMessage& message, bool&) { filterMessage(message); };
    if (TForm* owner = form()) {
        options_ = fpState | fpPosition;
        hook_->SetWinControl(owner);
    }
}

TFormPlacement::~TFormPlacement() {
    iniFile_.reset();
    for (TIniLink* link : links_)
        link->storage_ = nullptr;
    links_.clear();
    hook_.reset();
    TForm* owner = form();
    if (chained_ && owner != nullptr) {
        owner->OnShow = std::move(savedOnShow_);
        owner->OnCloseQuery = std::move(savedOnCloseQuery_);
        owner->OnDestroy = std::move(savedOnDestroy_);
    }
}

TForm* TFormPlacement::form() const { return dynamic_cast<TForm*>(Owner()); }

AnsiString TFormPlacement::IniFileName() const {
    if (!iniFileName_.empty())
        return iniFileName_;
    return useRegistry_ ? GetDefaultRegKey() : GetDefaultIniName();
}

AnsiString TFormPlacement::IniSection() const { return iniSection_.empty() ? GetDefaultSection(Owner()) : iniSection_; }

void TFormPlacement::AddLink(TIniLink* link) {
    links_.push_back(link);
    link->storage_ = this;
}

void TFormPlacement::RemoveLink(TIniLink* link) {
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
    link->storage_ = nullptr;
}

void TFormPlacement::Loaded() {
    TComponent::Loaded();
    TForm* owner = form();
    if (owner == nullptr || (ComponentState() & csDesigning) || chained_)
        return;
    chained_ = true;
    savedOnShow_ = std::move(owner->OnShow);
    savedOnCloseQuery_ = std::move(owner->OnCloseQuery);
    savedOnDestroy_ = std::move(owner->OnDestroy);
    owner->OnShow = [this](TPersistent* sender) { formShow(sender); };
    owner->OnCloseQuery = [this](TPersistent* sender, bool& canClose) { formCloseQuery(sender, canClose); };
    owner->OnDestroy = [this](TPersistent* sender) { formDestroy(sender); };
    defaultMaximize_ = (owner->BorderIcons() & biMaximize) != 0;
    if (preventResize_)
        applyPreventResize();
    updateHook();
}

void TFormPlacement::SetPreventResize(bool Value) {
    if (form() == nullptr || Value == preventResize_)
        return;
    preventResize_ = Value;
    updatePlacement();
    applyPreventResize();
}

void TFormPlacement::MinMaxInfoModified() {
    updatePlacement();
    if (!(ComponentState() & csLoading))
        updateHook();
}

void TFormPlacement::updatePlacement() {
    TForm* owner = form();
    if (owner == nullptr || !owner->HandleAllocated() || (owner->ComponentState() & csLoading) || preventResize_ ||
        !minMaxInfo_->DefaultMinMaxInfo())
        return;
    WINDOWPLACEMENT placement;
    GetWindowPlacement(owner->Handle(), &placement);
    if (!owner->Visible())
        placement.showCmd = SW_HIDE;
    const TPoint frame = frameSize(owner->BorderStyle());
    placement.ptMaxPosition = Point(-frame.X, -frame.Y);
    SetWindowPlacement(owner->Handle(), &placement);
}

// The maximise icon goes while the size is pinned, and comes back after when the form had it.
void TFormPlacement::applyPreventResize() {
    TForm* owner = form();
    if (owner == nullptr || (ComponentState() & csDesigning))
        return;
    if (preventResize_)
        defaultMaximize_ = (owner->BorderIcons() & biMaximize) != 0;
    const bool wasActive = active_;
    active_ = false;
    if (!preventResize_ && defaultMaximize_ && owner->BorderStyle() != bsDialog)
        owner->SetBorderIcons(owner->BorderIcons() | biMaximize);
    else
        owner->SetBorderIcons(owner->BorderIcons() & ~biMaximize);
    active_ = wasActive;
    if (!(ComponentState() & csLoading))
        updateHook();
}

void TFormPlacement::updateHook() {
    TForm* owner = form();
    if (owner == nullptr || (ComponentState() & csDesigning))
        return;
    hook_->SetActive(preventResize_ || !minMaxInfo_->DefaultMinMaxInfo());
    // The hook's answer may have changed while it stayed in place.
    owner->askMinMaxInfo();
}

// The hook's after-message handler on the owner form. The window system here owns the frame and
// never asks WM_NCHITTEST; its branch stands for a caller that does, and PreventResize holds the
// size through WM_GETMINMAXINFO. There is no system menu, so nothing greys its items.
void TFormPlacement::filterMessage(TMessage& message) {
    TForm* owner = form();
    if (owner == nullptr)
        return;
    if (preventResize_) {
        if (message.Msg == WM_GETMINMAXINFO && owner->HandleAllocated() && owner->Visible()) {
            auto& info = *reinterpret_cast<MINMAXINFO*>(message.LParam);
            info.ptMinTrackSize = info.ptMaxTrackSize = Point(owner->Width(), owner->Height());
            message.Result = 1;
        } else if (message.Msg == WM_NCHITTEST && message.Result >= HTLEFT && message.Result <= HTBOTTOMRIGHT) {
            message.Result = HTNOWHERE;
        }
        return;
    }
    if (message.Msg != WM_GETMINMAXINFO)
        return;
    auto& info = *reinterpret_cast<MINMAXINFO*>(message.LParam);
    if (minMaxInfo_->DefaultMinMaxInfo()) {
        info.ptMaxPosition = Point(0, 0);
    } else {
        const MINMAXINFO& own = minMaxInfo_->MinMaxInfo();
        for (auto [answer, value] : {std::pair{&info.ptMaxSize, own.ptMaxSize}, {&info.ptMaxPosition, own.ptMaxPosition},
                                     {&info.ptMinTrackSize, own.ptMinTrackSize}, {&info.ptMaxTrackSize, own.ptMaxTrackSize}}) {
            replaceNonZero(answer->X, value.X);
            replaceNonZero(answer->Y, value.Y);
        }
    }
    message.Result = 1;
}

// A failed save or restore is reported and the form goes on.
void TFormPlacement::reportFailures(void (TFormPlacement::*step)()) {
    try {
        (this->*step)();
    } catch (...) {
        Application->HandleException(this);
    }
}

void TFormPlacement::formShow(TPersistent* sender) {
    if (active_)
        reportFailures(&TFormPlacement::Restore);
    if (savedOnShow_)
        savedOnShow_(sender);
}

void TFormPlacement::formCloseQuery(TPersistent* sender, bool& canClose) {
    if (savedOnCloseQuery_)
        savedOnCloseQuery_(sender, canClose);
    if (canClose && active_ && form() != nullptr && form()->HandleAllocated())
        reportFailures(&TFormPlacement::Save);
}

void TFormPlacement::formDestroy(TPersistent* sender) {
    if (active_ && !saved_) {
        destroying_ = true;
        reportFailures(&TFormPlacement::Save);
        destroying_ = false;
    }
    if (savedOnDestroy_)
        savedOnDestroy_(sender);
}

void TFormPlacement::Save() {
    if (!restored_ && active_)
        return;
    StorageScope scope(*this, Access::write);
    IniWriteInteger(scope.storage(), IniSection(), "FormVersion", version_);
    SaveFormPlacement();
    DoSavePlacement();
    for (TIniLink* link : std::vector<TIniLink*>(links_))
        link->SaveToIni();
    saved_ = true;
}

void TFormPlacement::DoSavePlacement() {
    if (OnSavePlacement)
        OnSavePlacement(this);
}

void TFormPlacement::DoRestorePlacement() {
    if (OnRestorePlacement)
        OnRestorePlacement(this);
}

void TFormPlacement::SaveFormPlacement() {
    TForm* owner = form();
    if (owner == nullptr)
        return;
    const AnsiString section = IniSection();
    WriteFormPlacement(owner, iniFile_.get(), section);
    if ((options_ & fpActiveControl) && owner->ActiveControl() != nullptr)
        IniWriteString(iniFile_.get(), section, "ActiveControl", owner->ActiveControl()->Name());
    IniWriteInteger(iniFile_.get(), section, "Visible", destroying_ ? 1 : 0);
}

void TFormPlacement::RestoreFormPlacement() {
    if (TForm* owner = form())
        ReadFormPlacement(owner, iniFile_.get(), IniSection(), options_ & fpState, options_ & fpPosition);
}

void TFormPlacement::Restore() {
    saved_ = false;
    StorageScope scope(*this, Access::read);
    const AnsiString section = IniSection();
    // A placement stored by an older version of the form is ignored as a whole.
    if (IniReadInteger(scope.storage(), section, "FormVersion", 0) >= version_) {
        RestoreFormPlacement();
        for (TIniLink* link : std::vector<TIniLink*>(links_))
            link->LoadFromIni();
        restored_ = true;
        DoRestorePlacement();
        TForm* owner = form();
        if ((options_ & fpActiveControl) && owner != nullptr) {
            const AnsiString name = IniReadString(scope.storage(), section, "ActiveControl", "");
            auto* control = dynamic_cast<TWinControl*>(owner->FindComponent(name));
            if (!name.empty() && control != nullptr && control->CanFocus())
                owner->SetActiveControl(control);
        }
    }
    restored_ = true;
    updatePlacement();
}

AnsiString TFormPlacement::ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) {
    StorageScope scope(*this, Access::read);
    return IniReadString(scope.storage(), Section, Ident, Default);
}

void TFormPlacement::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
    StorageScope scope(*this, Access::write);
    IniWriteString(scope.storage(), Section, Ident, Value);
}

int TFormPlacement::ReadInteger(const AnsiString& Ident, int Default) {
    StorageScope scope(*this, Access::read);
    return IniReadInteger(scope.storage(), IniSection(), Ident, Default);
}

void TFormPlacement::WriteInteger(const AnsiString& Ident, int Value) {
    StorageScope scope(*this, Access::write);
    IniWriteInteger(scope.storage(), IniSection(), Ident, Value);
}
