#pragma once
// Menus as object trees: TMenuItem, and TMenu with TMainMenu and TPopupMenu. Nothing
// native is built from them; the skin's menu engine shows them. Every item carries a
// command number of its own, by which its menu runs it once the engine has closed, and a
// menu takes the keys that are shortcuts of its enabled items.

#include "Actions.h"
#include "Bitmap.h"
#include "ImageList.h"
#include "Keyboard.h"

#include "base/Component.h"
#include "base/Exceptions.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

VQ_DECLARE_EXCEPTION(EMenuError, Exception);

class TMenu;

// Draws an item in place of the engine; Selected: the item is hot.
using TMenuDrawItemEvent = TDelegate<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, bool Selected)>;

// Whether a menu leaves out redundant separators by itself.
enum TMenuAutoFlag { maAutomatic, maManual, maParent };

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // "-" makes the item a separator; "&x" marks x as its accelerator ("&&" is an ampersand).
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  bool IsLine() const { return FCaption == "-"; }
  // Checking a radio item unchecks the radio items of its GroupIndex among its siblings.
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(uint8_t Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // The item a double click on its parent would run; drawn in bold.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value) { FShortCut = Value; }
  // The item's own picture (made on first use); without one, image ImageIndex of the
  // menu's Images (-1: none) is drawn.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value) { Bitmap()->Assign(Value); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }

  // Unique among the items that exist; it is free again once the item is gone.
  uint16_t Command() const { return FCommand; }

  TMenuItem* Parent() const { return FParent; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const;  // raises EListError
  int IndexOf(const TMenuItem* Item) const;
  // The place among the parent's items (-1 without a parent); setting moves the item.
  int MenuIndex() const;
  void SetMenuIndex(int Value);
  // Add and Insert raise EMenuError for an item that has a parent already or would
  // contain itself; Delete and Remove take an item out without freeing it; Clear frees
  // every item.
  void Add(TMenuItem* Item) { Insert(Count(), Item); }
  void Insert(int Index, TMenuItem* Item);
  void Delete(int Index);
  void Remove(TMenuItem* Item);
  void Clear();

  // The action the item follows (caption, check mark, enabled state, image) and
  // carries out when clicked.
  TCustomAction* Action() const { return FActionLink.Action(); }
  void SetAction(TCustomAction* Value) { FActionLink.SetAction(Value); }

  // When the item is enabled: OnClick, or the action (see TActionLink::Click).
  virtual void Click();
  // Hides the separators among the items that would show first, last or right after
  // another one, and shows again those it hid earlier that now stand between items.
  void RethinkLines();
  // The menu whose tree holds the item, nullptr when it is in none.
  TMenu* GetParentMenu() const;
  // Its parent item; the root item lies in its menu.
  TComponent* GetParentComponent() const override;

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;

protected:
  void BeforeDestruction() override;
  // Freed while code runs for it, it leaves its parent's items at once.
  void FreeDeferred() override { LeaveParent(); }
  // Takes on what Sender (the action) shows; with CheckDefaults (the action is being
  // read with the form) only where the item still has its default.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);

private:
  friend class TMenu;
  void TurnSiblingsOff();
  void FreeItems();
  void LeaveParent();

  std::string FCaption;
  bool FChecked = false;
  bool FRadioItem = false;
  uint8_t FGroupIndex = 0;
  bool FEnabled = true;
  bool FVisible = true;
  bool FHiddenAsRedundantLine = false;
  bool FDefault = false;
  std::string FHint;
  TShortCut FShortCut = scNone;
  std::unique_ptr<TBitmap> FBitmap;
  int FImageIndex = -1;
  TActionLink FActionLink{Event(this, &TMenuItem::ActionChange)};
  uint16_t FCommand;
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
  TMenu* FMenu = nullptr;  // set on the root item of a menu
};

enum TFindItemKind { fkCommand, fkShortCut };

class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  // The root of the tree: its items are the menu's first level.
  TMenuItem* Items() const { return FItems; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuAutoFlag Value) { FAutoLineReduction = Value; }

  // Clicks the item of this menu that has the command; false when none has it (an item
  // freed since its number was handed out, or one of another menu).
  bool DispatchCommand(uint16_t ACommand);
  // Clicks the first enabled item whose ShortCut is the key with the shift keys held;
  // items under a disabled item do not count. Whether one was clicked.
  virtual bool IsShortCut(TWMKey& Message);
  // The first item (depth first) with that command or shortcut, nullptr when none.
  TMenuItem* FindItem(int Value, TFindItemKind Kind) const;

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void BeforeDestruction() override;

private:
  TMenuItem* FItems;
  TCustomImageList* FImages = nullptr;
  TMenuAutoFlag FAutoLineReduction = maAutomatic;
};

class TMainMenu : public TMenu {
public:
  using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

  // Opens the menu at a screen point. Nothing native is shown: this fires OnPopup, and
  // the skinned popup menu shows the items through the skin's menu engine.
  virtual void Popup(int X, int Y);
  // Whether a right click (or the context-menu key) on a control opens the control's menu.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  // The control the menu was last opened for.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnPopup;

protected:
  // Fires OnPopup (the application fills or enables items here).
  virtual void DoPopup(TObject* Sender);

private:
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
};
