#pragma once
// The objects on a skinned main menu bar: TspMenuBarObject, the base with its hot, pressed
// and cross-faded states; TspSkinMainMenuBarItem, a top-level item of the bar's menu,
// which opens its submenu through the window's skin menu engine (and lets an open
// submenu follow the mouse along the bar) or runs its command; and
// TspSkinMainMenuBarButton, a caption button of a maximized MDI child shown on the bar.
// Coordinates are the bar's client coordinates.

#include "MainMenuItemSkin.h"

#include "skin/form/portable/MainMenuItems.h"
#include "skin/form/portable/MenuBarLayout.h"

#include "skin/data/SkinKeywords.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Control.h"

#include "base/FreeWatch.h"

#include <optional>
#include <string>

class TCanvas;
class TMenuItem;
class TspDataSkinMainMenuItem;
class TspDataSkinMainMenuBarButton;
class TspSkinMainMenuBar;

class TspMenuBarObject {
public:
  explicit TspMenuBarObject(TspSkinMainMenuBar* AParent) : Parent(AParent) {}
  virtual ~TspMenuBarObject() = default;
  TspMenuBarObject(const TspMenuBarObject&) = delete;
  TspMenuBarObject& operator=(const TspMenuBarObject&) = delete;

  // Shows a change of state: through the bar's morph timer, or at once.
  virtual void ReDraw();
  virtual void Draw(TCanvas* Cnvs) { (void)Cnvs; }
  virtual void DblClick() {}
  virtual void MouseDown(int X, int Y, TMouseButton Button) { (void)X, (void)Y, (void)Button; }
  virtual void MouseUp(int X, int Y, TMouseButton Button) { (void)X, (void)Y, (void)Button; }
  virtual void MouseEnter();
  virtual void MouseLeave();
  // The cross-fade still runs towards the look the mouse asks for; a pressed object with
  // a pressed look has none.
  virtual bool IsMorphRunning() const;

  // The object asks for a cross-fade and the bar's skin allows effects.
  bool CanMorphing() const;
  // One step of the cross-fade, a fifth of the way, then drawn.
  void DoMorphing();

  TspSkinMainMenuBar* Parent;
  double MorphKf = 0;  // 0 the normal look, 1 the hot one
  bool Active = false;
  bool Down = false;
  std::string IDName;
  TRect DownRect;  // the pressed look; empty for none
  bool Morphing = false;
  TspMorphKind MorphKind = mkdefault;
  TRect ObjectRect;
  bool MouseIn = false;
  bool Enabled = true;
  bool Visible = true;
};

class TspSkinMainMenuBarItem : public TspMenuBarObject {
public:
  // AData: the skin's item entry, nullptr to draw the skinless look.
  TspSkinMainMenuBarItem(TspSkinMainMenuBar* AParent, const TspDataSkinMainMenuItem* AData, TMenuItem* AMenuItem);

  void ReDraw() override;
  void Draw(TCanvas* Cnvs) override;
  // A left press fires the bar's OnMainMenuItemClick, then opens the submenu or runs the
  // command of an item without one.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Pressing opens the submenu (and the window's main-menu mode with it); releasing lets
  // the item fade or animate back.
  void SetDown(bool Value);
  // The item's frame animation may play.
  bool CanAnimate() const;
  int32_t AnimateInterval() const { return FSkin ? FSkin->AnimateInterval : 0; }
  bool InActiveAnimation() const { return FSkin && FSkin->InActiveAnimation; }
  // One tick of the bar's animation timer; whether the item changed (and was drawn).
  bool AnimationStep();
  // Its size for its caption in the bar's item font, in an items area Area.
  TSize MeasureSize(const TRect& Area) const;
  // Takes its place on the bar; an item that does not fit is hidden and disabled.
  void SetPlace(const TspMenuItemPlace& Place);
  bool Shown() const { return FFit.Fits; }
  bool HasSkinData() const { return FSkin.has_value(); }
  // The menu item shown; nullptr once it was freed.
  TMenuItem* MenuItem() const;

  int32_t Frame = 0;  // 0 normal, 1 .. the frame count the animation, above it hot

private:
  void DrawSkinned(TCanvas* Cnvs, const std::string& Caption, bool ItemEnabled);
  void DrawDefault(TCanvas* Cnvs, const std::string& Caption, bool ItemEnabled);
  void OpenSubmenu();

  std::optional<TspMainMenuItemSkin> FSkin;
  TspMenuItemFit FFit;
  TFreeWatch FMenuItem;
};

class TspSkinMainMenuBarButton : public TspMenuBarObject {
public:
  // AData: the skin's button entry, nullptr for the skinless look of Command.
  TspSkinMainMenuBarButton(TspSkinMainMenuBar* AParent, const TspDataSkinMainMenuBarButton* AData,
                           const std::string& AIDName, TspStdButtonCommand ACommand);

  void Draw(TCanvas* Cnvs) override;
  // A left press holds the button down (the system-menu button opens its menu at once);
  // the release over it runs its command on the maximized child.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // On the system-menu button: the maximized child closes.
  void DblClick() override;
  // What the bar lays out: the skin rectangle's size, or none without skin data.
  TspMenuBarButtonSize PlaceSize() const;
  // Close, restore, minimize or the system menu, on the maximized MDI child.
  void DoCommand();

  bool HasSkinData = false;
  TspStdButtonCommand Command;
  TRect SkinRect, ActiveSkinRect;
  TspSkinBitmap ActivePicture;
};
