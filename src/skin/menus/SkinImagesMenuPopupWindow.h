#pragma once
// TspSkinImagesMenuPopupWindow: the open images menu. A top-level popup window like a
// menu level (no activation, the skin's popup window frame and mask, a fade-in) that lays
// the menu's items out as a grid, places itself under its button inside the work area,
// and while it is open holds the mouse capture and the application's message handler:
// keys move the hot item or choose, a click outside or any message that ends a menu
// closes it.
//
// The menu frees the window when it closes. A window closed while its own Show still
// runs (the fade lets messages through first) is only hidden and abandoned, and frees
// itself when its Show ends.

#include "skin/menus/portable/MenuLevelLayout.h"
#include "skin/menus/portable/SkinImagesMenuLayout.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/Application.h"
#include "classlib/CustomControls.h"

class TspImagesMenuItem;
class TspSkinImagesMenu;

class TspSkinImagesMenuPopupWindow : public TCustomControl {
public:
  // Not owned by the menu: the menu frees it, or lets it go when it is abandoned.
  explicit TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* AMenu);
  ~TspSkinImagesMenuPopupWindow() override;

  // Lays the items out and shows the window under R (screen coordinates), then takes the
  // capture and the application's handler.
  void Show(const TRect& R);
  // Hides the window and gives the handler and the capture back, then lets the menu
  // report: with Click the choice (ItemIndex), else none.
  void Close(bool Click);
  // The items changed while the window shows.
  void ItemsChanged();

  // A key while the window is open: Enter or Space chooses the hot item, Escape closes,
  // the arrows move the hot item.
  void ProcessKey(uint16_t Key);

  TspSkinImagesMenu* Menu() const { return FMenu; }
  // Drawn from the skin's popup window entry: a skin with a window picture, as long as
  // that skin lasts.
  bool UseSkin() const { return FSkinData != nullptr && FPicture.Get() != nullptr; }
  // The hot item, -1 for none.
  int32_t HotIndex() const { return FHotIndex; }
  const TspImagesMenuLayout& Layout() const { return FLayout; }
  // The window holds the application's handler and the capture.
  bool Installed() const { return FInstalled; }

  // The menu's part: the window stops being the open popup. Uninstalls it; while its Show
  // runs it is only hidden, and frees itself when the Show ends.
  bool InShow() const { return FShowDepth > 0; }
  void Abandon();

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void TakeSkin();
  void LayOut();
  void SetWindowRegion();
  void ShowWindowAt(TPoint At);
  void FadeIn();
  void Install();
  void Uninstall();
  void ApplicationMessage(MSG& Msg, bool& Handled);
  void SetHotIndex(int32_t Value);
  void ItemHintChanged();
  void HideItemHint();
  TspImagesMenuItem* Item(int32_t Index) const;

  // Painting.
  void PaintItem(TCanvas& Canvas, int32_t Index);
  void PaintHeader(TCanvas& Canvas, const TspImagesMenuItem& Item, const TRect& R);
  void PaintCellFrame(TCanvas& Canvas, const TRect& R, TspImagesCellLook Look);
  void PaintButtonCaption(TCanvas& Canvas, const TspImagesMenuItem& Item, const TRect& R, TspImagesCellLook Look);
  void DrawImage(TCanvas& Canvas, int32_t ImageIndex, TPoint At);

  TspSkinImagesMenu* FMenu;
  TspSkinData* FSkinData = nullptr;  // the skin of the window's frame
  TspSkinBitmap FPicture, FMaskPicture;
  TspLevelGeometry FGeometry;  // the skin's corner points and items rectangle at the window's size
  TspImagesMenuLayout FLayout;
  int32_t FHotIndex = -1;
  bool FMouseDown = false;
  bool FDownOnItem = false;
  bool FInstalled = false;
  TApplication::TMessageEvent FOldOnMessage;
  int FShowDepth = 0;
  bool FAbandoned = false;
};
