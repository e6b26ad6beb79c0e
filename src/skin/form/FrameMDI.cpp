// The skinned frame on MDI forms: the main form's client window subclassed (no frame of
// its own, its background from the skin), its children maximized into it by their
// frames, and each child's window-menu item and tab on the main form, its caption after
// the main form's while maximized, its caption buttons and menu on the main form's bar.
#include "FrameMDI.h"

#include "DynamicSkinForm.h"

#include "FrameMessages.h"
#include "SkinMDITabsBar.h"
#include "SkinMainMenuBar.h"

#include "skin/form/portable/MDIClientRules.h"

#include "skin/data/SkinData.h"

namespace {

constexpr const char* WindowMenuItemSuffix = "_DSFCHILDITEM";

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
  if (FForm->FormStyle() == fsMDIForm && FMDI.ChildMaximized())
    if (const TspDynamicSkinForm* child = GetMaximizeMDIChild())
      return FForm->Caption() + " - [" + child->Form()->Caption() + "]";
  return FForm->Caption();
}

void TspDynamicSkinForm::SetMDITabsBar(TspSkinMDITabsBar* Value) { SetReference(FMDITabsBar, Value); }

void TspFrameMDILink::Notification(TComponent* AComponent) {
  if (AComponent == FWindowMenuItem) FWindowMenuItem = nullptr;
}

// The MDI client window

void TspFrameMDILink::SubclassClient() {
  HWND client = FFrame.Form()->ClientHandle();
  if (client == nullptr || FClient != nullptr) return;
  FClient = client;
  FClientHook.Install(client, Event(this, &TspFrameMDILink::MDIClientWndProc));
  SetWindowPos(client, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspFrameMDILink::RestoreClient() {
  HWND client = FClient;
  if (client == nullptr) return;
  FClient = nullptr;
  // Another subclass on top of this one keeps the hook's forwarding procedure.
  FClientHook.Remove();
  if (!IsWindow(client)) return;
  SetWindowPos(client, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspFrameMDILink::MDIClientWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT: Message.Result = 0; return;  // no frame of its own
    case WM_NCACTIVATE: Message.Result = 1; return;
    case WM_ERASEBKGND:
      FFrame.EraseMDIClient(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_SIZE: {
      FClientHook.CallNext(Message);
      FitMaximizedChildren();
      TspSkinData* data = FFrame.SkinData();
      const bool skin = data != nullptr && !data->Empty();
      if (MDIClientRedrawsOnSize(!FFrame.LogoBitMap()->Empty(), skin, skin ? MDIBackgroundOf(*data) : TspMDIBackground{}))
        RedrawWindow(FClient, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
      return;
    }
    case WM_NCDESTROY: {
      // The window goes before the frame: its procedure goes back first.
      const TWndMethod next = FClientHook.Next();
      RestoreClient();
      if (next) next(Message);
      return;
    }
    default: FClientHook.CallNext(Message); return;
  }
}

void TspFrameMDILink::SkinChanged() {
  if (FClient == nullptr) return;
  RedrawWindow(FClient, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  FitMaximizedChildren();
}

TRect TspFrameMDILink::ClientRect() {
  TCustomForm* main = MDIMainForm();
  RECT r{};
  if (main != nullptr && main->ClientHandle() != nullptr) GetClientRect(main->ClientHandle(), &r);
  return FromRECT(r);
}

TRect TspFrameMDILink::ClientScreenRect() {
  TCustomForm* main = MDIMainForm();
  RECT r{};
  if (main == nullptr || main->ClientHandle() == nullptr) return FromRECT(r);
  GetClientRect(main->ClientHandle(), &r);
  MapWindowPoints(main->ClientHandle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  return FromRECT(r);
}

void TspFrameMDILink::FitMaximizedChildren() {
  TCustomForm* form = FFrame.Form();
  if (form->FormStyle() != fsMDIForm) return;
  for (int i = 0; i < form->MDIChildCount(); ++i) {
    TCustomForm* child = form->MDIChildren(i);
    if (child->HandleAllocated()) SendMessageA(child->Handle(), SP_UPDATE_MAXIMIZED_MDI_CHILD, 0, 0);
  }
}

// The MDI messages

bool TspFrameMDILink::HandleMessage(TMessage& Message) {
  switch (Message.Msg) {
    case SP_UPDATE_MAXIMIZED_MDI_CHILD:
      if (!FFrame.FSkinnable || !FFrame.FCore.Options.MDIChild) return false;
      if (FFrame.FCore.State.Maximized())
        FFrame.SetFormBounds(ClientRect());
      else if (FFrame.FCore.State.Minimized())
        FFrame.PlaceMinimized();  // the client's bottom edge moved
      return false;
    case SP_MDI_CHILD_MAXIMIZED:
    case SP_MDI_CHILD_RESTORED:
      FChildMaximized = Message.Msg == SP_MDI_CHILD_MAXIMIZED || GetMaximizeMDIChild() != nullptr;
      FFrame.RepaintFrame();
      if (FFrame.SkinInUse()) FFrame.UpdateCaptionTexts();
      UpdateBars();
      return false;
    default: return false;
  }
}

void TspFrameMDILink::NotifyMain(UINT Msg) {
  TCustomForm* main = MDIMainForm();
  if (main != nullptr && main->HandleAllocated()) SendMessageA(main->Handle(), Msg, 0, 0);
}

void TspFrameMDILink::LeaveMain() {
  RemoveChildEntries();
  TspFrameState& state = FFrame.FCore.State;
  if (!state.Maximized()) return;
  state.WindowState = TspWindowState::Normal;
  NotifyMain(SP_MDI_CHILD_RESTORED);
}

void TspFrameMDILink::UpdateBars() {
  if (TspSkinMainMenuBar* bar = FFrame.MainMenuBar()) {
    if (TspDynamicSkinForm* child = GetMaximizeMDIChild(); child != nullptr && FChildMaximized)
      bar->ShowMDIButtons(child->BorderIcons());
    else
      bar->UpdateMDIButtons();
    // The active child's menu merges with the main form's.
    bar->FollowChildMenu();
  }
  if (TspSkinMDITabsBar* tabs = FFrame.MDITabsBar()) tabs->UpdateTabs();
}

// A child's entries on the main form

void TspFrameMDILink::AddChildEntries() {
  TCustomForm* main = MDIMainForm();
  TspDynamicSkinForm* mainFrame = GetDynamicSkinForm(main);
  if (mainFrame == nullptr) return;
  if (TMenuItem* windowMenu = main->WindowMenu(); windowMenu != nullptr && FWindowMenuItem == nullptr) {
    FWindowMenuItem = new TMenuItem(&FFrame);
    FWindowMenuItem->SetName(FFrame.Form()->Name() + WindowMenuItemSuffix);
    FWindowMenuItem->OnClick = Event(this, &TspFrameMDILink::WindowMenuItemClick);
    windowMenu->Add(FWindowMenuItem);
  }
  if (mainFrame->MDITabsBar() != nullptr) mainFrame->MDITabsBar()->AddTab(FFrame.Form());
  UpdateChildEntries();
}

void TspFrameMDILink::RemoveChildEntries() {
  TCustomForm* main = MDIMainForm();
  if (FWindowMenuItem != nullptr) {
    TMenuItem* item = FWindowMenuItem;
    FWindowMenuItem = nullptr;
    item->Free();
    if (main != nullptr && main->WindowMenu() != nullptr && !OtherMDIChildLeft(main, FFrame.Form()))
      RemoveFirstChildItem(main->WindowMenu());
  }
  TspDynamicSkinForm* mainFrame = GetDynamicSkinForm(main);
  if (mainFrame != nullptr && mainFrame->MDITabsBar() != nullptr) mainFrame->MDITabsBar()->DeleteTab(FFrame.Form());
}

void TspFrameMDILink::UpdateChildEntries() {
  if (FWindowMenuItem != nullptr) {
    FWindowMenuItem->SetCaption(FFrame.Form()->Caption());
    // The MDI client names the new active child only once every activation message went.
    FWindowMenuItem->SetChecked(FActive);
  }
  if (TspDynamicSkinForm* mainFrame = GetDynamicSkinForm(MDIMainForm())) mainFrame->FMDI.UpdateBars();
}

void TspFrameMDILink::WindowMenuItemClick(TObject*) {
  if (FFrame.FCore.State.Minimized()) FFrame.SetWindowState(TspWindowState::Normal);
  FFrame.Form()->Show();
}
