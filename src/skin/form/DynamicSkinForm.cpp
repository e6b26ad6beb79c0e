// The skinned-window component's life: taking the form over and giving it back, its
// properties and their side effects, the switch between a skinned and an ordinary frame,
// and the frame objects' events.
#include "DynamicSkinForm.h"

#include "ActiveSkinObject.h"
#include "SkinMDITabsBar.h"
#include "SkinMainMenuBar.h"

#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

#include "skin/controls/SkinStatusBar.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinSystem.h"

#include "base/Exceptions.h"

namespace {

TCustomForm& OwningForm(TComponent* AOwner) {
  auto* form = dynamic_cast<TCustomForm*>(AOwner);
  if (form == nullptr) throw EInvalidOperation("A skinned-window component belongs to a form");
  return *form;
}

void SetCaptionFont(TFont& Font, TColor Color) {
  SetDefaultSkinFont(Font);
  Font.SetStyle({fsBold});
  Font.SetColor(Color);
}

}  // namespace

TspDynamicSkinForm* GetDynamicSkinForm(TCustomForm* AForm) {
  if (AForm == nullptr) return nullptr;
  for (int i = 0; i < AForm->ComponentCount(); ++i)
    if (auto* frame = dynamic_cast<TspDynamicSkinForm*>(AForm->Components(i))) return frame;
  return nullptr;
}

TspDynamicSkinForm::TspDynamicSkinForm(TComponent* AOwner)
    : TComponent(AOwner), FForm(&OwningForm(AOwner)), FRegion(*FForm) {
  FVistaOrLater = IsWindowsVistaOrLater();
  SetCaptionFont(FDefCaptionFont, clBtnText);
  SetCaptionFont(FDefInActiveCaptionFont, clBtnShadow);
  FCore.IconSize = SmallIconSize({GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)},
                                 {GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CYSIZE)});

  // The frame draws the caption buttons itself.
  FForm->SetBorderIcons({});
  FOldShortCut = FForm->OnShortCut;
  FForm->OnShortCut = Event(this, &TspDynamicSkinForm::FormShortCut);

  FDefaultSystemMenu = new TPopupMenu(this);
  FTrayMenu = new TspSkinPopupMenu(this);
  FTrayMenu->SetComponentForm(FForm);
  UpdateTrayMenu();
  FSkinMenu = new TspSkinMenu(this, FForm);

  if (ComponentState().Contains(csDesigning)) return;
  FWindowProcHook.Install(FForm, Event(this, &TspDynamicSkinForm::NewWndProc));
  // A window made before sees the frame's non-client size only when made again.
  FForm->RecreateWnd();
}

TspDynamicSkinForm::~TspDynamicSkinForm() { GiveBack(); }

void TspDynamicSkinForm::BeforeDestruction() {
  GiveBack();
  TComponent::BeforeDestruction();
}

void TspDynamicSkinForm::GiveBack() {
  if (FGivenBack) return;
  FGivenBack = true;
  FObjects.StopTimers();
  // The open menu's opener hears that it closed; nothing goes back to this component.
  FSkinMenu->OnMenuClose = nullptr;
  FSkinMenu->CloseToLevel(0);
  FMenus.Reset();
  if (FForm->OnShortCut == Event(this, &TspDynamicSkinForm::FormShortCut)) FForm->OnShortCut = FOldShortCut;
  // A tray icon that hooked the form after the frame calls the form's own procedure then.
  FWindowProcHook.Remove();
  if (FForm->HandleAllocated()) KillTimer(FForm->Handle(), FadeInTimerId);
  FTray.LetGo();
  FObjects.ClearObjects();
  FMDI.RestoreClient();
  if (FCore.Options.MDIChild) FMDI.LeaveMain();
}

void TspDynamicSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) {
    // Nothing may read the skin that goes.
    FSkinData = nullptr;
    FSkinInUse = false;
    FObjects.ClearObjects();
    FCore.SetSkin({});
  }
  if (AComponent == FMenusSkinData) FMenusSkinData = nullptr;
  if (AComponent == FMainMenu) {
    FMainMenu = nullptr;
    if (!ComponentState().Contains(csDestroying)) FObjects.UpdateMainMenuItemObjects();
  }
  if (AComponent == FMainMenuBar) FMainMenuBar = nullptr;
  if (AComponent == FSystemMenu) {
    FSystemMenu = nullptr;
    FObjects.ForgetObjectMenus();
  }
  if (AComponent == FStatusBar) FStatusBar = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
  FTray.Notification(AComponent);
  if (AComponent == FMDITabsBar) FMDITabsBar = nullptr;
  FMDI.Notification(AComponent);
  FClientAreaControls.Notification(AComponent);
}

void TspDynamicSkinForm::Loaded() {
  TComponent::Loaded();
  if (FSkinData != nullptr) UpdateSkin();
}

bool TspDynamicSkinForm::Reading() const {
  const TComponentState state = ComponentState();
  return state.Contains(csLoading) || state.Contains(csDesigning) || state.Contains(csDestroying);
}

// Properties

void TspDynamicSkinForm::SetStatusBar(TspSkinStatusBar* Value) { SetReference(FStatusBar, Value); }

void TspDynamicSkinForm::SetSkinHint(TspSkinHint* Value) { SetReference(FSkinHint, Value); }

void TspDynamicSkinForm::SetMenusSkinData(TspSkinData* Value) { SetReference(FMenusSkinData, Value); }

void TspDynamicSkinForm::SetMainMenu(TMainMenu* Value) {
  SetReference(FMainMenu, Value);
  if (FSkinInUse && !ComponentState().Contains(csDesigning)) FObjects.UpdateMainMenuItemObjects();
}

void TspDynamicSkinForm::SetMainMenuBar(TspSkinMainMenuBar* Value) {
  SetReference(FMainMenuBar, Value);
  // The frame's own items give way to the bar, or come back without it.
  if (FSkinInUse && !ComponentState().Contains(csDesigning)) FObjects.UpdateMainMenuItemObjects();
}

int TspDynamicSkinForm::MaxMenuItemsInWindow() const { return FSkinMenu->MaxMenuItemsInWindow; }

void TspDynamicSkinForm::SetMaxMenuItemsInWindow(int Value) {
  if (Value >= 0) FSkinMenu->MaxMenuItemsInWindow = Value;
}

bool TspDynamicSkinForm::UseSkinFontInMenu() const { return FSkinMenu->UseSkinFont; }

void TspDynamicSkinForm::SetUseSkinFontInMenu(bool Value) { FSkinMenu->UseSkinFont = Value; }

void TspDynamicSkinForm::SetShowIcon(bool Value) {
  FCore.Options.ShowIcon = Value;
  if (!Reading()) RepaintFrame();
}

void TspDynamicSkinForm::SetDefCaptionFont(TFont* Value) {
  FDefCaptionFont.Assign(Value);
  if (!FSkinInUse && !Reading()) RepaintFrame();
}

void TspDynamicSkinForm::SetDefInActiveCaptionFont(TFont* Value) {
  FDefInActiveCaptionFont.Assign(Value);
  if (!FSkinInUse && !Reading()) RepaintFrame();
}

int TspDynamicSkinForm::DefMenuItemHeight() const { return FSkinMenu->DefaultMenuItemHeight; }

void TspDynamicSkinForm::SetDefMenuItemHeight(int Value) {
  if (Value >= 1) FSkinMenu->DefaultMenuItemHeight = Value;
}

TFont* TspDynamicSkinForm::DefMenuItemFont() { return FSkinMenu->DefaultMenuItemFont(); }

void TspDynamicSkinForm::SetDefMenuItemFont(TFont* Value) { FSkinMenu->DefaultMenuItemFont()->Assign(Value); }

void TspDynamicSkinForm::SetSupportNCArea(bool Value) {
  if (Value == FCore.Options.SupportNCArea) return;
  FCore.Options.SupportNCArea = Value;
  if (ComponentState().Contains(csDesigning)) {
    if (!Value) FForm->SetBorderStyle(bsNone);
    return;
  }
  // The system asks for the non-client size again.
  if (!Reading() && FForm->HandleAllocated())
    SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspDynamicSkinForm::ApplyLayeredAlpha() {
  if (!FForm->HandleAllocated()) return;
  HWND window = FForm->Handle();
  if (FAlphaBlend) {
    SetLayered(window, true);
    SetLayeredAlpha(window, FAlphaBlendValue);
  } else {
    SetLayered(window, false);
  }
}

void TspDynamicSkinForm::SetAlphaBlend(bool Value) {
  if (Value == FAlphaBlend) return;
  FAlphaBlend = Value;
  if (ComponentState().Empty()) ApplyLayeredAlpha();
}

void TspDynamicSkinForm::SetAlphaBlendValue(uint8_t Value) {
  if (Value == FAlphaBlendValue) return;
  FAlphaBlendValue = Value;
  if (FAlphaBlend && ComponentState().Empty()) ApplyLayeredAlpha();
}

bool TspDynamicSkinForm::MenusAlphaBlend() const { return FSkinMenu->AlphaBlend; }

void TspDynamicSkinForm::SetMenusAlphaBlend(bool Value) { FSkinMenu->AlphaBlend = Value; }

bool TspDynamicSkinForm::MenusAlphaBlendAnimation() const { return FSkinMenu->AlphaBlendAnimation; }

void TspDynamicSkinForm::SetMenusAlphaBlendAnimation(bool Value) { FSkinMenu->AlphaBlendAnimation = Value; }

uint8_t TspDynamicSkinForm::MenusAlphaBlendValue() const { return FSkinMenu->AlphaBlendValue; }

void TspDynamicSkinForm::SetMenusAlphaBlendValue(uint8_t Value) { FSkinMenu->AlphaBlendValue = Value; }

void TspDynamicSkinForm::SetSkinData(TspSkinData* Value) {
  SetReference(FSkinData, Value);
  if (Value != nullptr && FForm->FormStyle() != fsMDIChild) FSkinnable = Value->SkinnableForm();
  FTrayMenu->SetSkinData(Value);
  // A form being read takes the skin once it is whole (Loaded).
  if (!Reading()) UpdateSkin();
}

void TspDynamicSkinForm::SetTrayIcon(TspTrayIcon* Value) {
  if (Value == FTray.Icon()) return;
  const bool designing = ComponentState().Contains(csDesigning);
  if (designing) {
    if (Value != nullptr)
      FCore.Options.BorderIcons.Include(TspBorderIcon::biMinimizeToTray);
    else
      FCore.Options.BorderIcons.Exclude(TspBorderIcon::biMinimizeToTray);
  }
  FTray.SetIcon(Value, designing);
}

void TspDynamicSkinForm::SetBorderIcons(TspBorderIcons Value) {
  FCore.Options.BorderIcons = Value;
  if ((FCore.Options.SupportNCArea || FSkinInUse) && !Reading()) {
    UpdateButtonStates();
    RepaintFrame();
  }
}

// The skinnable switch

void TspDynamicSkinForm::SetSkinnableForm(bool Value) {
  if (Value == FSkinnable) return;
  // An MDI main form with children would have to take them over as well.
  if (FForm->FormStyle() == fsMDIForm && FForm->MDIChildCount() > 0) return;
  const bool designing = ComponentState().Contains(csDesigning);
  // A window hides while its maximized state moves between the frame and the system; an
  // MDI main form stays shown, with its MDI client.
  const bool hide = FForm->FormStyle() != fsMDIForm;
  bool maximize = false;
  if (!designing) {
    if (FCore.State.Maximized() && FSkinnable) {
      if (hide) FForm->Hide();
      FCore.State.WindowState = TspWindowState::Normal;
      maximize = true;
    } else if (FForm->WindowState() == wsMaximized && !FSkinnable) {
      FForm->SetWindowState(wsNormal);
      if (hide) FForm->Hide();
      maximize = true;
    }
  }
  FSkinnable = Value;
  UpdateSkin();
  if (FSkinData != nullptr) {
    PrepareChildrenSkinDataChange(FSkinData, FForm);
    ChangeChildrenSkinData(FSkinData, FForm);
  }
  if (!designing) {
    // The system frame comes or goes with the non-client size the frame answers now.
    if (FForm->HandleAllocated())
      SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    FForm->Invalidate();
    if (!FSkinnable) FMDI.RestoreClient();
    else if (FForm->FormStyle() == fsMDIForm && FForm->Visible()) FMDI.SubclassClient();
  }
  if (!maximize) return;
  if (FSkinnable)
    SetWindowState(TspWindowState::Maximized);
  else
    FForm->SetWindowState(wsMaximized);
  if (hide) FForm->Show();
}

void TspDynamicSkinForm::UpdateFormBorderIcons() {
  TBorderIcons icons = FForm->BorderIcons();
  const TspBorderIcons own = FCore.Options.BorderIcons;
  const auto follow = [&](TBorderIcon Icon, bool On) {
    if (On)
      icons.Include(Icon);
    else
      icons.Exclude(Icon);
  };
  follow(biSystemMenu, !FCore.Options.HideCaptionButtons && !FSkinnable);
  follow(biMinimize, own.Contains(TspBorderIcon::biMinimize));
  follow(biMaximize, own.Contains(TspBorderIcon::biMaximize));
  follow(biHelp, false);
  FForm->SetBorderIcons(icons);
}

// The objects' events

void TspDynamicSkinForm::DoMouseEnter(const std::string& IDName) {
  if (OnMouseEnterEvent) OnMouseEnterEvent(IDName);
}

void TspDynamicSkinForm::DoMouseLeave(const std::string& IDName) {
  if (OnMouseLeaveEvent) OnMouseLeaveEvent(IDName);
}

void TspDynamicSkinForm::DoMouseDown(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                                     TMouseButton Button) {
  if (OnMouseDownEvent) OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TspDynamicSkinForm::DoMouseUp(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                                   TMouseButton Button) {
  if (OnMouseUpEvent) OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TspDynamicSkinForm::DoMouseMove(const std::string& IDName, int X, int Y, const TRect& ObjectRect) {
  if (OnMouseMoveEvent) OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TspDynamicSkinForm::DoPaint(const std::string& IDName, TCanvas* Canvas, const TRect& ObjectRect) {
  if (OnPaintEvent) OnPaintEvent(IDName, Canvas, ObjectRect);
}

void TspDynamicSkinForm::DoSwitchChangeState(const std::string& IDName, TSwitchState State) {
  if (OnSwitchChangeStateEvent) OnSwitchChangeStateEvent(IDName, State);
}

void TspDynamicSkinForm::DoTrackBarChangeValue(const std::string& IDName, int Value) {
  if (OnTrackBarChangeValueEvent) OnTrackBarChangeValueEvent(IDName, Value);
}

void TspDynamicSkinForm::DoFrameRegulatorChangeValue(const std::string& IDName, int Value) {
  if (OnFrameRegulatorChangeValueEvent) OnFrameRegulatorChangeValueEvent(IDName, Value);
}
