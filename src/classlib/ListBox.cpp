#include "ListBox.h"

#include "base/Exceptions.h"
#include "base/UpdateScope.h"

#include <algorithm>

// The list box's items: in the window while there is one, else in the saved list.
class TListBoxStrings : public TStrings {
public:
  explicit TListBoxStrings(TListBox& ListBox) : FListBox(ListBox) {}

  int Count() const override;
  std::string Get(int Index) const override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* Object) override;
  void Put(int Index, const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  int Add(const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;

protected:
  void SetUpdateState(bool Updating) override;

private:
  bool InWindow() const { return FListBox.HandleAllocated(); }
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) const { return FListBox.Send(Msg, WParam, LParam); }
  void CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) Error("List index out of bounds", Index);
  }
  static int Checked(LRESULT Result) {
    if (Result == LB_ERRSPACE) throw EOutOfResources("Out of system resources");
    return static_cast<int>(Result);
  }

  TListBox& FListBox;
};

int TListBoxStrings::Count() const {
  return InWindow() ? static_cast<int>(Send(LB_GETCOUNT)) : FListBox.FSavedItems.Count();
}

std::string TListBoxStrings::Get(int Index) const {
  CheckIndex(Index);
  if (!InWindow()) return FListBox.FSavedItems.Get(Index);
  const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(Index));
  std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
  const LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

TObject* TListBoxStrings::GetObject(int Index) const {
  CheckIndex(Index);
  if (!InWindow()) return FListBox.FSavedItems.GetObject(Index);
  return reinterpret_cast<TObject*>(Send(LB_GETITEMDATA, static_cast<WPARAM>(Index)));
}

void TListBoxStrings::PutObject(int Index, TObject* Object) {
  CheckIndex(Index);
  if (!InWindow()) return FListBox.FSavedItems.PutObject(Index, Object);
  Send(LB_SETITEMDATA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Object));
}

void TListBoxStrings::Put(int Index, const std::string& S) {
  if (!InWindow()) return FListBox.FSavedItems.Put(Index, S);
  const int selected = FListBox.ItemIndex();
  TObject* object = GetObject(Index);
  WithUpdate(*this, [&] {
    Delete(Index);
    InsertObject(Index, S, object);
  });
  FListBox.SetItemIndex(selected);
}

void TListBoxStrings::Insert(int Index, const std::string& S) {
  if (Index < 0 || Index > Count()) Error("List index out of bounds", Index);
  if (!InWindow()) {
    FListBox.FSavedItems.Insert(Index, S);
    FListBox.SavedItemInserted(Index);
    return;
  }
  Checked(Send(LB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.c_str())));
}

int TListBoxStrings::Add(const std::string& S) {
  if (!InWindow()) {
    const int index = FListBox.FSavedItems.Add(S);
    FListBox.SavedItemInserted(index);
    return index;
  }
  return Checked(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str())));
}

void TListBoxStrings::Delete(int Index) {
  CheckIndex(Index);
  if (!InWindow()) {
    FListBox.FSavedItems.Delete(Index);
    FListBox.SavedItemDeleted(Index);
    return;
  }
  Send(LB_DELETESTRING, static_cast<WPARAM>(Index));
}

void TListBoxStrings::Clear() {
  if (!InWindow()) {
    FListBox.FSavedItems.Clear();
    FListBox.SavedItemsCleared();
    return;
  }
  Send(LB_RESETCONTENT);
}

void TListBoxStrings::SetUpdateState(bool Updating) {
  if (!InWindow()) return;
  Send(WM_SETREDRAW, !Updating);
  if (!Updating) FListBox.Invalidate();
}

// TListBox

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TListBoxStrings>(*this)), FCanvas(*this) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  FSavedItems.SetDuplicates(dupAccept);
}

TListBox::~TListBox() = default;

LRESULT TListBox::Send(UINT Msg, WPARAM WParam, LPARAM LParam) { return SendMessageA(Handle(), Msg, WParam, LParam); }

TStrings* TListBox::Items() { return FItems.get(); }

void TListBox::SetItems(TStrings* Value) { FItems->Assign(Value); }

int TListBox::Count() { return FItems->Count(); }

void TListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "LISTBOX");
  Params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  if (FStyle == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED;
  if (FSorted) Params.Style |= LBS_SORT;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) Params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
  if (FBorderStyle == bsSingle) AddBorder(Params);
}

void TListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (FStyle == lbOwnerDrawFixed) Send(LB_SETITEMHEIGHT, 0, FItemHeight);
  UpdateColumnWidth();
  for (int i = 0; i < FSavedItems.Count(); ++i) {
    const std::string text = FSavedItems.Get(i);
    const auto item = reinterpret_cast<LPARAM>(text.c_str());
    const LRESULT index =
        FSorted ? Send(LB_ADDSTRING, 0, item) : Send(LB_INSERTSTRING, static_cast<WPARAM>(-1), item);
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(FSavedItems.GetObject(i)));
  }
  FSavedItems.Clear();
  for (int index : FSavedSelection) Send(LB_SETSEL, TRUE, index);
  FSavedSelection.clear();
  SetItemIndex(FSavedItemIndex);
  Send(LB_SETTOPINDEX, static_cast<WPARAM>(FSavedTopIndex));
}

void TListBox::DestroyWnd() {
  FSavedItemIndex = ItemIndex();
  FSavedTopIndex = TopIndex();
  FSavedSelection.clear();
  FSavedItems.SetSorted(false);  // the window's own order
  FSavedItems.Clear();
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    FSavedItems.AddObject(FItems->Get(i), FItems->GetObject(i));
    if (FMultiSelect && Send(LB_GETSEL, static_cast<WPARAM>(i)) > 0) FSavedSelection.push_back(i);
  }
  TWinControl::DestroyWnd();
}

int TListBox::ItemIndex() {
  if (!HandleAllocated()) return FSavedItemIndex;
  return static_cast<int>(Send(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL));
}

void TListBox::SetItemIndex(int Value) {
  if (!HandleAllocated()) {
    FSavedItemIndex = Value;
    return;
  }
  if (FMultiSelect)
    Send(LB_SETCARETINDEX, static_cast<WPARAM>(Value), FALSE);
  else
    Send(LB_SETCURSEL, static_cast<WPARAM>(Value));
}

void TListBox::SavedItemInserted(int Index) {
  if (!FMultiSelect && FSavedItemIndex >= Index) ++FSavedItemIndex;
  for (int& selected : FSavedSelection)
    if (selected >= Index) ++selected;
}

void TListBox::SavedItemDeleted(int Index) {
  if (!FMultiSelect && FSavedItemIndex == Index)
    FSavedItemIndex = -1;
  else if (!FMultiSelect && FSavedItemIndex > Index)
    --FSavedItemIndex;
  std::erase(FSavedSelection, Index);
  for (int& selected : FSavedSelection)
    if (selected > Index) --selected;
}

void TListBox::SavedItemsCleared() {
  FSavedItemIndex = -1;
  FSavedTopIndex = 0;
  FSavedSelection.clear();
}

void TListBox::CheckItem(int Index) {
  CheckListIndex(Index, Count());
}

bool TListBox::Selected(int Index) {
  CheckItem(Index);
  if (!FMultiSelect) return ItemIndex() == Index;
  if (!HandleAllocated())
    return std::find(FSavedSelection.begin(), FSavedSelection.end(), Index) != FSavedSelection.end();
  return Send(LB_GETSEL, static_cast<WPARAM>(Index)) > 0;
}

void TListBox::SetSelected(int Index, bool Value) {
  CheckItem(Index);
  if (!FMultiSelect) {
    if (Value)
      SetItemIndex(Index);
    else if (ItemIndex() == Index)
      SetItemIndex(-1);
    return;
  }
  if (HandleAllocated()) {
    Send(LB_SETSEL, Value, Index);
    return;
  }
  FSavedSelection.erase(std::remove(FSavedSelection.begin(), FSavedSelection.end(), Index), FSavedSelection.end());
  if (Value) FSavedSelection.push_back(Index);
}

int TListBox::TopIndex() { return HandleAllocated() ? static_cast<int>(Send(LB_GETTOPINDEX)) : FSavedTopIndex; }

void TListBox::SetTopIndex(int Value) {
  if (HandleAllocated())
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(Value));
  else
    FSavedTopIndex = Value;
}

int TListBox::ItemHeight() {
  if (FStyle == lbStandard && HandleAllocated()) return static_cast<int>(Send(LB_GETITEMHEIGHT));
  return FItemHeight;
}

void TListBox::SetItemHeight(int Value) {
  if (Value <= 0 || Value == FItemHeight) return;
  FItemHeight = Value;
  if (FStyle != lbOwnerDrawFixed || !HandleAllocated()) return;
  Send(LB_SETITEMHEIGHT, 0, Value);
  Invalidate();
}

TRect TListBox::ItemRect(int Index) {
  RECT r{};
  if (!HandleAllocated() || Send(LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return {};
  return FromRECT(r);
}

int TListBox::ItemAtPos(TPoint Pos, bool Existing) {
  if (HandleAllocated() && Count() > 0) {
    const auto index = static_cast<int>(LOWORD(Send(LB_ITEMFROMPOINT, 0, PointToLParam(Pos))));
    if (index < Count() && PtInRect(ItemRect(index), Pos)) return index;
  }
  return Existing ? -1 : Count();
}

void TListBox::SetStyle(TListBoxStyle Value) { SetRecreating(FStyle, Value); }
void TListBox::SetSorted(bool Value) {
  // Items kept without a window sort as the window would.
  if (!HandleAllocated()) FSavedItems.SetSorted(Value);
  SetRecreating(FSorted, Value);
}
void TListBox::SetMultiSelect(bool Value) { SetRecreating(FMultiSelect, Value); }
void TListBox::SetExtendedSelect(bool Value) { SetRecreating(FExtendedSelect, Value); }
void TListBox::SetBorderStyle(TBorderStyle Value) { SetRecreating(FBorderStyle, Value); }

void TListBox::SetColumns(int Value) {
  Value = std::max(Value, 0);
  if ((Value > 0) != (FColumns > 0)) {
    SetRecreating(FColumns, Value);
    return;
  }
  FColumns = Value;
  UpdateColumnWidth();
}

void TListBox::UpdateColumnWidth() {
  if (FColumns > 0 && HandleAllocated()) Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max((Width() + FColumns - 3) / FColumns, 1)));
}

void TListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (HIWORD(Message.WParam)) {
        case LBN_SELCHANGE: Click(); break;
        case LBN_DBLCLK: DblClick(); break;
        default: break;
      }
      return;
    case CN_DRAWITEM: HandleDrawItem(Message); return;
    case CN_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemHeight = static_cast<UINT>(FItemHeight);
      Message.Result = TRUE;
      return;
    case WM_SIZE:
      TWinControl::Dispatch(Message);
      UpdateColumnWidth();
      return;
    default: TWinControl::Dispatch(Message);
  }
}

void TListBox::HandleDrawItem(TMessage& Message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  // The states TOwnerDrawState has, in the same bit order.
  constexpr UINT kStateBits = ODS_SELECTED | ODS_GRAYED | ODS_DISABLED | ODS_CHECKED | ODS_FOCUS;
  const TOwnerDrawState state = TOwnerDrawState::FromBits(item->itemState & kStateBits);
  const TRect rect = FromRECT(item->rcItem);
  PaintOnCanvas(FCanvas, item->hDC, [&] {
    FCanvas.Font()->Assign(Font());
    FCanvas.Brush()->Assign(Brush());
    if (state.Contains(odSelected)) {
      FCanvas.Brush()->SetColor(clHighlight);
      FCanvas.Font()->SetColor(clHighlightText);
    }
    if (static_cast<int>(item->itemID) >= 0)
      DrawItem(static_cast<int>(item->itemID), rect, state);
    else
      FCanvas.FillRect(rect);
    if (state.Contains(odFocused)) FCanvas.DrawFocusRect(rect);
  });
  Message.Result = TRUE;
}

void TListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  FCanvas.FillRect(Rect);
  if (Index < Count()) FCanvas.TextOut(Rect.Left + 2, Rect.Top, FItems->Get(Index));
}
