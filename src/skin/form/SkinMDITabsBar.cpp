// The MDI tabs bar: its tabs laid out and drawn off-screen on each paint, followed by the
// mouse (hot tab, clicks, drags, close buttons, the children's system menus) and its two
// menu buttons with the lists of children.
#include "SkinMDITabsBar.h"

#include "DynamicSkinForm.h"

#include "skin/form/portable/MDITabLooks.h"

#include "skin/boxes/TabBitmaps.h"
#include "skin/menus/SkinMenuSpeedButton.h"
#include "skin/menus/SkinPopupMenu.h"

#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinCustomControlCore.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Bitmap.h"
#include "classlib/Menus.h"

#include "base/FreeWatch.h"

#include <algorithm>
#include <utility>

namespace {

TspPartState TabPartState(bool Active, bool MouseIn) {
  if (Active) return TspPartState::Down;
  return MouseIn ? TspPartState::Hot : TspPartState::Normal;
}

}  // namespace

TspSkinMDITabsBar::TspSkinMDITabsBar(TComponent* AOwner)
    : TspSkinControl(AOwner), FWindowListMenu(new TspSkinPopupMenu(this)), FHiddenTabsMenu(new TspSkinPopupMenu(this)) {
  SetSkinDataName("tab");
  SetDefaultSkinFont(FDefaultFont);
  SetBounds(Left(), Top(), 150, 21);
  FWindowListMenu->OnPopup = Event(this, &TspSkinMDITabsBar::FillWindowList);
  FHiddenTabsMenu->OnPopup = Event(this, &TspSkinMDITabsBar::FillHiddenTabs);
}

TspSkinMDITabsBar::~TspSkinMDITabsBar() = default;

// Properties

void TspSkinMDITabsBar::SetShowCloseButtons(bool Value) {
  if (Value == FShowCloseButtons) return;
  FShowCloseButtons = Value;
  Invalidate();
}

void TspSkinMDITabsBar::SetTabKind(TspSkinMDITabKind Value) {
  if (Value == FTabKind) return;
  FTabKind = Value;
  Invalidate();
}

void TspSkinMDITabsBar::SetDynamicSkinForm(TspDynamicSkinForm* Value) { SetReference(FDynamicSkinForm, Value); }

void TspSkinMDITabsBar::SetUseSkinSize(bool Value) {
  if (Value == FUseSkinSize) return;
  FUseSkinSize = Value;
  ApplySkinHeight();
  Invalidate();
}

void TspSkinMDITabsBar::SetUseSkinFont(bool Value) {
  if (Value == FUseSkinFont) return;
  FUseSkinFont = Value;
  Invalidate();
}

void TspSkinMDITabsBar::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  ApplySkinHeight();
}

void TspSkinMDITabsBar::SetDefaultFont(TFont* Value) {
  FDefaultFont.Assign(Value);
  Invalidate();
}

void TspSkinMDITabsBar::SetDefaultTabWidth(int Value) {
  FDefaultTabWidth = std::max(Value, 1);
  Invalidate();
}

void TspSkinMDITabsBar::SetMinTabWidth(int Value) {
  FMinTabWidth = std::max(Value, 0);
  Invalidate();
}

// The tabs

TspMDITab* TspSkinMDITabsBar::TabOf(const TCustomForm* Child) const {
  for (const auto& tab : FTabs)
    if (tab->Child == Child) return tab.get();
  return nullptr;
}

void TspSkinMDITabsBar::AddTab(TCustomForm* Child) {
  if (Child == nullptr || TabOf(Child) != nullptr) return;
  FTabs.push_back(std::make_unique<TspMDITab>(this, Child));
  // A child freed without the frame's word takes its tab along.
  Child->FreeNotification(this);
  if (FWindowListButton == nullptr && !ComponentState().Contains(csDestroying))
    FWindowListButton = NewMenuButton(alLeft, FWindowListMenu);
  UpdateTabs();
}

void TspSkinMDITabsBar::DeleteTab(TCustomForm* Child) {
  const auto found = std::find_if(FTabs.begin(), FTabs.end(), [&](const auto& tab) { return tab->Child == Child; });
  if (found == FTabs.end()) return;
  const int index = static_cast<int>(found - FTabs.begin());
  if (index == FHotTab) {
    FHotTab = -1;
    const TFreeWatch self(this);
    if (OnTabMouseLeave) OnTabMouseLeave(found->get());
    // Once more from the start, with the tab no longer hot: the handler may have
    // changed the tabs.
    if (!self.Gone()) DeleteTab(Child);
    return;
  }
  if (FHotTab > index) --FHotTab;
  // A drag in progress ends: the places it moves between change.
  FMoving = FPressed = false;
  FMoveIndex = -1;
  Child->RemoveFreeNotification(this);
  FTabs.erase(found);
  if (FTabs.empty() && FWindowListButton != nullptr) {
    FWindowListButton->Free();
    FWindowListButton = nullptr;
  }
  Invalidate();
}

void TspSkinMDITabsBar::UpdateTabs() {
  auto* main = dynamic_cast<TCustomForm*>(Application->MainForm());
  TCustomForm* active = main != nullptr ? main->ActiveMDIChild() : nullptr;
  for (const auto& tab : FTabs) tab->Active = tab->Child == active;
  Invalidate();
}

void TspSkinMDITabsBar::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDynamicSkinForm) FDynamicSkinForm = nullptr;
  if (AComponent == FWindowListButton) FWindowListButton = nullptr;
  if (AComponent == FHiddenTabsButton) FHiddenTabsButton = nullptr;
  // The filled menu's items name their children by place: a freed one leaves a gap.
  for (TCustomForm*& child : FMenuChildren)
    if (child == AComponent) child = nullptr;
  // Last: a handler the tab's end runs may free the bar.
  if (auto* child = dynamic_cast<TCustomForm*>(AComponent); child != nullptr && TabOf(child) != nullptr)
    DeleteTab(child);
}

// The skin

void TspSkinMDITabsBar::GetSkinData() {
  TspSkinControl::GetSkinData();
  const auto* entry = dynamic_cast<const TspDataSkinTabControl*>(SkinEntry());
  if (entry == nullptr) {
    FIndex = -1;
    FSkin.reset();
    FPicture = {};
  } else {
    FSkin = MDITabsSkinOf(*entry);
    FPicture = SkinActiveBitmap(SkinData(), entry->PictureIndex);
  }
  FCloseSize = MDITabCloseSize(FSkin ? &*FSkin : nullptr);
}

void TspSkinMDITabsBar::ChangeSkinData() {
  GetSkinData();
  for (TspSkinMenuSpeedButton* button : {FWindowListButton, FHiddenTabsButton})
    if (button != nullptr) button->SetSkinData(SkinData());
  ApplySkinHeight();
  TspSkinControl::ChangeSkinData();
}

void TspSkinMDITabsBar::ApplySkinHeight() {
  if (FUseSkinSize && Skinned() && !IsRectEmpty(FSkin->TabRect))
    SetHeight(FSkin->TabRect.Height());
  else if (FDefaultHeight > 0)
    SetHeight(FDefaultHeight);
}

bool TspSkinMDITabsBar::TransparentBar() const { return Skinned() && SkinData()->MDITabsTransparent; }

void TspSkinMDITabsBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSELEAVE: {
      const TFreeWatch self(this);
      TspSkinControl::Dispatch(Message);  // OnMouseLeave
      if (!self.Gone()) TestActive(-1, -1);
      return;
    }
    case WM_MOVE:
    case WM_SIZE:
      TspSkinControl::Dispatch(Message);
      // What shows through a transparent bar moved with it.
      if (TransparentBar()) Invalidate();
      return;
    default: TspSkinControl::Dispatch(Message);
  }
}

// Layout and painting

std::vector<TspMDITabPlace> TspSkinMDITabsBar::Places() const {
  std::vector<TspMDITabPlace> places;
  for (const auto& tab : FTabs) places.push_back({tab->TabRect, tab->Visible});
  return places;
}

void TspSkinMDITabsBar::ArrangeTabs() {
  const TspMDITabsLayout layout =
      LayOutMDITabs(Width(), Height(), TabCount(), FDefaultTabWidth, FMinTabWidth);
  FHiddenCount = layout.HiddenCount;
  FRightLimit = layout.RightLimit;
  for (size_t i = 0; i < layout.Tabs.size(); ++i) {
    FTabs[i]->TabRect = layout.Tabs[i].TabRect;
    FTabs[i]->Visible = layout.Tabs[i].Visible;
  }
  if (FMoving && FMoveIndex >= 0 && FMoveIndex < TabCount()) {
    TspMDITab& moved = *FTabs[static_cast<size_t>(FMoveIndex)];
    moved.TabRect = MovedMDITabRect(moved.TabRect, FOffset, FRightLimit);
  }
}

void TspSkinMDITabsBar::CreateControlDefaultImage(TBitmap* B) { PaintBar(B); }

void TspSkinMDITabsBar::CreateControlSkinImage(TBitmap* B) { PaintBar(B); }

void TspSkinMDITabsBar::PaintBar(TBitmap* B) {
  TCanvas& canvas = *B->Canvas();
  PaintBackground(canvas);
  ArrangeTabs();
  for (int i = 0; i < TabCount(); ++i)
    if (i != FMoveIndex || !FMoving) DrawTab(canvas, *FTabs[static_cast<size_t>(i)]);
  if (FMoving && FMoveIndex >= 0 && FMoveIndex < TabCount()) {
    DrawTab(canvas, *FTabs[static_cast<size_t>(FMoveIndex)]);
    DrawDropMarker(canvas);
  }
  UpdateHiddenTabsButton();
}

void TspSkinMDITabsBar::PaintBackground(TCanvas& Canvas) {
  const TRect all = Rect(0, 0, Width(), Height());
  if (TransparentBar()) {
    DrawParentBackground(this, &Canvas);
    return;
  }
  TBitmap* picture = FPicture.Get();
  if (!Skinned() || picture == nullptr || IsRectEmpty(FSkin->TabsBGRect)) {
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(all);
    return;
  }
  // The strip's picture repeated across the bar, the last copy cut.
  const TRect source = FSkin->TabsBGRect;
  for (int x = 0; x < Width(); x += source.Width()) {
    const int w = std::min(source.Width(), Width() - x);
    Canvas.CopyRect(Rect(x, 0, x + w, Height()), picture->Canvas(),
                    Rect(source.Left, source.Top, source.Left + w, source.Bottom));
  }
}

bool TspSkinMDITabsBar::DrawTabImage(TBitmap& B, const TspMDITab& Tab) {
  const int W = B.Width();
  const int H = B.Height();
  if (!Skinned()) return false;
  if (FTabKind == sptkButton) {
    const TspSkinPart part = ControlSkinPart(SkinData(), "resizebutton");
    return DrawSkinPart(*B.Canvas(), Rect(0, 0, W, H), part, TabPartState(Tab.Active, Tab.MouseIn));
  }
  TBitmap* picture = FPicture.Get();
  const TRect source = MDITabSourceRect(*FSkin, Tab.Active, Tab.MouseIn);
  if (picture == nullptr || IsRectEmpty(source)) return false;
  if (FUseSkinSize)
    CreateHSkinImage(FSkin->TabLeftOffset, FSkin->TabRightOffset, &B, picture, source, W, H, FSkin->TabStretchEffect);
  else
    B.Canvas()->CopyRect(Rect(0, 0, W, H), picture->Canvas(), source);
  if (B.Width() != W || B.Height() != H) B.SetSize(W, H);
  if (Align() == alBottom) FlipBitmapVertically(&B);
  return true;
}

void TspSkinMDITabsBar::DrawTab(TCanvas& Canvas, TspMDITab& Tab) {
  const int W = Tab.TabRect.Width();
  const int H = Tab.TabRect.Height();
  if (!Tab.Visible || W < 1 || H < 1) return;
  TBitmap B(W, H);
  if (!DrawTabImage(B, Tab)) {
    B.SetSize(W, H);
    B.Canvas()->Brush()->SetColor(Tab.Active ? DefaultCellDownFill : Tab.MouseIn ? DefaultHotFill : clBtnFace);
    B.Canvas()->FillRect(Rect(0, 0, W, H));
  }
  DrawTabCaption(*B.Canvas(), Tab, W, H);
  if (FShowCloseButtons) DrawCloseButton(*B.Canvas(), Tab, W, H);
  Canvas.Draw(Tab.TabRect.Left, Tab.TabRect.Top, &B);
}

void TspSkinMDITabsBar::DrawTabCaption(TCanvas& Canvas, const TspMDITab& Tab, int W, int H) {
  TspSkinFontData skinFont;
  const TspDataSkinButtonControl* button = nullptr;
  if (Skinned() && FTabKind == sptkButton)
    button = dynamic_cast<const TspDataSkinButtonControl*>(
        SkinControlEntry(SkinData(), SkinData()->GetControlIndex("resizebutton")));
  if (button != nullptr) {
    skinFont = SkinFontOf(*button);
    skinFont.Color = Tab.Active ? button->DownFontColor : Tab.MouseIn ? button->ActiveFontColor : button->FontColor;
  } else if (Skinned()) {
    skinFont = SkinFontOf(*FSkin);
    skinFont.Color = MDITabFontColor(*FSkin, Tab.Active, Tab.MouseIn);
  }
  AssignSkinTextFont(*Canvas.Font(), FDefaultFont, Skinned() && FUseSkinFont ? &skinFont : nullptr, SkinData());
  if (Skinned()) Canvas.Font()->SetColor(skinFont.Color);
  const std::string caption = Tab.Child->Caption();
  RECT text = ToRECT(MDITabTextRect(W, H, FShowCloseButtons, FCloseSize));
  Canvas.Brush()->SetStyle(bsClear);
  DrawTextA(Canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  Canvas.Brush()->SetStyle(bsSolid);
}

void TspSkinMDITabsBar::DrawCloseButton(TCanvas& Canvas, TspMDITab& Tab, int W, int H) {
  const TRect R = MDITabCloseRect(W, H, FCloseSize);
  Tab.CloseRect = OffsetRect(R, Tab.TabRect.Left, Tab.TabRect.Top);
  TBitmap* picture = FPicture.Get();
  if (Skinned() && picture != nullptr && !IsRectEmpty(FSkin->CloseButtonRect)) {
    const TRect source = Tab.CloseMouseIn && Tab.CloseDown ? FSkin->CloseButtonDownRect
                         : Tab.CloseMouseIn                ? FSkin->CloseButtonActiveRect
                                                           : FSkin->CloseButtonRect;
    TBitmap button(source.Width(), source.Height());
    button.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), picture->Canvas(), source);
    button.SetTransparent(FSkin->ButtonTransparent);
    button.SetTransparentColor(FSkin->ButtonTransparentColor);
    Canvas.Draw(R.Left, R.Top, &button);
    return;
  }
  if (Tab.CloseMouseIn)
    DrawDefaultPart(Canvas, R, Tab.CloseDown ? TspPartState::Down : TspPartState::Hot);
  DrawCloseImage(&Canvas, R.Left + R.Width() / 2 - 5, R.Top + R.Height() / 2 - 5, clBtnText);
}

void TspSkinMDITabsBar::DrawDropMarker(TCanvas& Canvas) {
  const int drop = MDITabDropIndex(Places(), FMoveIndex, FTabs[static_cast<size_t>(FMoveIndex)]->TabRect, FOffset);
  if (drop < 0) return;
  const TRect& target = FTabs[static_cast<size_t>(drop)]->TabRect;
  const int x = FOffset > 0 ? target.Right : target.Left;
  const int h = Height();
  const int middle = h / 2;
  Canvas.Pen()->SetMode(pmNot);
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.MoveTo(x, 0);
  Canvas.LineTo(x, h);
  Canvas.MoveTo(x + 1, 0);
  Canvas.LineTo(x + 1, h);
  const std::vector<TPoint> right = {{x + 2, middle}, {x + 5, middle - 3}, {x + 5, middle + 3}, {x + 2, middle}};
  Canvas.Polyline(right);
  const std::vector<TPoint> left = {{x - 2, middle}, {x - 5, middle - 3}, {x - 5, middle + 3}, {x - 2, middle}};
  Canvas.Polyline(left);
  Canvas.Pen()->SetMode(pmCopy);
  Canvas.Brush()->SetStyle(bsSolid);
}

// The menu buttons

TspSkinMenuSpeedButton* TspSkinMDITabsBar::NewMenuButton(TAlign Align, TspSkinPopupMenu* Menu) {
  auto* button = new TspSkinMenuSpeedButton(this);
  button->SetSkinDataName("resizetoolbutton");
  button->SetSkinData(SkinData());
  button->SetWidth(MDITabsButtonWidth);
  button->SetAlign(Align);
  button->SetSkinPopupMenu(Menu);
  button->SetParent(this);
  return button;
}

void TspSkinMDITabsBar::UpdateHiddenTabsButton() {
  if (FHiddenCount > 0 && FHiddenTabsButton == nullptr)
    FHiddenTabsButton = NewMenuButton(alRight, FHiddenTabsMenu);
  else if (FHiddenCount == 0 && FHiddenTabsButton != nullptr) {
    FHiddenTabsButton->Free();
    FHiddenTabsButton = nullptr;
  }
}

void TspSkinMDITabsBar::FillWindowList(TObject*) { FillMenu(FWindowListMenu, "_DSFCHILDITEMBAR", false); }

void TspSkinMDITabsBar::FillHiddenTabs(TObject*) { FillMenu(FHiddenTabsMenu, "_DSFCHILDITEMBARHIDE", true); }

void TspSkinMDITabsBar::FillMenu(TspSkinPopupMenu* Menu, const std::string& Prefix, bool HiddenOnly) {
  Menu->Items()->Clear();
  FMenuChildren.clear();
  for (const auto& tab : FTabs) {
    if (HiddenOnly && tab->Visible) continue;
    auto* item = new TMenuItem(Menu);
    // Children of one form class may share a name: the item stands for its child by its
    // place in the list, and carries the name only where it is one of its own.
    const std::string name = Prefix + tab->Child->Name();
    if (!tab->Child->Name().empty() && Menu->FindComponent(name) == nullptr) item->SetName(name);
    item->SetCaption(tab->Child->Caption());
    item->SetRadioItem(!HiddenOnly);
    item->SetGroupIndex(0);
    item->SetChecked(!HiddenOnly && tab->Active);
    item->SetTag(static_cast<int>(FMenuChildren.size()));
    item->OnClick = Event(this, &TspSkinMDITabsBar::MenuItemClick);
    Menu->Items()->Add(item);
    FMenuChildren.push_back(tab->Child);
  }
}

void TspSkinMDITabsBar::MenuItemClick(TObject* Sender) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (item == nullptr || item->Tag() < 0 || item->Tag() >= static_cast<int>(FMenuChildren.size())) return;
  TCustomForm* child = FMenuChildren[static_cast<size_t>(item->Tag())];
  if (child != nullptr && TabOf(child) != nullptr) ShowChild(child);
}

// The mouse

int TspSkinMDITabsBar::TabIndexAt(int X, int Y) const { return MDITabAt(Places(), {X, Y}); }

void TspSkinMDITabsBar::TestActive(int X, int Y) {
  const TFreeWatch self(this);
  const int hot = TabIndexAt(X, Y);
  if (hot != FHotTab) {
    if (FHotTab >= 0 && FHotTab < TabCount()) {
      TspMDITab* old = Tabs(FHotTab);
      old->MouseIn = old->CloseMouseIn = false;
      if (OnTabMouseLeave) OnTabMouseLeave(old);
      if (self.Gone()) return;
    }
    FHotTab = hot;
    if (hot >= 0) {
      Tabs(hot)->MouseIn = true;
      if (OnTabMouseEnter) OnTabMouseEnter(Tabs(hot));
      if (self.Gone()) return;
    }
    Invalidate();
  }
  if (FShowCloseButtons && FHotTab >= 0 && FHotTab < TabCount()) {
    TspMDITab* tab = Tabs(FHotTab);
    const bool in = PtInRect(tab->CloseRect, {X, Y});
    if (in != tab->CloseMouseIn) {
      tab->CloseMouseIn = in;
      Invalidate();
    }
  }
}

void TspSkinMDITabsBar::ShowChild(TCustomForm* Child) {
  TspDynamicSkinForm* frame = GetDynamicSkinForm(Child);
  if (frame != nullptr && frame->WindowState() == TspWindowState::Minimized)
    frame->SetWindowState(TspWindowState::Normal);
  Child->Show();
}

void TspSkinMDITabsBar::PopupChildMenu(TCustomForm* Child, int X, int Y) {
  TspDynamicSkinForm* frame = GetDynamicSkinForm(Child);
  if (frame == nullptr || FDynamicSkinForm == nullptr) return;
  const TPoint p = ClientToScreen({X, Y});
  FDynamicSkinForm->PopupMenuItems(nullptr, frame->GetSystemMenuItems(), Rect(p.X, p.Y, p.X, p.Y), false);
}

void TspSkinMDITabsBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch self(this);
  TspSkinControl::MouseDown(Button, Shift, X, Y);
  if (self.Gone()) return;
  const int index = TabIndexAt(X, Y);
  if (index < 0) return;
  TspMDITab* tab = Tabs(index);
  if (Button == mbRight) {
    if (FSupportChildMenus) PopupChildMenu(tab->Child, X, Y);
    return;
  }
  if (Button != mbLeft) return;
  FPressed = true;
  if (FShowCloseButtons && PtInRect(tab->CloseRect, {X, Y})) {
    tab->CloseMouseIn = tab->CloseDown = true;
    Invalidate();
    return;
  }
  ShowChild(tab->Child);
  if (self.Gone()) return;
  if (FMoveTabs) {
    FMoveIndex = index;
    FStartX = X;
    FOffset = 0;
  }
  if (OnTabMouseDown) OnTabMouseDown(Button, Shift, tab);
}

void TspSkinMDITabsBar::MouseMove(TShiftState Shift, int X, int Y) {
  const TFreeWatch self(this);
  TspSkinControl::MouseMove(Shift, X, Y);
  if (self.Gone()) return;
  if (FPressed && FMoveIndex >= 0) {
    if (X != FStartX) FMoving = true;
    if (FMoving) {
      FOffset = X - FStartX;
      Invalidate();
    }
    return;
  }
  TestActive(X, Y);
}

void TspSkinMDITabsBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch self(this);
  TspSkinControl::MouseUp(Button, Shift, X, Y);
  if (self.Gone()) return;
  // Every release ends every press of a close button, wherever it is let go; only the
  // left button let go on the close button it pressed closes that tab's child.
  const int index = TabIndexAt(X, Y);
  TspMDITab* tab = index >= 0 ? Tabs(index) : nullptr;
  const bool closes = Button == mbLeft && FShowCloseButtons && tab != nullptr && tab->CloseDown &&
                      PtInRect(tab->CloseRect, {X, Y});
  bool ended = false;
  for (const auto& each : FTabs) ended = std::exchange(each->CloseDown, false) || ended;
  if (ended) Invalidate();
  if (Button != mbLeft) return;
  FPressed = false;
  if (FMoving) {
    ArrangeTabs();
    const int drop = MDITabDropIndex(Places(), FMoveIndex, Tabs(FMoveIndex)->TabRect, FOffset);
    if (drop >= 0) {
      auto moved = std::move(FTabs[static_cast<size_t>(FMoveIndex)]);
      FTabs.erase(FTabs.begin() + FMoveIndex);
      FTabs.insert(FTabs.begin() + drop, std::move(moved));
    }
    FMoving = false;
    FMoveIndex = -1;
    Invalidate();
    return;
  }
  FMoveIndex = -1;
  if (tab == nullptr) return;
  const TCustomForm* child = tab->Child;
  if (OnTabMouseUp) OnTabMouseUp(Button, Shift, tab);
  // The handler may have freed the bar, or the child with its tab.
  if (self.Gone() || !FShowCloseButtons || TabOf(child) != tab) return;
  if (closes) {
    tab->Child->Close();
    return;
  }
  tab->CloseMouseIn = PtInRect(tab->CloseRect, {X, Y});
  Invalidate();
}
