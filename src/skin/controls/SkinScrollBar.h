#pragma once
// TspSkinScrollBar: a windowed skinned scroll bar with its own Min, Max, PageSize and
// Position. It draws a track, a thumb and two arrow buttons from the skin entries
// "hscrollbar" or "vscrollbar" ("bothhscrollbar" for a horizontal bar that also covers
// the corner where it meets a vertical one), or in the default look. The mouse moves
// the position by the arrow buttons (held: again after 500 ms, then every 50 ms), by
// pages on the track (held likewise, up to the thumb) and by dragging the thumb; a
// focusable bar also takes the arrow keys and the wheel. The list box, memo, combo box
// and grid mirror their scroll state into bars with SetRange and
// SetPositionWithoutEvent and follow OnChange.
//
// An event handler may free the bar (a list box rebuilds its bars from its OnChange):
// the bar finishes its own work before it fires events and touches nothing of itself
// after a handler freed it.

#include "KeptPicture.h"
#include "SkinControlTimer.h"
#include "SkinCustomControl.h"
#include "SkinPartPainter.h"

#include "skin/controls/portable/ScrollBarGeometry.h"

#include "classlib/portable/ControlEnums.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

class TspSkinScrollBar : public TspSkinCustomControl {
public:
  explicit TspSkinScrollBar(TComponent* AOwner);

  // Which way the bar lies; the skin entry's name stays as it is.
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  // Every change of Min, Max, PageSize or Position keeps Position within Min .. Max -
  // PageSize + 1 (Max without a page), Min winning when a page is larger than the range.
  // While a form resource is read the values are taken as they come and put in order
  // once it is read.
  int32_t Min() const { return FRange.Min; }
  void SetMin(int32_t Value);
  int32_t Max() const { return FRange.Max; }
  void SetMax(int32_t Value);
  int32_t PageSize() const { return FRange.PageSize; }
  // A page that would run past Max from Position is refused.
  void SetPageSize(int32_t Value);
  int32_t Position() const { return FRange.Position; }
  // Fires OnChange when the position changed.
  void SetPosition(int32_t Value);
  void SetPositionWithoutEvent(int32_t Value);
  // All four at once (a negative page counts as none), the position clamped; no OnChange.
  void SetRange(int32_t AMin, int32_t AMax, int32_t APageSize, int32_t APosition);
  // The step of the arrow buttons, keys and wheel, and of a page on the track.
  int32_t SmallChange() const { return FSmallChange; }
  void SetSmallChange(int32_t Value);
  int32_t LargeChange() const { return FLargeChange; }
  void SetLargeChange(int32_t Value);
  // A horizontal bar that also covers the corner where it meets a vertical bar: it
  // draws from BothSkinDataName, or without a skin leaves BothMarkerWidth pixels at its
  // right end. Switching it off brings the bar's own entry name back.
  bool Both() const { return FBoth; }
  void SetBoth(bool Value);
  int32_t BothMarkerWidth() const { return FBothMarkerWidth; }
  void SetBothMarkerWidth(int32_t Value);  // a negative width is ignored
  const std::string& BothSkinDataName() const { return FBothSkinDataName; }
  void SetBothSkinDataName(const std::string& Value) { FBothSkinDataName = Value; }
  // Takes the focus when clicked, and then the arrow keys and the wheel (also TabStop).
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value);

  // Where the parts lie at the current size and range.
  TspScrollBarRects PartRects();

  TNotifyEvent OnChange;
  TNotifyEvent OnLastChange;       // the thumb was let go
  TNotifyEvent OnUpButtonClick;    // instead of stepping up
  TNotifyEvent OnDownButtonClick;  // instead of stepping down
  TNotifyEvent OnPageUp;           // after a page towards Min
  TNotifyEvent OnPageDown;

  void Loaded() override;
  void ChangeSkinData() override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

protected:
  void GetSkinData() override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  // A skinned bar composes itself on an image it keeps.
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  // What repeats while the mouse is held.
  enum class TTimerMode { None, DownButton, UpButton, PageUp, PageDown };
  struct TScrollButton {
    bool MouseIn = false;
    bool Down = false;
  };
  // The skin values the bar draws with, the empty state rectangles already fallen back.
  struct TScrollSkin {
    TspScrollBarSkinGeometry Geometry;
    TspSkinPart UpButton, DownButton, Thumb, Glyph;
    int32_t ThumbOffset1 = 0, ThumbOffset2 = 0;
    bool ThumbStretchEffect = false;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;
  };

  bool Vertical() const { return FKind == sbVertical; }
  void CalcRects();
  // The thumb over the track and buttons already drawn; notes what the paint shows.
  void DrawThumb(TCanvas& Canvas);
  void DrawButton(TCanvas& Canvas, int Index);
  void DrawSkinThumb(TCanvas& Canvas, TspPartState State);
  bool DrawThumbPicture(TBitmap& Image, TspPartState State);
  TspPartState ButtonState(int Index);
  // After a change of the range: draws again what moved (see ScrollBarRedrawArea).
  void RedrawMoved();

  // Position := Value clamped, drawing what moved on a change; whether it changed.
  bool StorePosition(int32_t Value);
  void StepPosition(int64_t Delta);
  // Arrow buttons: their own event when assigned, else a step.
  void ArrowStep(int Index);
  void PageStep(TspScrollPage Page);
  // Fires Events in order.
  void Fire(std::initializer_list<TNotifyEvent> Events);

  void ButtonDown(int Index, int X, int Y);
  void ButtonUp(int Index);
  void TestActive(int X, int Y);
  void ButtonEnter(int Index);
  void ButtonLeave(int Index);
  void StartTimer(TTimerMode Mode);
  void StopTimer();
  void TimerTick();
  void MouseLeft();
  bool WheelTurned(int Delta);

  TScrollBarKind FKind = sbHorizontal;
  TspScrollRange FRange;
  int32_t FSmallChange = 1;
  int32_t FLargeChange = 1;
  bool FBoth = false;
  int32_t FBothMarkerWidth = 0;
  std::string FBothSkinDataName = "bothhscrollbar";
  std::string FSavedSkinDataName;
  bool FCanFocused = false;

  std::optional<TScrollSkin> FSkin;  // a scroll-bar entry's values; none without one
  TspScrollBarRects FRects;
  // What the last paint showed: where the parts were, and whether the thumb was drawn
  // for a page; none before the first paint.
  struct TDrawn {
    TspScrollBarRects Rects;
    bool Paged = false;
  };
  std::optional<TDrawn> FDrawn;
  // The skinned bar without its thumb, and the thumb: drawn again only when their skin
  // entry, size or state changed. A line step that moves the thumb only copies them.
  struct TPictureKey {
    const TspSkinData* Data = nullptr;
    int32_t Index = -1;
    TspPartState Up = TspPartState::Normal, Down = TspPartState::Normal;  // the thumb's state in Up
    TRect UpRect, DownRect;
    bool Vertical = false;
    bool Paged = false;
    friend bool operator==(const TPictureKey&, const TPictureKey&) = default;
  };
  TspKeptPicture<TPictureKey> FBackground;
  TspKeptPicture<TPictureKey> FThumb;
  // What a paint composes before it goes on the window: kept, as a thumb that moves every
  // few line steps of a long list would otherwise make a bitmap of the bar's size each time.
  TBitmap FImage{0, 0};
  std::array<TScrollButton, 3> FButtons;
  int FActiveButton = -1;
  int FDownButton = -1;
  bool FTracking = false;
  int32_t FMouseDownCoord = 0;
  int32_t FOldThumbCentreOffset = 0;
  TTimerMode FTimerMode = TTimerMode::None;
  bool FWaitingFirstTick = false;
  TPoint FLastMouse;
  bool FMousePressed = false;
  bool FSettingFocus = false;
  TspControlTimer FTimer{*this, 1};
};
