#pragma once
// TspSkinPageControl: the page control of every skinned window. The native tab control
// lays the tabs out, selects pages and scrolls its strip; this class draws tabs, strip and
// page frame from the skin entry SkinDataName ("tab"), or in plain colours without one,
// corrects the native geometry for that frame, tracks the tab and close button under the
// pointer, closes pages from their close buttons, and puts a skinned up-down control in
// place of the native strip scroller.
//
// The skin entry's values are copied anew at every paint, erase, size change and skin
// change, so the control follows its skin data without being told. Each tab is built in a
// bitmap of its own in "top" orientation and flipped (bottom tabs) or turned (left and
// right tabs) on its way to the screen, so one skin picture serves every tab position.
// An invisible internal image list makes the native control leave room in every tab for
// the drawn image and close button; Images is only what is drawn.

#include "skin/boxes/portable/PageControlGeometry.h"
#include "skin/boxes/portable/TabLooks.h"
#include "skin/boxes/portable/TabTracker.h"
#include "skin/controls/SkinChangeParticipant.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/PageControl.h"

#include <string>
#include <vector>

class TspSkinCustomTabSheet;
class TspSkinUpDown;

using TspCloseEvent = TDelegate<void(TObject* Sender, bool& CanClose)>;
using TspDrawSkinTabEvent = TDelegate<void(int TabIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* Cnvs)>;


class TspSkinPageControl : public TPageControl, public TspSkinChangeParticipant {
 public:
  explicit TspSkinPageControl(TComponent* AOwner);

  // A page closed by its close button is freed too (else only its tab goes).
  bool FreeOnClose() const { return FFreeOnClose; }
  void SetFreeOnClose(bool Value) { FFreeOnClose = Value; }
  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool Value);
  // The images drawn in the tabs (each page's ImageIndex); not owned.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // The strip shows the parent's background instead of the skin's strip picture.
  bool TabsBGTransparent() const { return FTabsBGTransparent; }
  void SetTabsBGTransparent(bool Value);
  // The font without a skin, or with one when UseSkinFont is off.
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // The tab height without a skin when TabHeight is 0; also the scroller's height.
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int Value);
  TspSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }

  // The index of the entry in the skin's control list as of the last copy; -1 for none.
  int SkinIndex() const { return FIndex; }
  // The skinned strip scroller while tabs are hidden; nullptr otherwise.
  TspSkinUpDown* TabScroller() const { return FUpDown; }
  // The invisible image list the native control reserves tab room by.
  TCustomImageList* TabSpaceImages() const { return FTabSpace; }

  void PrepareSkinDataChange() override { FIndex = -1; }
  // Takes the new skin: fonts, tab height, close-button room, a new scroller.
  void ChangeSkinData() override;

  // A tab's rectangle by its visible index, through the control's own window procedure
  // (so corrected).
  TRect GetTabRect(int Index);
  // TCM_SETITEMSIZE: W the fixed tab width, H the tab height.
  void SetItemSize(int W, int H);
  // The room of a close button along a tab: the skin's close picture's width, else 14.
  int GetCloseSize() const;
  // Replaces a native strip scroller by the skinned one while tabs are hidden.
  void CheckScroll();
  // Paints the strip and every visible tab on Cnvs.
  void DrawTabs(TCanvas* Cnvs);
  void PaintWindow(HDC DC) override;
  // Fills (0, 0, W, H) of Cnvs as the page body is filled: from the skin's background
  // picture or the entry's client part, else with clBtnFace.
  void PaintPageBackground(TCanvas& Cnvs, int W, int H);
  // Whether the skinned body is stretched, so that its look under a page's children
  // changes with the page's size.
  bool BodyStretched();

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

  TspCloseEvent OnClose;
  TspDrawSkinTabEvent OnDrawSkinTab;

 protected:
  // Copies the skin entry's values (TspDataSkinTabControl only; another kind is no skin).
  void GetSkinData();
  void Change() override;
  void CreateWnd() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Painting (SkinPageControlPaint.cpp).
  void PaintDefaultBody(TCanvas* Cnvs);
  void PaintSkinBody(TCanvas* Cnvs);
  void DrawBodyBackground(HDC DC);
  void DrawTab(int PageIndex, const TRect& R, bool Active, bool MouseIn, TCanvas* Cnvs);
  void DrawTabImageAndText(TCanvas* Cnvs, int W, int H, const std::string& Caption, TCustomImageList* AImages,
                           int ImageIndex, bool AEnabled, int Dy);
  void DrawCloseButton(TCanvas* Cnvs, const TRect& R, int W, int H, int PageIndex);

 private:
  bool Skinned() const { return FIndex != -1; }
  // Vertical tabs always take several rows (the native control shows them only so): no
  // shifted first tab and no scroller for them. Counted as single-line, tabs on the right
  // would end past the strip's limit and always bring a scroller over themselves.
  bool MultiRow() const;
  // The tab height when TabHeight is 0: the skin's tab picture's, else DefaultItemHeight.
  int DefaultTabHeight() const;
  // The skinned frame around the corrected display rectangle.
  TRect PageFrame();
  // The picture the entry draws from; nullptr without one.
  TBitmap* SkinPicture() const { return FPicture.Get(); }
  // The part of the picture that fills the page body.
  TRect ClientPart() const { return OffsetRect(FSkin.ClRect, FSkin.SkinRect.Left, FSkin.SkinRect.Top); }
  void PaintStrip(TBitmap& S, const TRect& Strip);
  // The tab's background from the skin; false when the skin has no picture for it.
  bool DrawSkinTabImage(TBitmap& B, const TspTabState& State, int W, int H);
  void SetTabFont(TCanvas* Cnvs, const TspTabState& State);
  // A close button from the skin's "resizetoolbutton" entry; none (Drawn left empty)
  // without one.
  void DrawBorrowedCloseButton(TCanvas* Cnvs, const TRect& R, const TspCloseButtonState& State, TRect& Drawn);
  // The page's close-button state, or nullptr for a page that is not a skinned sheet.
  TspCloseButtonState* CloseButtonOf(int PageIndex) const;
  // The active tab's rectangle grown toward the page; empty without an active tab.
  TRect ActiveTabAreaRect();
  std::vector<TspTrackedPage> TrackedPages();
  void ApplyMouseResult(const TspTabTracker::TResult& Result);
  void RedrawTabs();
  void ClosePage(int PageIndex);
  void ApplyFonts();
  void ApplyItemSize();
  // Gives the native control the tab-space images for Images, close buttons and position.
  void ApplyTabSpace();
  void UpdateScrollerPosition();
  // The scroller's position follows the tabs scrolled out of the strip.
  void FollowStrip();
  std::vector<TRect> VisibleTabRects();
  TspHiddenTabs HiddenTabs();
  void CreateScroller(const TspHiddenTabs& Tabs);
  void ScrollerChange(TObject* Sender);
  void EraseBackground(TMessage& Message);

  bool FFreeOnClose = false;
  bool FShowCloseButtons = false;
  TCustomImageList* FImages = nullptr;
  bool FTabsBGTransparent = false;
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  int FDefaultItemHeight = 20;
  TspSkinData* FSkinData = nullptr;
  std::string FSkinDataName = "tab";

  int FCloseSize = 14;
  TspTabTracker FTracker;
  TCustomImageList* FTabSpace;  // owned
  int FIndex = -1;
  TspSkinUpDown* FUpDown = nullptr;
  TspSkinBitmap FPicture;
  TspDataSkinTabControl FSkin{""};
};
