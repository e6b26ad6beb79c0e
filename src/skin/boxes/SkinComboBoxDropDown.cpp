// TspSkinCustomComboBox's drop-down list: opening it under or above the box, closing it
// with or without its item, the hooks on its inner list, the mouse held from the button
// over it, the timer that scrolls while the mouse is held beyond its ends, and the
// clicks elsewhere that close it.
#include "SkinComboBox.h"

#include "ComboEdit.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/SystemSeams.h"

#include "base/DispatchScope.h"

namespace {

enum TScrollMode { ScrollNone, ScrollUp, ScrollDown };

}  // namespace

void TspSkinCustomComboBox::WireList() {
  TspListBox* list = FListBox->ListBox();
  list->OnMouseMove = Event(this, &TspSkinCustomComboBox::ListMouseMove);
  FListProcHook.Install(list, Event(this, &TspSkinCustomComboBox::ListWndProc));
  FListBox->OnCheckButtonClick = Event(this, &TspSkinCustomComboBox::ListCheckClick);
}

void TspSkinCustomComboBox::ListWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
      FListProcHook.CallNext(Message);
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_LBUTTONDOWN:
      // The box keeps the focus and takes the mouse; letting go over an item takes it.
      FListTracking = true;
      FMovedOverList = true;
      SetMouseCapture(true);
      return;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return;
    default: FListProcHook.CallNext(Message);
  }
}

void TspSkinCustomComboBox::ListMouseMove(TObject*, TShiftState, int X, int Y) {
  // The selection follows the pointer.
  const int index = FListBox->ListBox()->ItemAtPos({X, Y}, true);
  if (index >= 0 && index < FListBox->Items()->Count() && index != FListBox->ItemIndex())
    FListBox->SetItemIndex(index);
}

void TspSkinCustomComboBox::ListCheckClick(TObject*) { CloseUp(true); }

void TspSkinCustomComboBox::DropDown() {
  const int count = FListBox->Items()->Count();
  if (count == 0) return;
  const TDispatchScope running(this);
  FMovedOverList = false;
  StopScrollTimer();
  if (OnDropDown) OnDropDown(this);
  FListBox->OnDrawItem = OnListBoxDrawItem;
  FListBox->SetWidth(FListBoxWidth != 0 ? FListBoxWidth : Width());
  FListBox->SetHeight(FListBox->HeightForRows(DropDownRows(count, FDropDownCount)));
  TRect work = Seams::WorkArea();
  GetMonitorArea(Handle(), true, work);
  const TPoint at = DropDownOrigin(ClientToScreen({0, Height()}), Height(), FListBox->Height(), work.Bottom);
  if (FEdit != nullptr && FEdit->CanFocus()) FEdit->SetFocus();
  // A box that OnDropDown, OnEnter or an OnExit freed opens no list.
  if (FreePending()) return;
  FCommittedIndex = FDropIndex = FListBox->ItemIndex();
  if (FDropIndex == 0 && count > 1) {
    // Selecting another item and back draws the first one selected.
    FListBox->SetItemIndex(1);
    FListBox->SetItemIndex(0);
  }
  FDroppedDown = true;
  if (FToolButtonStyle) Repaint();
  FListBox->ListBox()->SetTopIndex(std::max(FListBox->ItemIndex(), 0));
  FListBox->Show(at);
}

void TspSkinCustomComboBox::CloseUp(bool AcceptSelection) {
  if (FListBox == nullptr || !FListBox->Visible()) return;
  const TDispatchScope running(this);  // the item's events (OnChange, OnClick) may free the box
  FListBox->Hide();
  StopScrollTimer();
  const int index = FListBox->ItemIndex();
  if (AcceptSelection && index >= 0 && index < FListBox->Items()->Count()) {
    const std::string item = FListBox->Items()->Get(index);
    if (FEdit != nullptr) {
      FEdit->SetText(item);
      SendMessageA(FEdit->Handle(), EM_SETSEL, 0, -1);
    } else {
      SetText(item);
    }
    Click();
    Change();
  } else {
    FListBox->SetItemIndex(FCommittedIndex);
  }
  FDroppedDown = false;
  Repaint();
  if (AcceptSelection && OnCloseUp) OnCloseUp(this);
}

void TspSkinCustomComboBox::CancelModeFrom(TControl* Sender) {
  const bool inside = Sender == this || Sender == FListBox || Sender == FListBox->ListBox() ||
                      (Sender != nullptr && (Sender == FListBox->VScrollBar() || Sender == FListBox->HScrollBar()));
  if (!inside) CloseUp(false);
}

// The mouse on the box

void TspSkinCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (!Focused() && FEdit == nullptr && CanFocus()) SetFocus();
  if (Button != mbLeft) return;
  const TPoint p{X, Y};
  const bool onItem = FEdit == nullptr && PtInRect(FItemRect, p);
  if (!PtInRect(FButtonRect, p) && !onItem && !FToolButtonStyle) {
    CloseUp(false);
    return;
  }
  FButtonPressed = true;
  Repaint();
  if (FDroppedDown) {
    CloseUp(false);
    return;
  }
  FMovedOverList = false;
  FListTracking = true;
  DropDown();
}

void TspSkinCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseMove(Shift, X, Y);
  if (FListTracking) {
    if (FDroppedDown) TrackListDrag({X, Y});
    return;
  }
  const bool hot = PtInRect(FButtonRect, {X, Y});
  if (hot == FButtonHot) return;
  FButtonHot = hot;
  Repaint();
}

void TspSkinCustomComboBox::TrackListDrag(TPoint P) {
  TspListBox* list = FListBox->ListBox();
  const TPoint at = list->ScreenToClient(ClientToScreen(P));
  switch (ListDragAt(at.Y, list->Height(), FListBox->VScrollBar() != nullptr, FMovedOverList)) {
    case TspListDrag::Up: StartScrollTimer(ScrollUp); break;
    case TspListDrag::Down: StartScrollTimer(ScrollDown); break;
    case TspListDrag::Inside:
      StopScrollTimer();
      list->Perform(WM_MOUSEMOVE, 0, PointToLParam({1, at.Y}));
      FMovedOverList = true;
      break;
    case TspListDrag::Stay: break;
  }
}

void TspSkinCustomComboBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FListTracking && FMovedOverList) {
    SetMouseCapture(false);
    FListTracking = false;
    StopScrollTimer();
    const TPoint cursor = Seams::CursorPos();
    CloseUp(WindowFromPoint({cursor.X, cursor.Y}) == FListBox->ListBox()->Handle());
  } else {
    FListTracking = false;
  }
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (!FButtonPressed) return;
  FButtonPressed = false;
  Repaint();
}

// The scroll timer

void TspSkinCustomComboBox::StartScrollTimer(int Mode) {
  // Every move beyond the list begins the interval again.
  FScrollTimer.Stop();
  FScrollMode = Mode;
  FScrollTimer.Start(ScrollInterval);
}

void TspSkinCustomComboBox::StopScrollTimer() {
  FScrollTimer.Stop();
  FScrollMode = ScrollNone;
}

void TspSkinCustomComboBox::ScrollTimerTick() {
  const int index = FListBox->ItemIndex();
  if (FScrollMode == ScrollUp && index > 0) FListBox->SetItemIndex(index - 1);
  if (FScrollMode == ScrollDown && index < FListBox->Items()->Count() - 1) FListBox->SetItemIndex(index + 1);
}
