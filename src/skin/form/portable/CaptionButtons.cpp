#include "CaptionButtons.h"

#include "skin/data/SkinRects.h"

namespace {

TspObjectLook Copy(const TRect& R, bool InActivePicture) { return {TspObjectLook::Copy, R, InActivePicture, {}}; }

// Blends with an empty active look would show only the normal look: drawn as such.
bool Morphs(bool MorphRunning, const TRect& To) { return MorphRunning && !IsNullRect(To); }

}  // namespace

bool CaptionButtonVisible(TspStdButtonCommand Command, TspBorderIcons BorderIcons, bool HideCaptionButtons) {
  if (HideCaptionButtons) return false;
  switch (Command) {
    case cmminimizetotray: return BorderIcons.Contains(TspBorderIcon::biMinimizeToTray);
    case cmrollup: return BorderIcons.Contains(TspBorderIcon::biRollUp);
    case cmmaximize: return BorderIcons.Contains(TspBorderIcon::biMaximize);
    case cmminimize: return BorderIcons.Contains(TspBorderIcon::biMinimize);
    case cmsysmenu: return BorderIcons.Contains(TspBorderIcon::biSystemMenu);
    default: return true;
  }
}

TSet<TspStdButtonCommand> VisibleCaptionButtons(TspBorderIcons BorderIcons, bool HideCaptionButtons) {
  TSet<TspStdButtonCommand> visible;
  for (int c = cmclose; c <= cmminimizetotray; ++c) {
    const auto command = static_cast<TspStdButtonCommand>(c);
    if (command != cmdefault && CaptionButtonVisible(command, BorderIcons, HideCaptionButtons))
      visible.Include(command);
  }
  return visible;
}

std::optional<std::string> CaptionButtonHint(TspStdButtonCommand Command, const TspResourceStrData* Strings) {
  switch (Command) {
    case cmclose: return SkinString(Strings, ssCloseHint);
    case cmmaximize: return SkinString(Strings, ssMaximizeHint);
    case cmminimize: return SkinString(Strings, ssMinimizeHint);
    case cmsysmenu: return SkinString(Strings, ssSystemMenuHint);
    case cmrollup: return SkinString(Strings, ssRollUpHint);
    case cmminimizetotray: return SkinString(Strings, ssMinimizeToTrayHint);
    default: return std::nullopt;
  }
}

TspFrameAction CaptionButtonAction(TspStdButtonCommand Command, const TspFrameState& State,
                                   bool AlwaysMinimizeToTray, bool SupportNCArea) {
  switch (Command) {
    case cmclose: return TspFrameAction::Close;
    case cmmaximize: return State.Maximized() ? TspFrameAction::Restore : TspFrameAction::Maximize;
    case cmminimize:
      if (AlwaysMinimizeToTray) return TspFrameAction::MinimizeToTray;
      return State.Minimized() && SupportNCArea ? TspFrameAction::Restore : TspFrameAction::Minimize;
    case cmrollup: return State.RollUpState ? TspFrameAction::Unroll : TspFrameAction::RollUp;
    case cmminimizetotray: return TspFrameAction::MinimizeToTray;
    default: return TspFrameAction::None;  // the system menu opens on the press
  }
}

bool InRestoreState(TspStdButtonCommand Command, const TspFrameState& State) {
  return (Command == cmmaximize && State.Maximized()) || (Command == cmminimize && State.Minimized()) ||
         (Command == cmrollup && State.RollUpState);
}

TspObjectLook ObjectLook(const TspObjectLookState& S) {
  if (S.Enabled && !S.WindowActive && !IsNullRect(S.InActiveSkinRect)) return Copy(S.InActiveSkinRect, true);
  if (Morphs(S.MorphRunning, S.ActiveSkinRect))
    return {TspObjectLook::Morph, S.SkinRect, S.SkinRectInAPicture, S.ActiveSkinRect};
  if (S.Active && !IsNullRect(S.ActiveSkinRect)) return Copy(S.ActiveSkinRect, true);
  if (!S.UpDate && !S.SkinRectInAPicture) return {};
  return Copy(S.SkinRect, S.SkinRectInAPicture);
}

TspObjectLook ButtonLook(const TspButtonLookState& S) {
  if (!S.Enabled && !IsNullRect(S.DisableSkinRect)) return Copy(S.DisableSkinRect, true);
  if (S.Down && !IsNullRect(S.DownRect) && (S.GroupIndex != -1 || S.MouseIn)) return Copy(S.DownRect, true);
  return ObjectLook(S);
}

TspObjectLook StdButtonLook(const TspStdButtonLookState& S) {
  if (S.Command == cmsysmenu && S.ShowIcon && (S.SkinRectInAPicture || !S.SkinDataPresent))
    return {TspObjectLook::FormIcon, {}, false, {}};
  if (!S.SkinDataPresent) return {TspObjectLook::DefaultLook, {}, false, {}};
  if (!S.Enabled) return ButtonLook(S);
  if (!S.WindowActive && !IsNullRect(S.InActiveSkinRect) && !S.RestoreState) return ButtonLook(S);
  if (!S.RestoreState || IsNullRect(S.RestoreRect)) return ButtonLook(S);
  if (!S.WindowActive && !IsNullRect(S.RestoreInActiveRect)) return Copy(S.RestoreInActiveRect, true);
  if (S.Down && S.MouseIn && !IsNullRect(S.RestoreDownRect)) return Copy(S.RestoreDownRect, true);
  if (Morphs(S.MorphRunning, S.RestoreActiveRect))
    return {TspObjectLook::Morph, S.RestoreRect, true, S.RestoreActiveRect};
  if (S.Active && !IsNullRect(S.RestoreActiveRect)) return Copy(S.RestoreActiveRect, true);
  return Copy(S.RestoreRect, true);
}

TspDefaultButtonLook DefaultCaptionButtonLook(TspStdButtonCommand Command, TSize ButtonSize, bool MouseIn, bool Down,
                                              const TspFrameState& State) {
  TspDefaultButtonLook look;
  look.State = !MouseIn ? TspPartState::Normal : Down ? TspPartState::Down : TspPartState::Hot;
  look.Colors = DefaultPartLook(look.State, false, DefaultCellDownFill);
  // A pressed glyph moves one pixel right and down.
  const int32_t pressed = MouseIn && Down ? 1 : 0;
  look.GlyphOrigin = {ButtonSize.cx / 2 - 5 + pressed, ButtonSize.cy / 2 - 4 + pressed};
  switch (Command) {
    case cmclose: look.Glyph = TspCaptionGlyph::Close; break;
    case cmmaximize: look.Glyph = State.Maximized() ? TspCaptionGlyph::Restore : TspCaptionGlyph::Maximize; break;
    case cmminimize: look.Glyph = State.Minimized() ? TspCaptionGlyph::Restore : TspCaptionGlyph::Minimize; break;
    case cmsysmenu: look.Glyph = TspCaptionGlyph::SysMenu; break;
    case cmrollup: look.Glyph = State.RollUpState ? TspCaptionGlyph::RollDown : TspCaptionGlyph::RollUp; break;
    case cmminimizetotray: look.Glyph = TspCaptionGlyph::MinimizeToTray; break;
    default: break;
  }
  return look;
}
