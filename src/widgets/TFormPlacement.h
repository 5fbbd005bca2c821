// The form placement component: saves its owner form's window placement, state, active control
// and a version number when the form closes and restores them when it shows, in an INI file or a
// registry key, and lets linked components store their own settings in the same place. It can
// also pin the form's size and bound its tracking and maximised sizes.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/TComponent.h"
#include "toolkit/TForm.h"
#include "widgets/TWinMinMaxInfo.h"

class TCustomIniFile;
class TExWindowHook;
class TIniLink;

using TPlacementOptions = unsigned;
constexpr TPlacementOptions fpState = 1u << 0;
constexpr TPlacementOptions fpPosition = 1u << 1;
constexpr TPlacementOptions fpActiveControl = 1u << 2;

enum TPlacementRegRoot { prCurrentUser, prLocalMachine, prCurrentConfig, prClassesRoot, prUsers, prDynData };

class TFormPlacement : public TComponent {
public:
    // Options default to [fpState, fpPosition] when a form owns the placement.
    explicit TFormPlacement(TComponent* AOwner);
    ~TFormPlacement() override;

    bool Active() const { return active_; }
    void SetActive(bool Value) { active_ = Value; }
    // The stored name, or when none is stored "Software\<executable>" with UseRegistry, else the
    // executable's name with ".INI".
    AnsiString IniFileName() const;
    void SetIniFileName(const AnsiString& Value) { iniFileName_ = Value; }
    // The stored section, or the owner's default section when none is stored.
    AnsiString IniSection() const;
    const AnsiString& StoredIniSection() const { return iniSection_; }
    void SetIniSection(const AnsiString& Value) { iniSection_ = Value; }
    bool UseRegistry() const { return useRegistry_; }
    void SetUseRegistry(bool Value) { useRegistry_ = Value; }
    TPlacementRegRoot RegistryRoot() const { return registryRoot_; }
    void SetRegistryRoot(TPlacementRegRoot Value) { registryRoot_ = Value; }
    TPlacementOptions Options() const { return options_; }
    void SetOptions(TPlacementOptions Value) { options_ = Value; }
    int Version() const { return version_; }
    void SetVersion(int Value) { version_ = Value; }
    // The form can be neither resized nor maximised (a form must own the placement).
    bool PreventResize() const { return preventResize_; }
    void SetPreventResize(bool Value);
    // Non-zero values replace the form's own answer to WM_GETMINMAXINFO.
    TWinMinMaxInfo* MinMaxInfo() const { return minMaxInfo_.get(); }
    void SetMinMaxInfo(const TWinMinMaxInfo& Value) { minMaxInfo_->Assign(Value); }
    // The open storage, INI file or registry, only while a save or restore runs.
    TCustomIniFile* IniFileObject() const { return iniFile_.get(); }

    // Storing in IniSection: the form's placement, "FormVersion", "ActiveControl" and "Visible",
    // then every link.
    void Save();
    // Reading back what Save stored; a stored version below Version is ignored as a whole.
    void Restore();
    virtual void SaveFormPlacement();
    virtual void RestoreFormPlacement();

    // Each opens the storage just for the call unless a save or restore has it open.
    virtual AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default);
    virtual void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value);
    int ReadInteger(const AnsiString& Ident, int Default);
    void WriteInteger(const AnsiString& Ident, int Value);

    TNotifyEvent OnSavePlacement;
    TNotifyEvent OnRestorePlacement;

protected:
    // Chains the owner form's OnShow, OnCloseQuery and OnDestroy, applies PreventResize and hooks
    // the form when its size answer needs it.
    void Loaded() override;
    // After a save wrote the form's placement, with the storage still open: fires
    // OnSavePlacement. A descendant stores its own values here.
    virtual void DoSavePlacement();
    // After a restore of a current version read the form's placement and the links: fires
    // OnRestorePlacement.
    virtual void DoRestorePlacement();

private:
    friend class TIniLink;
    friend class TWinMinMaxInfo;
    void MinMaxInfoModified();
    // Writes the form's placement back with the maximised position outside the frame.
    void updatePlacement();
    void applyPreventResize();
    // The form's messages are hooked exactly while PreventResize or MinMaxInfo needs them.
    void updateHook();
    void filterMessage(TMessage& message);
    void AddLink(TIniLink* link);
    void RemoveLink(TIniLink* link);
    TForm* form() const;
    // Opens the storage for the bracket unless it is open; the outermost bracket closes it.
    class StorageScope;
    void formShow(TPersistent* sender);
    void formCloseQuery(TPersistent* sender, bool& canClose);
    void formDestroy(TPersistent* sender);
    void reportFailures(void (TFormPlacement::*step)());

    bool active_ = true;
    AnsiString iniFileName_;
    AnsiString iniSection_;
    std::unique_ptr<TCustomIniFile> iniFile_;
    bool useRegistry_ = false;
    TPlacementRegRoot registryRoot_ = prCurrentUser;
    std::vector<TIniLink*> links_;
    TPlacementOptions options_ = 0;
    int version_ = 0;
    bool saved_ = false;
    bool restored_ = false;
    bool destroying_ = false;
    TNotifyEvent savedOnShow_;
    TNotifyEvent savedOnDestroy_;
    TCloseQueryEvent savedOnCloseQuery_;
    bool chained_ = false;
    bool preventResize_ = false;
    std::unique_ptr<TWinMinMaxInfo> minMaxInfo_ = std::make_unique<TWinMinMaxInfo>(this);
    // Whether the form had its maximise icon before PreventResize took it.
    bool defaultMaximize_ = false;
    std::unique_ptr<TExWindowHook> hook_;
};
