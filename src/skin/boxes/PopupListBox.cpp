#include "PopupListBox.h"

#include "SkinComboBox.h"

#include "skin/data/win32/SkinSystem.h"

#include "classlib/Application.h"
#include "classlib/SystemSeams.h"

#include "base/FreeWatch.h"

#include <algorithm>

namespace {

// A fade raises the alpha by this step whenever more than FadeStepTime ms have passed.
constexpr int FadeStep = 10;
constexpr DWORD FadeStepTime = 5;

}  // namespace

TspPopupListBox::TspPopupListBox(TComponent* AOwner) : TspSkinListBox(AOwner) {
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  style.Include(csReplicatable);
  SetControlStyle(style);
  SetCtl3D(false);  // and so no longer the parent's
  SetVisible(false);
}

void TspPopupListBox::CreateParams(TCreateParams& Params) {
  TspSkinListBox::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style |= CS_SAVEBITS;
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
}

void TspPopupListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TspSkinListBox::Dispatch(Message);
}

void TspPopupListBox::Hide() {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
}

void TspPopupListBox::Show(TPoint P) {
  const auto* combo = dynamic_cast<TspSkinCustomComboBox*>(Owner());
  const bool layers = combo != nullptr && IsWindows2000OrLater();
  const bool blends = layers && combo->ListBoxAlphaBlend();
  const uint8_t alpha = layers ? combo->ListBoxAlphaBlendValue() : 255;
  if (layers && blends != FLayered) {
    SetLayered(Handle(), blends);
    FLayered = blends;
  }
  const bool fades = blends && combo->ListBoxAlphaBlendAnimation();
  if (blends && FAlpha != alpha) {
    // A fade starts from nothing, every time.
    FAlpha = fades ? 0 : alpha;
    SetLayeredAlpha(Handle(), FAlpha);
  }
  SetWindowPos(Handle(), HWND_TOP, P.X, P.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (fades) FadeIn(alpha);
}

void TspPopupListBox::FadeIn(uint8_t Alpha) {
  const TFreeWatch alive(this);
  // Handling messages may close the list or free it with its combo box.
  const auto ended = [&] { return alive.Gone() || ComponentState().Contains(csDestroying) || !Visible(); };
  Application->ProcessMessages();
  if (ended()) return;
  int alpha = 0;
  DWORD last = 0;
  while (alpha < Alpha) {
    const DWORD now = Seams::TickCount();
    if (now - last > FadeStepTime) {
      last = now;
      alpha = std::min(alpha + FadeStep, int{Alpha});
      SetLayeredAlpha(Handle(), static_cast<BYTE>(alpha));
    }
    Application->ProcessMessages();
    if (ended()) return;
  }
}
