#pragma once
// The push buttons of a skinned window frame: TspSkinButtonObject (a pressed and a
// disabled look, radio-like groups, a drop-down menu) and TspSkinStdButtonObject, a
// caption button bound to a window command (close, maximize or restore, minimize, system
// menu, roll-up, to the tray). A caption button the skin lacks is made without skin data
// and drawn in the skinless controls' look.

#include "ActiveSkinObject.h"

#include "skin/data/SkinObjectData.h"

class TMenuItem;

class TspSkinButtonObject : public TspActiveSkinObject {
public:
  TspSkinButtonObject(TspDynamicSkinForm* AParent, const TspDataSkinButton* AData);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool IsMorphRunning() const override;

  // Presses or releases the button; pressing releases the other buttons of its group.
  void SetDown(bool Value);
  // Drops MenuItem's submenu down under the button.
  void TrackMenu();

  bool Down = false;
  bool PopupUp = false;  // the menu opens above the button
  TRect DownRect;
  TRect DisableSkinRect;
  int32_t GroupIndex = -1;  // -1: no group
  TMenuItem* MenuItem = nullptr;

protected:
  TspButtonLookState ButtonLookState(bool UpDate) const;
  // The look of the button drawing (disabled, pressed, else the object's).
  void DrawButton(TCanvas* Cnvs, bool UpDate);

private:
  void ReleaseGroup();
  bool HasDownLook() const;
};

class TspSkinStdButtonObject : public TspSkinButtonObject {
public:
  // AData nullptr: a default caption button named IDName that runs Command.
  TspSkinStdButtonObject(TspDynamicSkinForm* AParent, const TspDataSkinStdButton* AData);
  TspSkinStdButtonObject(TspDynamicSkinForm* AParent, const std::string& AIDName, TspStdButtonCommand ACommand);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  void DblClick() override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  bool IsMorphRunning() const override;

  // Runs the button's window command.
  void ExecuteCommand();
  // The maximize button of a maximized window and the like show their restore looks.
  bool InRestoreState() const;

  bool SkinDataPresent = true;
  // Its command is the place's (Command).
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;

private:
  bool ShowsFormIcon() const;
};

// Draws the default caption button's Look at Place: its face and its glyph, greyed when
// not Enabled.
void DrawDefaultCaptionButton(TCanvas* Canvas, const TRect& Place, const TspDefaultButtonLook& Look, bool Enabled);
