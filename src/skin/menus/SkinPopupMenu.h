#pragma once
// TspSkinPopupMenu: a popup menu whose items the skin menu engine of its window's skinned
// frame shows instead of the system. It is placed on forms like any popup menu (a
// control's PopupMenu opens it on a right click) and opened directly by skinned controls,
// at a point or against a rectangle, with or without a control as the opener that hears
// when the menu closed and when its command ran.

#include "classlib/Menus.h"

class TClassRegistry;
class TCustomForm;
class TspSkinData;
class TspSkinFormHost;

class TspSkinPopupMenu : public TPopupMenu {
public:
  explicit TspSkinPopupMenu(TComponent* AOwner);

  // A context menu at the screen point (X, Y).
  void Popup(int X, int Y) override;
  // Below the screen rectangle R, or above it when PopupUp.
  void PopupFromRect(const TRect& R, bool PopupUp);
  // The same with AControl as the opener: it receives SP_MENU_CLOSED when the menu
  // closes (also when nothing could open) and SP_MENU_ITEM_EXECUTED after its command.
  void PopupFromRectForControl(TControl* AControl, const TRect& R, bool PopupUp);
  // At the screen point (X, Y) for AControl; only with a skin for the menu.
  void PopupForControl(TControl* AControl, int X, int Y);

  // The top-left corner of the last place the menu opened at; (-1, -1) before.
  TPoint PopupPoint() const { return FPopupPoint; }
  // The skin of the menu; unset, it takes the frame's menu skin (else its skin) at the
  // first opening and keeps it.
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value) { SetReference(FSkinData, Value); }
  // The form whose frame shows the menu; unset: the owner's form (or its owner's).
  TCustomForm* ComponentForm() const { return FComponentForm; }
  void SetComponentForm(TCustomForm* Value) { SetReference(FComponentForm, Value); }

  // Handed to the engine at each opening: called once when that menu closes.
  TNotifyEvent OnMenuClose;

  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  // Every opening: OnPopup, the frame, the skin, the open menu closed, the engine.
  // NeedsSkin: nothing opens without a skin for the menu.
  void Open(TControl* Opener, const TRect& R, bool PopupUp, bool NeedsSkin);
  // The frame that shows the menu: ComponentForm's, else the owner form's (an MDI child
  // hands over to the main form's), else the owner's owner's; nullptr for none.
  TspSkinFormHost* FindSkinForm() const;

  TPoint FPopupPoint{-1, -1};
  TspSkinData* FSkinData = nullptr;
  TCustomForm* FComponentForm = nullptr;
};

// Adds TspSkinPopupMenu to the form reader.
void RegisterSkinPopupMenuClass(TClassRegistry& Registry);
