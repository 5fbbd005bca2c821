// The component: a named persistent object that may own other components and frees them, and
// that tells interested components when one of them comes or goes.
#pragma once

#include <vector>

#include "toolkit/AnsiString.h"
#include "toolkit/Exception.h"
#include "toolkit/TPersistent.h"

enum TOperation { opInsert, opRemove };

// ComponentState is a set of these flags.
enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,    // being read from a window layout; cleared by Loaded
    csReading = 1u << 1,    // its own properties are being read
    csDestroying = 1u << 2, // its destruction has begun
    csDesigning = 1u << 3,  // set by SetDesigning, which the running program never calls
};
using TComponentState = unsigned;

// A bad or clashing component name.
class EComponentError : public Exception {
    using Exception::Exception;
};

class TComponent : public TPersistent {
public:
    // Owner (may be null) takes the component into its Components and frees it.
    explicit TComponent(TComponent* AOwner);
    // Tells every free-notification partner, frees the owned components (last created first),
    // then leaves the owner, which tells its other components.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const AnsiString& Name() const { return name_; }
    // The class's own name ("TfmAbout"), without the namespaces around it.
    AnsiString ClassName() const;
    // Raises EComponentError for a name that is not an identifier or that another component of
    // the same owner already has (compared without case). The empty name is always allowed.
    virtual void SetName(const AnsiString& NewName);

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Raises EListError for an index outside 0 .. ComponentCount - 1.
    TComponent* Components(int Index) const;
    // Position in the owner's Components, -1 without an owner.
    int ComponentIndex() const;
    // The owned component of that name (without case), or null.
    TComponent* FindComponent(const AnsiString& AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Frees every owned component, the last created first.
    void DestroyComponents();

    TComponentState ComponentState() const { return state_; }

    // Asks AComponent to be told (Notification with opRemove) when this component is freed, and
    // the other way round. Components of the same owner need not ask: the owner tells them.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Sets csDestroying here and in every owned component. The destructor calls it; a
    // descendant whose destructor must silence its own reactions calls it first.
    void Destroying();

    // Whether the owner tells this component (Notification) of its other components coming and
    // going; on by default. A component that keeps no reference to its siblings and owns none
    // turns it off, so that an owner of thousands of them adds and frees each in constant time.
    // Owning a component turns it back on, as the news must then be passed on.
    bool HearsSiblings() const { return hearsSiblings_; }
    void SetHearsSiblings(bool Value);

    // The layout reader brackets a component it reads: BeginLoading sets csLoading and csReading;
    // EndLoading, once the whole layout is read, clears csReading and calls Loaded.
    void BeginLoading();
    void EndLoading();

    // Puts the component into design state or takes it out (csDesigning). Only a designer does;
    // the running program never does, and its tests do to reach the design-state branches.
    void SetDesigning(bool Value);

protected:
    // Told when AComponent is inserted into or removed from the owner, or, for a free-notification
    // partner, freed. Overrides clear their references to AComponent on opRemove and call the
    // inherited one, which passes the news on to the owned components.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Runs after the component was read from a layout; clears csLoading. Overrides call it first.
    virtual void Loaded();

private:
    void checkName(const AnsiString& newName) const;

    AnsiString name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    // The owned components that hear of their siblings, in the order they came.
    std::vector<TComponent*> listeners_;
    bool hearsSiblings_ = true;
    std::vector<TComponent*> freeNotifies_;
    TComponentState state_ = 0;
};
