#pragma once
// Actions: one command - its caption, check mark, enabled state, image and handler -
// that controls and menu items carry out. A client follows its action through a
// TActionLink: the action tells its links of every change and the client copies what it
// shows (its ActionChange); clicking the client carries out the action.

#include "base/Component.h"
#include "base/Delegate.h"

#include <string>
#include <utility>
#include <vector>

class TActionLink;
class TActionList;
class TCustomImageList;

class TCustomAction : public TComponent {
public:
  explicit TCustomAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TCustomAction() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // The action's image among its list's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* Value);

  // Brings the state up to date (Update), then fires OnExecute (Sender: the action) when
  // the action is enabled; whether a handler ran.
  virtual bool Execute();
  // Fires OnUpdate, where the program sets the state the action has now; whether there
  // is a handler. A menu asks this of its items' actions before it shows them.
  virtual bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

protected:
  void BeforeDestruction() override;

private:
  friend class TActionLink;
  friend class TActionList;
  template <class T>
  void Change(T& Field, const T& Value);
  void Detach();

  std::string FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  int FImageIndex = -1;
  TActionList* FActionList = nullptr;
  std::vector<TActionLink*> FLinks;
};

// The action class form resources create.
class TAction : public TCustomAction {
public:
  using TCustomAction::TCustomAction;
};

// The actions of a form, with the images they show. The actions stay owned by the form.
class TActionList : public TComponent {
public:
  explicit TActionList(TComponent* AOwner) : TComponent(AOwner) {}
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TCustomAction* Actions(int Index) const;  // raises EListError
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void BeforeDestruction() override;

private:
  friend class TCustomAction;
  void Detach();

  std::vector<TCustomAction*> FActions;
  TCustomImageList* FImages = nullptr;
};

// Tells a client what its action shows now (Sender: the action). CheckDefaults: the
// action is being read with the form, so the client keeps what it set itself.
using TActionChangeEvent = TDelegate<void(TObject* Sender, bool CheckDefaults)>;

// A client's tie to its action. OnChange hears of the action when it is set and of its
// every change; a freed action leaves the link without one.
class TActionLink {
public:
  explicit TActionLink(TActionChangeEvent OnChange) : FOnChange(std::move(OnChange)) {}
  ~TActionLink() { SetAction(nullptr); }
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;

  TCustomAction* Action() const { return FAction; }
  void SetAction(TCustomAction* Value);

  // A click on Client: its own OnClick when it has one other than the action's
  // OnExecute; otherwise the action's Execute (not while Client is designed); otherwise
  // OnClick.
  void Click(TComponent* Client, const TNotifyEvent& OnClick);

private:
  friend class TCustomAction;
  TCustomAction* FAction = nullptr;
  TActionChangeEvent FOnChange;
};
