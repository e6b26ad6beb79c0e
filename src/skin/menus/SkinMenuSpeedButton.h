#pragma once
// TspSkinMenuSpeedButton: a tool button that drops down a skinned popup menu or an images
// menu. The whole button opens the menu, or in track-button mode only its 15-pixel track
// strip at the right (or, in the new style, the bottom) while the rest clicks as an
// ordinary speed button. The button stays down exactly while its menu is open: it is
// released when the menu tells it that it closed, or at once when nothing opened.
//
// It draws from its own entry "toolmenubutton" (whose picture has the track part), or
// from the plain tool-button entries, cutting the strip itself and putting the menu
// marker on it, or in the default look.

#include "skin/menus/portable/SkinMenuSpeedButtonLook.h"
#include "skin/controls/SkinSpeedButton.h"

class TClassRegistry;
class TspSkinImagesMenu;
class TspSkinPopupMenu;

class TspSkinMenuSpeedButton : public TspSkinSpeedButton {
public:
  explicit TspSkinMenuSpeedButton(TComponent* AOwner);
  ~TspSkinMenuSpeedButton() override;

  // The menu the button drops down: the popup menu when both are set. Not owned; cleared
  // when the menu goes.
  TspSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
  void SetSkinPopupMenu(TspSkinPopupMenu* Value) { SetReference(FSkinPopupMenu, Value); }
  TspSkinImagesMenu* ImagesMenu() const;
  void SetSkinImagesMenu(TspSkinImagesMenu* Value);
  // Only the track strip opens the menu.
  bool TrackButtonMode() const { return FTrackButtonMode; }
  void SetTrackButtonMode(bool Value);
  // Where the new style puts the strip.
  TspTrackPosition TrackPosition() const { return FTrackPosition; }
  void SetTrackPosition(TspTrackPosition Value);
  // The new style draws from "resizetoolbutton" with a strip of its own entry.
  bool NewStyle() const { return FNewStyle; }
  void SetNewStyle(bool Value);
  // Before the menu opens, and once it closed.
  TNotifyEvent OnShowTrackMenu;
  TNotifyEvent OnHideTrackMenu;

  // The press went to the menu part and the menu is open.
  bool MenuTracking() const { return FMenuTracking; }
  // Whether a press at (X, Y) opens the menu: never without one; anywhere without track
  // mode; else in the track part.
  bool IsTrackPoint(int X, int Y);
  // The own entry's track part at the button's size.
  TRect GetTrackRect() const;

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void DrawSkinState(TBitmap* B, TspPartState State) override;
  bool ShowsFlat() override;
  void PaintFlat(TCanvas& Canvas) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Drops the menu down under the button.
  void TrackMenu();

private:
  // The images menu's close hook and the popup menu's SP_MENU_CLOSED: the button goes up.
  void ImagesMenuClosed(TObject* Sender);
  void MenuClosed();
  bool OwnEntry() const;
  bool NewStyleEntries() const;
  TspTrackPosition StripPosition() const { return FNewStyle ? FTrackPosition : sptpRight; }
  TSize Size() const { return {Width(), Height()}; }
  // The state the base look shows now.
  TspPartState ButtonState();
  void PaintNewStyle();
  void DrawPlainParts(TCanvas& Canvas, TspPartState State);
  // The marker in the strip in State: the entry's, else a small arrow in the font colour.
  void DrawStripMarker(TCanvas& Canvas, const TRect& Strip, TspPartState State, bool HasEntry);

  TspSkinPopupMenu* FSkinPopupMenu = nullptr;
  bool FTrackButtonMode = false;
  TspTrackPosition FTrackPosition = sptpRight;
  bool FNewStyle = false;
  bool FMenuTracking = false;
  TRect FTrackButtonRect;
};

// Adds TspSkinMenuSpeedButton to the form reader.
void RegisterSkinMenuSpeedButtonClass(TClassRegistry& Registry);
