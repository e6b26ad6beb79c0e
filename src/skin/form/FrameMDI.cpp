// The skinned frame on MDI forms: the main form's client window subclassed (no frame of
// its own, its background from the skin), its children maximized into it by their
// frames, and each child's window-menu item and tab on the main form, its caption after
// the main form's while maximized, its caption buttons and menu on the main form's bar.
#include "DynamicSkinForm.h"

#include "ActiveSkinObject.h"
#include "FrameMessages.h"
#include "SkinMDITabsBar.h"
#include "SkinMainMenuBar.h"

#include "skin/form/portable/MDIClientRules.h"

#include "skin/data/SkinData.h"

namespace {

const char* const WindowMenuItemSuffix = "_DSFCHILDITEM";

TCustomForm* MDIMainForm() {
  TCustomForm* main = Application->MainForm();
  return main != nullptr && main->FormStyle() == fsMDIForm ? main : nullptr;
}

// Whether Main has an MDI child other than Child.
bool OtherMDIChildLeft(TCustomForm* Main, TCustomForm* Child) {
  for (int i = 0; i < Main->MDIChildCount(); ++i)
    if (Main->MDIChildren(i) != Child) return true;
  return false;
}

// With the last child gone no child item may stay in the window menu: the first one left
// (its child's frame went without taking it) goes.
void RemoveFirstChildItem(TMenuItem* WindowMenu) {
  const std::string suffix = WindowMenuItemSuffix;
  for (int i = 0; i < WindowMenu->Count(); ++i) {
    TMenuItem* item = WindowMenu->Items(i);
    if (item->Name().ends_with(suffix)) {
      item->Free();
      return;
    }
  }
}

}  // namespace

TspDynamicSkinForm* GetMaximizeMDIChild() {
  TCustomForm* main = MDIMainForm();
  if (main == nullptr) return nullptr;
  for (int i = 0; i < main->MDIChildCount(); ++i)
    if (TspDynamicSkinForm* frame = GetDynamicSkinForm(main->MDIChildren(i));
        frame != nullptr && frame->WindowState() == TspWindowState::Maximized)
      return frame;
  return nullptr;
}

TspDynamicSkinForm* GetActiveMDIChildSkinForm() {
  TCustomForm* main = MDIMainForm();
  return main != nullptr ? GetDynamicSkinForm(main->ActiveMDIChild()) : nullptr;
}

std::string TspDynamicSkinForm::CaptionText() const {
  if (FForm->FormStyle() == fsMDIForm && FMDIChildMaximized)
    if (const TspDynamicSkinForm* child = GetMaximizeMDIChild())
      return FForm->Caption() + " - [" + child->Form()->Caption() + "]";
  return FForm->Caption();
}

void TspDynamicSkinForm::SetMDITabsBar(TspSkinMDITabsBar* Value) { SetReference(FMDITabsBar, Value); }

// The MDI client window

void TspDynamicSkinForm::SubclassMDIClient() {
  HWND client = FForm->ClientHandle();
  if (client == nullptr || FMDIClient != nullptr) return;
  FMDIClient = client;
  FMDIClientHook.Install(client, Event(this, &TspDynamicSkinForm::MDIClientMessage));
  SetWindowPos(client, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspDynamicSkinForm::RestoreMDIClient() {
  HWND client = FMDIClient;
  if (client == nullptr) return;
  FMDIClient = nullptr;
  // Another subclass on top of this one keeps the hook's forwarding procedure.
  FMDIClientHook.Remove();
  if (!IsWindow(client)) return;
  SetWindowPos(client, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspDynamicSkinForm::MDIClientMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT: Message.Result = 0; return;  // no frame of its own
    case WM_NCACTIVATE: Message.Result = 1; return;
    case WM_ERASEBKGND:
      EraseMDIClient(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_SIZE: {
      FMDIClientHook.CallNext(Message);
      FitMaximizedMDIChildren();
      const bool skin = FSkinData != nullptr && !FSkinData->Empty();
      if (MDIClientRedrawsOnSize(!FLogoBitMap.Empty(), skin,
                                 skin ? MDIBackgroundOf(*FSkinData) : TspMDIBackground{}))
        RedrawWindow(FMDIClient, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
      return;
    }
    case WM_NCDESTROY: {
      // The window goes before the frame: its procedure goes back first.
      const TWndMethod next = FMDIClientHook.Next();
      RestoreMDIClient();
      if (next) next(Message);
      return;
    }
    default: FMDIClientHook.CallNext(Message); return;
  }
}

TRect TspDynamicSkinForm::MDIClientRect() const {
  TCustomForm* main = MDIMainForm();
  RECT r{};
  if (main != nullptr && main->ClientHandle() != nullptr) GetClientRect(main->ClientHandle(), &r);
  return FromRECT(r);
}

void TspDynamicSkinForm::FitMaximizedMDIChildren() {
  if (FForm->FormStyle() != fsMDIForm) return;
  for (int i = 0; i < FForm->MDIChildCount(); ++i) {
    TCustomForm* child = FForm->MDIChildren(i);
    if (child->HandleAllocated()) SendMessageA(child->Handle(), SP_UPDATE_MAXIMIZED_MDI_CHILD, 0, 0);
  }
}

// The MDI messages

bool TspDynamicSkinForm::HandleMDIMessage(TMessage& Message) {
  switch (Message.Msg) {
    case SP_UPDATE_MAXIMIZED_MDI_CHILD:
      if (!FSkinnable || !FCore.Options.MDIChild) return false;
      if (FCore.State.Maximized())
        SetFormBounds(MDIClientRect());
      else if (FCore.State.Minimized())
        PlaceMinimized();  // the client's bottom edge moved
      return false;
    case SP_MDI_CHILD_MAXIMIZED:
    case SP_MDI_CHILD_RESTORED:
      FMDIChildMaximized = Message.Msg == SP_MDI_CHILD_MAXIMIZED || GetMaximizeMDIChild() != nullptr;
      RepaintFrame();
      if (FSkinInUse) UpdateCaptionTexts();
      UpdateMDIBars();
      return false;
    default: return false;
  }
}

void TspDynamicSkinForm::NotifyMDIMain(UINT Msg) {
  TCustomForm* main = MDIMainForm();
  if (main != nullptr && main->HandleAllocated()) SendMessageA(main->Handle(), Msg, 0, 0);
}

void TspDynamicSkinForm::LeaveMDIMain() {
  RemoveMDIChildEntries();
  if (!FCore.State.Maximized()) return;
  FCore.State.WindowState = TspWindowState::Normal;
  NotifyMDIMain(SP_MDI_CHILD_RESTORED);
}

void TspDynamicSkinForm::UpdateMDIBars() {
  if (FMainMenuBar != nullptr) {
    if (TspDynamicSkinForm* child = GetMaximizeMDIChild(); child != nullptr && FMDIChildMaximized)
      FMainMenuBar->ShowMDIButtons(child->BorderIcons());
    else
      FMainMenuBar->UpdateMDIButtons();
    // The active child's menu merges with the main form's.
    FMainMenuBar->FollowChildMenu();
  }
  if (FMDITabsBar != nullptr) FMDITabsBar->UpdateTabs();
}

// A child's entries on the main form

void TspDynamicSkinForm::AddMDIChildEntries() {
  TCustomForm* main = MDIMainForm();
  TspDynamicSkinForm* mainFrame = GetDynamicSkinForm(main);
  if (mainFrame == nullptr) return;
  if (TMenuItem* windowMenu = main->WindowMenu(); windowMenu != nullptr && FWindowMenuItem == nullptr) {
    FWindowMenuItem = new TMenuItem(this);
    FWindowMenuItem->SetName(FForm->Name() + WindowMenuItemSuffix);
    FWindowMenuItem->OnClick = Event(this, &TspDynamicSkinForm::MDIWindowMenuItemClick);
    windowMenu->Add(FWindowMenuItem);
  }
  if (mainFrame->MDITabsBar() != nullptr) mainFrame->MDITabsBar()->AddTab(FForm);
  UpdateMDIChildEntries();
}

void TspDynamicSkinForm::RemoveMDIChildEntries() {
  TCustomForm* main = MDIMainForm();
  if (FWindowMenuItem != nullptr) {
    TMenuItem* item = FWindowMenuItem;
    FWindowMenuItem = nullptr;
    item->Free();
    if (main != nullptr && main->WindowMenu() != nullptr && !OtherMDIChildLeft(main, FForm))
      RemoveFirstChildItem(main->WindowMenu());
  }
  TspDynamicSkinForm* mainFrame = GetDynamicSkinForm(main);
  if (mainFrame != nullptr && mainFrame->MDITabsBar() != nullptr) mainFrame->MDITabsBar()->DeleteTab(FForm);
}

void TspDynamicSkinForm::UpdateMDIChildEntries() {
  if (FWindowMenuItem != nullptr) {
    FWindowMenuItem->SetCaption(FForm->Caption());
    // The MDI client names the new active child only once every activation message went.
    FWindowMenuItem->SetChecked(FMDIActive);
  }
  if (TspDynamicSkinForm* mainFrame = GetDynamicSkinForm(MDIMainForm())) mainFrame->UpdateMDIBars();
}

void TspDynamicSkinForm::MDIWindowMenuItemClick(TObject*) {
  if (FCore.State.Minimized()) SetWindowState(TspWindowState::Normal);
  FForm->Show();
}
