#include "SkinLayout.h"

void SetFrameLayout(TspSkinFormInfo& Form) {
  Form.LTPoint = {10, FrameClient.Top};
  Form.RTPoint = {86, FrameClient.Top};
  Form.LBPoint = {10, 62};
  Form.RBPoint = {86, 62};
  Form.ClRect = FrameClient;
  Form.CaptionRect = {6, 3, 90, 24};  // the caption buttons share it, right to left
  Form.ButtonsOffset = 2;
  Form.BorderWidth = 4;
  Form.StatusBarName = "statusbar";
}

void SetMenuBarLayout(TspDataSkinMainMenuBar& Bar) {
  Bar.ItemsRect = {2, 1, 58, 21};
  Bar.MenuBarItem = "mainmenubaritem";
  Bar.CloseButton = "menubarclosebutton";
  Bar.MinButton = "menubarminbutton";
  Bar.MaxButton = "menubarmaxbutton";
  Bar.SysMenuButton = "menubarsysmenubutton";
}

void SetPopupLayout(TspDataSkinPopupWindow& Popup) {
  Popup.LTPoint = {6, 6};
  Popup.RTPoint = {34, 6};
  Popup.LBPoint = {6, 34};
  Popup.RBPoint = {34, 34};
  Popup.ItemsRect = {3, 4, 37, 36};
}

void SetHintLayout(TspDataSkinHintWindow& Hint) {
  Hint.LTPoint = {6, 6};
  Hint.RTPoint = {24, 6};
  Hint.LBPoint = {6, 18};
  Hint.RBPoint = {24, 18};
  Hint.ClRect = {5, 4, 25, 20};
}

void SetCheckRadioLayout(TspDataSkinCheckRadioControl& C) {
  C.LTPoint = {20, 0};
  C.RTPoint = {98, 0};
  C.CheckImageArea = {0, 0, 20, 20};
  C.TextArea = {22, 0, 98, 20};
}

void SetSpinEditLayout(TspDataSkinSpinEditControl& S, int32_t Height) {
  S.LTPoint = {4, 0};
  S.RTPoint = {32, 0};
  S.ClRect = {3, 3, 32, Height - 3};
  S.UpButtonRect = {34, 2, 48, Height / 2};
  S.DownButtonRect = {34, Height / 2 + 1, 48, Height - 2};
}

void SetCaptionListLayout(TspDataSkinListBox& L) {
  L.LTPoint = {4, 22};
  L.RTPoint = {58, 22};
  L.LBPoint = {4, 56};
  L.RBPoint = {58, 56};
  L.ClRect = {2, 22, 98, 58};
  L.CaptionRect = {4, 1, 58, 21};
  L.CheckButtonRect = ListCheckButton;
  L.DownButtonRect = ListDownButton;
  L.UpButtonRect = ListUpButton;
}

void NameListBars(TspDataSkinListBox& L) {
  L.VScrollBarName = "vscrollbar";
  L.HScrollBarName = "hscrollbar";
  L.BothHScrollBarName = "bothhscrollbar";
}

void SetScrollBarLayout(TspDataSkinScrollBarControl& S, bool Vertical) {
  constexpr int32_t size = ScrollBarSize, length = ScrollBarLength;
  // The down button at the near end, the up button (which raises the position) at the
  // far one; the far one moves with the bar's far end.
  S.DownButtonRect = {0, 0, size, size};
  if (Vertical) {
    S.LTPoint = {0, size};
    S.LBPoint = {0, length - size - 1};
    S.TrackArea = {0, size, size, length - size};
    S.UpButtonRect = {0, length - size, size, length};
  } else {
    S.LTPoint = {size, 0};
    S.RTPoint = {length - size - 1, 0};
    S.TrackArea = {size, 0, length - size, size};
    S.UpButtonRect = {length - size, 0, length, size};
  }
  S.ThumbOffset1 = S.ThumbOffset2 = ThumbThickness / 2;
  S.ThumbMinPageSize = ThumbLength;
}

void SetUpDownLayout(TspDataSkinUpDownControl& U, bool Vertical) {
  U.UpButtonRect = Vertical ? TRect{0, 0, 17, 15} : TRect{17, 0, 34, 20};
  U.DownButtonRect = Vertical ? TRect{0, 15, 17, 30} : TRect{0, 0, 17, 20};
}

void SetGaugeLayout(TspDataSkinGaugeControl& G, bool Vertical, int32_t Length, int32_t Thickness) {
  G.Vertical = Vertical;
  if (Vertical) {
    G.LTPoint = {0, 4};
    G.LBPoint = {0, Length - 4};
    G.ProgressArea = {1, 1, Thickness - 1, Length - 1};
  } else {
    G.LTPoint = {4, 0};
    G.RTPoint = {Length - 4, 0};
    G.ProgressArea = {1, 1, Length - 1, Thickness - 1};
  }
}

void SetTrackBarLayout(TspDataSkinTrackBarControl& T, bool Vertical) {
  T.Vertical = Vertical;
  if (Vertical) {
    T.LTPoint = {0, 6};
    T.LBPoint = {0, 54};
    T.TrackArea = {0, 5, 20, 55};
  } else {
    T.LTPoint = {6, 0};
    T.RTPoint = {54, 0};
    T.TrackArea = {5, 0, 55, 20};
  }
}

void SetSplitterLayout(TspDataSkinSplitterControl& S, bool Vertical) {
  if (Vertical) {
    S.LTPoint = {0, 4};
    S.LBPoint = {0, 36};
  } else {
    S.LTPoint = {4, 0};
    S.RTPoint = {36, 0};
  }
}
