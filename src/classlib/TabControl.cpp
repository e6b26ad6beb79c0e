#include "TabControl.h"

#include "CommonControls.h"

#include "base/Exceptions.h"

#include <commctrl.h>

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(*this) {
  SetControlStyle({csAcceptsControls, csDoubleClicks});
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

LRESULT TCustomTabControl::Send(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return SendMessageA(Handle(), Msg, WParam, LParam);
}

void TCustomTabControl::CreateParams(TCreateParams& Params) {
  CommonControls();  // the tab control's class
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, WC_TABCONTROLA);
  // The pages repaint themselves; the control need not redraw wholly on every resize.
  Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
  Params.Style |= WS_CLIPCHILDREN;
  static constexpr DWORD kPositions[] = {0, TCS_BOTTOM, TCS_VERTICAL, TCS_VERTICAL | TCS_RIGHT};
  static constexpr DWORD kStyles[] = {TCS_TABS, TCS_BUTTONS, TCS_BUTTONS | TCS_FLATBUTTONS};
  Params.Style |= kPositions[FTabPosition] | kStyles[FStyle];
  if (FMultiLine || FTabPosition == tpLeft || FTabPosition == tpRight) Params.Style |= TCS_MULTILINE;
  if (FRaggedRight) Params.Style |= TCS_RAGGEDRIGHT;
  if (FScrollOpposite) Params.Style |= TCS_SCROLLOPPOSITE;
  if (FHotTrack) Params.Style |= TCS_HOTTRACK;
  if (FOwnerDraw) Params.Style |= TCS_OWNERDRAWFIXED;
  if (FTabWidth > 0) Params.Style |= TCS_FIXEDWIDTH;
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateImageList();
  UpdateItemSize();
}

void TCustomTabControl::SetMultiLine(bool Value) {
  if (Value == FMultiLine) return;
  FMultiLine = Value;
  if (!Value) FScrollOpposite = false;
  RecreateWnd();
}

void TCustomTabControl::SetScrollOpposite(bool Value) {
  if (Value == FScrollOpposite) return;
  FScrollOpposite = Value;
  if (Value) FMultiLine = true;
  RecreateWnd();
}

void TCustomTabControl::SetTabWidth(int Value) {
  if (Value < 0 || Value == FTabWidth) return;
  const bool fixedWidthChanged = (Value > 0) != (FTabWidth > 0);
  FTabWidth = Value;
  if (fixedWidthChanged) {
    RecreateWnd();
    return;
  }
  UpdateItemSize();
}

void TCustomTabControl::SetTabHeight(int Value) {
  if (Value < 0 || Value == FTabHeight) return;
  FTabHeight = Value;
  UpdateItemSize();
}

void TCustomTabControl::UpdateItemSize() {
  if (!HandleAllocated() || (FTabWidth == 0 && FTabHeight == 0)) return;
  Send(TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
  Realign();
}

void TCustomTabControl::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  SetReference(FImages, Value);
  UpdateImageList();
}

void TCustomTabControl::UpdateImageList() {
  if (!HandleAllocated()) return;
  Send(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages != nullptr ? FImages->Handle() : nullptr));
  Realign();
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    UpdateImageList();
  }
}

int TCustomTabControl::TabIndex() { return HandleAllocated() ? static_cast<int>(Send(TCM_GETCURSEL)) : -1; }

void TCustomTabControl::SetTabIndex(int Value) {
  if (HandleAllocated()) Send(TCM_SETCURSEL, static_cast<WPARAM>(Value));
}

TRect TCustomTabControl::DisplayRect() {
  RECT r = ToRECT(ClientRect());
  if (HandleAllocated()) Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return FromRECT(r);
}

void TCustomTabControl::AdjustClientRect(TRect& Rect) { Rect = DisplayRect(); }

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::DrawTab(int TabIndex, const TRect& Rect, bool Active) {
  if (OnDrawTab) {
    OnDrawTab(this, TabIndex, Rect, Active);
    return;
  }
  FCanvas.FillRect(Rect);
}

void TCustomTabControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: HandleNotify(Message); return;
    case CN_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      PaintOnCanvas(FCanvas, item->hDC, [&] {
        FCanvas.Font()->Assign(Font());
        FCanvas.Brush()->Assign(Brush());
        DrawTab(static_cast<int>(item->itemID), FromRECT(item->rcItem), (item->itemState & ODS_SELECTED) != 0);
      });
      Message.Result = TRUE;
      return;
    }
    default: TWinControl::Dispatch(Message);
  }
}

void TCustomTabControl::HandleNotify(TMessage& Message) {
  switch (reinterpret_cast<const NMHDR*>(Message.LParam)->code) {
    case TCN_SELCHANGING: Message.Result = CanChange() ? FALSE : TRUE; return;
    case TCN_SELCHANGE: Change(); return;
    default: return;
  }
}

int TCustomTabControl::TabItemCount() { return HandleAllocated() ? static_cast<int>(Send(TCM_GETITEMCOUNT)) : 0; }

int TCustomTabControl::GetImageIndex(int TabIndex) {
  int index = TabImageIndex(TabIndex);
  if (OnGetImageIndex) OnGetImageIndex(this, TabIndex, index);
  return index;
}

LRESULT TCustomTabControl::SendTabItem(UINT Msg, int Index, const std::string& Caption, int ImageIndex) {
  std::string text = Caption;
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = ImageIndex;
  const LRESULT result = Send(Msg, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&item));
  Realign();  // the tabs may take another number of rows
  return result;
}

void TCustomTabControl::InsertTabItem(int Index, const std::string& Caption, int ImageIndex) {
  if (SendTabItem(TCM_INSERTITEMA, Index, Caption, ImageIndex) < 0) throw EOutOfResources("Out of system resources");
}

void TCustomTabControl::SetTabItem(int Index, const std::string& Caption, int ImageIndex) {
  SendTabItem(TCM_SETITEMA, Index, Caption, ImageIndex);
}

void TCustomTabControl::DeleteAllTabItems() {
  Send(TCM_DELETEALLITEMS);
  Realign();
}
