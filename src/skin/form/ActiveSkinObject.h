#pragma once
// TspActiveSkinObject: the base of the skin objects that live on a skinned window frame
// (caption, caption buttons, push buttons and the like), made from the skin's object
// entries. An object knows its looks (normal, active, inactive window), morphs between
// the normal and the active look when the skin allows effects, and reports the mouse to
// its frame's events by its IDName. Coordinates are the window's (its top-left corner
// is 0, 0).

#include "skin/form/portable/CaptionButtons.h"
#include "skin/form/portable/FrameObjects.h"

#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Control.h"

#include <string>

class TCanvas;
class TMenuItem;
class TspDataSkinObject;
class TspDynamicSkinForm;

class TspActiveSkinObject : public TspObjectPlace {
public:
  // Copies AData's looks; nullptr for an object without a skin entry.
  TspActiveSkinObject(TspDynamicSkinForm* AParent, const TspDataSkinObject* AData);
  virtual ~TspActiveSkinObject() = default;
  TspActiveSkinObject(const TspActiveSkinObject&) = delete;
  TspActiveSkinObject& operator=(const TspActiveSkinObject&) = delete;

  // Draws the object at ObjectRect. UpDate: the normal look too where the frame picture
  // shows it already.
  virtual void Draw(TCanvas* Cnvs, bool UpDate);
  virtual void DblClick() {}
  virtual void MouseDown(int X, int Y, TMouseButton Button);
  virtual void MouseUp(int X, int Y, TMouseButton Button);
  virtual void MouseMove(int X, int Y);
  // Set MouseIn and Active, show the change when HoverChangesLook, and fire the events.
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool IsMorphRunning() const;
  // Whether the mouse coming or going changes what the object shows: it has an active look.
  virtual bool HoverChangesLook() const;

  // The skin allows the morph this object asks for.
  bool CanMorphing() const;
  // Shows a change of Active: through the frame's morph timer, or at once.
  void ReDraw();
  void SetMorphKf(double Value);  // clamped to 0..1
  // One step of the morph, a fifth of the way, then a repaint.
  void DoMorphing();

  TspDynamicSkinForm* Parent;
  double MorphKf = 0;  // 0 the normal look, 1 the active one
  bool MouseIn = false;
  TspSkinBitmap Picture;        // the frame (or roll-up) picture the normal look is cut from
  TspSkinBitmap ActivePicture;  // the active picture the other looks are cut from
  TspSkinData* SkinData;
  std::string IDName;
  std::string Hint;
  TRect ActiveSkinRect;
  TRect InActiveSkinRect;
  bool Morphing = false;
  TspMorphKind MorphKind = mkdefault;
  bool Active = false;  // the object wants its active look
  int32_t CursorIndex = -1;

protected:
  bool WindowActive() const;
  bool MorphRunning() const { return CanMorphing() && IsMorphRunning(); }
  TspObjectLookState LookState(bool UpDate) const;
  // Draws Look at ObjectRect.
  void DrawLook(TCanvas* Canvas, const TspObjectLook& Look);
  // The picture a look's rectangle lies in.
  TBitmap* LookPicture(bool InActivePicture) const;
  const TspSkinBitmap& LookBitmap(bool InActivePicture) const { return InActivePicture ? ActivePicture : Picture; }
  // A point of the window in the object's own coordinates.
  TPoint ObjectPoint(int X, int Y) const;
  // Drops Item's submenu down under the object (above it with PopupUp): through the
  // skinned popup menu it belongs to, or the frame's menu engine.
  void DropDownMenu(TMenuItem* Item, bool PopupUp);
};

// Target := the part R of Picture; false (Target untouched) when there is nothing to cut.
bool CutImage(TBitmap& Target, TBitmap* Picture, const TRect& R);
// Copies the part R of Picture to Dest on Canvas, as much of it as Dest holds.
void CopyPicturePart(TCanvas& Canvas, const TRect& Dest, const TspSkinBitmap& Picture, const TRect& R);
