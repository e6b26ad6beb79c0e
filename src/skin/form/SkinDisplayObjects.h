#pragma once
// The frame's display objects: a user object that the application paints through the
// frame's OnPaintEvent, an animated object that plays a strip of frames (and can act as a
// caption button with a window command or a drop-down menu), a label drawn with a font
// and a label drawn from a bitmap font cut out of the skin.

#include "ActiveSkinObject.h"

#include "skin/form/portable/DisplayObjects.h"

#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinRects.h"

#include <string>
#include <vector>

class TMenuItem;

class TspUserObject : public TspActiveSkinObject {
public:
  TspUserObject(TspDynamicSkinForm* AParent, const TspDataUserObject* AData) : TspActiveSkinObject(AParent, AData) {}
  void Draw(TCanvas* Cnvs, bool UpDate) override;
};

class TspSkinAnimateObject : public TspActiveSkinObject {
public:
  TspSkinAnimateObject(TspDynamicSkinForm* AParent, const TspDataSkinAnimate* AData);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  void DblClick() override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // One tick of the frame's animation timer; false when the object had nothing to play
  // (not playing, or held pressed in its pressed look).
  bool AnimationStep();
  // Runs the object's window command, or drops its menu down.
  void ExecuteCommand();
  // The menu it dropped down closed: back to its first frame.
  void MenuClosed();
  // Stops playing and goes back to its first frame, unless its menu is open.
  void Rewind();
  bool InRestoreState() const;

  bool MenuTracking = false;
  TspAnimatePlay Play;  // the frame shown, the time gathered toward the next, the direction
  int32_t TimerInterval;
  TMenuItem* MenuItem = nullptr;
  bool Down = false;
  bool PopupUp = false;
  int32_t CountFrames;
  bool Cycle;
  TRect DownSkinRect;
  TspAnimateLooks RestoreLooks;  // its looks in the restore state of its command

private:
  bool HasDownLook() const { return !IsNullRect(DownSkinRect); }
  void TrackMenu();
  // Shows a pressed look at once, or lets the animation timer play.
  void ShowHoverChange();
};

class TspSkinLabelObject : public TspActiveSkinObject {
public:
  TspSkinLabelObject(TspDynamicSkinForm* AParent, const TspDataSkinLabel* AData);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  // A label without an active look whose two font colours are equal looks the same.
  bool HoverChangesLook() const override;

  std::string Text;
  std::string FontName;
  TFontStyles FontStyle;
  int32_t FontHeight;
  TColor FontColor;
  TColor ActiveFontColor;
  TAlignment Alignment;

private:
  // The look (the active one with ActiveLook) at the object's size with the text on it.
  bool MakeImage(TBitmap& Image, bool ActiveLook) const;
};

class TspSkinBitLabelObject : public TspActiveSkinObject {
public:
  TspSkinBitLabelObject(TspDynamicSkinForm* AParent, const TspDataSkinBitLabel* AData);

  void Draw(TCanvas* Cnvs, bool UpDate) override;

  std::string Text;
  int32_t SymbolWidth;
  int32_t SymbolHeight;
  TStringList Symbols;  // a line of symbols per row of the font, in the active look
  bool Transparent;
  TColor TransparentColor;

private:
  TspSymbolCells FCells;  // of Symbols
};
