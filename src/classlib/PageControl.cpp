#include "PageControl.h"

#include "Form.h"

#include "portable/ListMoves.h"
#include "portable/TabOrder.h"

#include "base/Exceptions.h"

#include <algorithm>

// TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetVisible(false);
  SetAlign(alClient);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetPageControl(TPageControl* Value) { SetParent(Value); }

int TTabSheet::PageIndex() const {
  const TPageControl* control = PageControl();
  if (control == nullptr) return -1;
  const auto& pages = control->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
  if (TPageControl* control = PageControl()) control->MovePage(this, Value);
}

void TTabSheet::SetTabVisible(bool Value) {
  if (Value == FTabVisible) return;
  FTabVisible = Value;
  if (TPageControl* control = PageControl()) control->TabVisibleChanged(this);
}

int TTabSheet::TabIndex() const {
  const TPageControl* control = PageControl();
  return control != nullptr ? control->TabIndexOf(this) : -1;
}

void TTabSheet::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  if (TPageControl* control = PageControl()) control->UpdateTab(this);
}

void TTabSheet::Dispatch(TMessage& Message) {
  TWinControl::Dispatch(Message);
  if (Message.Msg == CM_TEXTCHANGED)
    if (TPageControl* control = PageControl()) control->UpdateTab(this);
}

// TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TTabSheet* TPageControl::Pages(int Index) const {
  CheckListIndex(Index, PageCount());
  return FPages[Index];
}

void TPageControl::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_CONTROLLISTCHANGE) {
    auto* control = reinterpret_cast<TControl*>(Message.WParam);
    if (Message.LParam == FALSE) {
      RemovePage(control);
    } else if (auto* page = dynamic_cast<TTabSheet*>(control)) {
      InsertPage(page);
    }
  }
  TCustomTabControl::Dispatch(Message);
}

void TPageControl::CreateWnd() {
  TCustomTabControl::CreateWnd();
  RebuildTabs();
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  RebuildTabs();
  if (FActivePage == nullptr && Page->TabVisible()) ChangeActivePage(Page);
}

void TPageControl::RemovePage(TControl* Control) {
  // Compared by address only: a page freed with delete is no longer a sheet here.
  const auto found = std::find(FPages.begin(), FPages.end(), Control);
  if (found == FPages.end()) return;
  TTabSheet* page = *found;
  const bool wasActive = page == FActivePage;
  TTabSheet* next =
      wasActive ? NextInTabOrder(FPages, page, true, [&](TTabSheet* p) { return p != page && p->TabVisible(); })
                : nullptr;
  FPages.erase(found);
  if (wasActive) FActivePage = nullptr;  // nothing more is asked of the page that goes
  if (ComponentState().Contains(csDestroying)) return;
  RebuildTabs();
  if (next != nullptr) ChangeActivePage(next);
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
  if (MoveInList(FPages, Page, Index)) RebuildTabs();
}

void TPageControl::TabVisibleChanged(TTabSheet* Page) {
  RebuildTabs();
  if (Page == FActivePage && !Page->TabVisible())
    ChangeActivePage(NextInTabOrder(FPages, Page, true, [&](TTabSheet* p) { return p != Page && p->TabVisible(); }));
  else if (FActivePage == nullptr && Page->TabVisible())
    ChangeActivePage(Page);
}

void TPageControl::UpdateTab(TTabSheet* Page) {
  const int index = TabIndexOf(Page);
  if (HandleAllocated() && index >= 0) SetTabItem(index, Page->Caption(), GetImageIndex(index));
}

void TPageControl::RebuildTabs() {
  if (!HandleAllocated()) return;
  DeleteAllTabItems();
  int index = 0;
  for (TTabSheet* page : FPages)
    if (page->TabVisible()) {
      InsertTabItem(index, page->Caption(), GetImageIndex(index));
      ++index;
    }
  TCustomTabControl::SetTabIndex(TabIndexOf(FActivePage));
}

int TPageControl::TabIndexOf(const TTabSheet* Page) const {
  int index = 0;
  for (const TTabSheet* page : FPages) {
    if (!page->TabVisible()) continue;
    if (page == Page) return index;
    ++index;
  }
  return -1;
}

TTabSheet* TPageControl::PageOfTab(int TabIndex) const {
  for (TTabSheet* page : FPages)
    if (page->TabVisible() && TabIndex-- == 0) return page;
  return nullptr;
}

int TPageControl::TabImageIndex(int TabIndex) {
  const TTabSheet* page = PageOfTab(TabIndex);
  return page != nullptr ? page->ImageIndex() : -1;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) {
  return NextInTabOrder(FPages, CurPage, GoForward, [&](TTabSheet* p) { return !CheckTabVisible || p->TabVisible(); });
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value != nullptr && Value->PageControl() != this) return;
  ChangeActivePage(Value);
}

int TPageControl::ActivePageIndex() const { return FActivePage != nullptr ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value) {
  ChangeActivePage(Value >= 0 && Value < PageCount() ? FPages[Value] : nullptr);
}

void TPageControl::SetTabIndex(int Value) { ChangeActivePage(PageOfTab(Value)); }

void TPageControl::Change() {
  ChangeActivePage(PageOfTab(TabIndex()));
  TCustomTabControl::Change();
}

void TPageControl::ChangeActivePage(TTabSheet* Page) {
  if (Page != FActivePage) {
    // The focus must not stay on a page that hides: it goes to the tabs.
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && FActivePage != nullptr && FActivePage->ContainsControl(form->ActiveControl()) &&
        CanFocus())
      SetFocus();
    TTabSheet* old = FActivePage;
    FActivePage = Page;
    if (Page != nullptr) {
      Page->BringToFront();
      Page->SetVisible(true);
    }
    if (old != nullptr) old->SetVisible(false);
  }
  TCustomTabControl::SetTabIndex(TabIndexOf(Page));
}
