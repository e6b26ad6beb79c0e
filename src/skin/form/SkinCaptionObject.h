#pragma once
// TspSkinCaptionObject: the window title on a skinned frame. It draws the caption picture
// resized to the caption's size, a frame behind the text, the window's caption with light
// and shadow, and passes between the inactive and the active look by a morph or by a few
// animation frames. A frame drawn inside the client area is dragged by its caption.

#include "ActiveSkinObject.h"

#include "skin/form/portable/CaptionLayout.h"

#include "skin/data/SkinObjectData.h"

class TspSkinCaptionObject : public TspActiveSkinObject {
public:
  TspSkinCaptionObject(TspDynamicSkinForm* AParent, const TspDataSkinCaption* AData);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  void SetText(const std::string& Value);
  // The skin's activation animation may play now.
  bool CanAnimate() const;
  // Restarts the animation for an activation (Active) or a deactivation.
  void RestartAnimation(bool Active);
  // One tick of the frame's animation timer; false when the caption had nothing to do.
  bool AnimationStep();

  std::string Text;
  std::string FontName;
  TFontStyles FontStyle;
  int32_t FontHeight = 14;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor ShadowColor = 0;
  TColor ActiveShadowColor = 0;
  bool Shadow = false;
  TColor LightColor = 0;
  TColor ActiveLightColor = 0;
  bool Light = false;
  TRect ActiveFrameRect;
  int32_t FrameLeftOffset = 0;
  int32_t FrameRightOffset = 0;
  bool StretchEffect = false;
  TspCaptionText TextLayout;  // text rectangle, frame rectangles, alignment, full frame
  int32_t AnimateTimerCount = 0;
  TRect AnimateSkinRect;
  int32_t FrameCount = 0;
  int32_t AnimateInterval = 25;
  bool InActiveAnimation = false;
  int32_t FrameIndex = 0;  // 0: no animation frame shows

private:
  TSize Size() const;
  TspCaptionZone Zone() const;
  // The caption image of R (of Source) at the caption's size; false for none.
  bool MakeImage(TBitmap& Image, TBitmap* Source, const TRect& R) const;
  // The text (and the frame behind it) in the active or inactive colours, Origin being
  // where the caption's top-left corner lies on Canvas.
  void PaintText(TCanvas* Canvas, TPoint Origin, bool ActiveColors);
  void PaintTextFrame(TCanvas* Canvas, const TRect& Dest, bool ActiveColors);
  void ApplyInActiveEffect(TBitmap& Image) const;
  void PutImage(TCanvas* Canvas, TBitmap& Image, bool Effect) const;
  bool MorphAtEnd() const;
};
