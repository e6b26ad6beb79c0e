#include "SkinHint.h"

#include "skin/controls/SkinHintSource.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/Form.h"
#include "classlib/ImageList.h"
#include "classlib/SystemSeams.h"
#include "classlib/Timer.h"

#include <algorithm>

namespace {

// The pause between one hint and the next while the pointer moves on.
constexpr int ShortHintPause = 100;

// The first active hint component of the main form other than Except.
TspSkinHint* ActiveSkinHint(const TspSkinHint* Except) {
  TCustomForm* form = Application != nullptr ? Application->MainForm() : nullptr;
  if (form == nullptr) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* hint = dynamic_cast<TspSkinHint*>(form->Components(i));
    if (hint != nullptr && hint != Except && hint->Active() &&
        !hint->ComponentState().Contains(csDestroying))
      return hint;
  }
  return nullptr;
}

}  // namespace

TspSkinHint* FindActiveSkinHint() { return ActiveSkinHint(nullptr); }

TspSkinHint::TspSkinHint(TComponent* AOwner) : TComponent(AOwner), FHintWindow(new TspSkinHintWindow(this)) {
  SetAlphaBlendSupport(true);
  if (Designing()) return;
  Application->HintWindowClass = NewHintWindow<TspSkinHintWindow>;
  Application->SetShowHint(false);  // the next hint makes a window of the new class
  Application->SetShowHint(true);
  Application->OnShowHint = ShowHintEvent();
  Application->SetHintShortPause(ShortHintPause);
}

TspSkinHint::~TspSkinHint() {
  StopTimer();
  // The application's event must not stay bound to a component that is gone.
  if (!Designing() && Application != nullptr && Application->OnShowHint == ShowHintEvent()) {
    TspSkinHint* next = ActiveSkinHint(this);
    Application->OnShowHint = next != nullptr ? next->ShowHintEvent() : nullptr;
  }
}

void TspSkinHint::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FHintImageList) FHintImageList = nullptr;
  if (AComponent == FTimer) FTimer = nullptr;
}

void TspSkinHint::SetAlphaBlendSupport(bool Value) {
  FAlphaBlendSupport = Value && (Designing() || IsWindows2000OrLater());
}

void TspSkinHint::SetActive(bool Value) {
  FActive = Value;
  if (!Value) return;
  while (TspSkinHint* other = ActiveSkinHint(this)) other->SetActive(false);
  if (!Designing()) Application->OnShowHint = ShowHintEvent();
}

void TspSkinHint::ClearHintData() {
  FHintTitle.clear();
  FHintImageIndex = 0;
  SetReference(FHintImageList, static_cast<TCustomImageList*>(nullptr));
}

void TspSkinHint::SkinShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo) {
  ClearHintData();
  if (const auto* source = dynamic_cast<const TspSkinHintSource*>(HintInfo.HintControl)) {
    FHintTitle = source->HintTitle();
    FHintImageIndex = source->HintImageIndex();
    SetReference(FHintImageList, source->HintImageList());
  }
  if (OnShowHint) OnShowHint(HintStr, CanShow, HintInfo);
}

// Timed hints

void TspSkinHint::StartTimer(int Interval, void (TspSkinHint::*Handler)(TObject*)) {
  if (FTimer == nullptr) FTimer = new TTimer(this);
  FTimer->SetEnabled(false);
  FTimer->OnTimer = Event(this, Handler);
  FTimer->SetInterval(static_cast<unsigned>(std::max(Interval, 1)));
  FTimer->SetEnabled(true);
}

// Frees the timer; from inside its own handler too.
void TspSkinHint::StopTimer() {
  TTimer* timer = FTimer;
  FTimer = nullptr;
  if (timer != nullptr) timer->Free();
}

void TspSkinHint::ActivateHintDelayed(const std::string& Text) {
  StopTimer();
  FObjectHintText = Text;
  ClearHintData();
  StartTimer(Application->HintPause(), &TspSkinHint::ShowDelayedHint);
}

void TspSkinHint::ShowDelayedHint(TObject*) {
  if (FTimer == nullptr) return;
  TPoint at = Seams::CursorPos();
  at.Y += CursorBottomMargin();
  FHintWindow->ActivateHint({at.X, at.Y, at.X, at.Y}, FObjectHintText);
  StartTimer(Application->HintHidePause(), &TspSkinHint::HideDelayedHint);
}

void TspSkinHint::HideDelayedHint(TObject*) { HideHint(); }

void TspSkinHint::HideHint() {
  StopTimer();
  if (FHintWindow->Visible()) {
    FHintWindow->SetVisible(false);
    SetWindowPos(FHintWindow->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  }
  ClearHintData();
}

void RegisterSkinHintClass(TClassRegistry& Registry) {
  Registry.DefineComponent<TspSkinHint, TComponent>("TspSkinHint")
      .String("LineSeparator", &TspSkinHint::SetLineSeparator)
      .Object("DefaultFont", &TspSkinHint::DefaultFont)
      .Boolean("UseSkinFont", &TspSkinHint::SetUseSkinFont)
      .Boolean("AlphaBlendSupport", &TspSkinHint::SetAlphaBlendSupport)
      .Boolean("AlphaBlend", &TspSkinHint::SetAlphaBlend)
      .Integer("AlphaBlendValue", &TspSkinHint::SetAlphaBlendValue)
      .Boolean("AlphaBlendAnimation", &TspSkinHint::SetAlphaBlendAnimation)
      .Reference("SkinData", &TspSkinHint::SetSkinData)
      .Boolean("Active", &TspSkinHint::SetActive)
      .Event("OnShowHint", &TspSkinHint::OnShowHint);
}
