// The skinned frame's own window states carried out on the form: maximizing, minimizing
// and restoring move and size it, rolling up shrinks it to its caption (or, without NC
// support, to the skin's roll-up picture), and the first show, moving and sizing follow
// the frame's rules.
#include "DynamicSkinForm.h"

#include "FrameMessages.h"

#include "skin/form/portable/ClientFrame.h"

#include "skin/controls/SkinStatusBar.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Screen.h"

TspMonitorAreas TspDynamicSkinForm::MonitorAreas() {
  HWND window = FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  TspMonitorAreas areas;
  GetMonitorArea(window, false, areas.Monitor);
  GetMonitorArea(window, true, areas.WorkArea);
  return areas;
}

TRect TspDynamicSkinForm::FormBounds() const { return FForm->BoundsRect(); }

void TspDynamicSkinForm::SetFormBounds(const TRect& Bounds) {
  if (!(Bounds == FormBounds())) FForm->SetBoundsRect(Bounds);
}

void TspDynamicSkinForm::Perform(TspFrameAction Action) {
  switch (Action) {
    case TspFrameAction::Close: FForm->Close(); break;
    case TspFrameAction::Maximize: SetWindowState(TspWindowState::Maximized); break;
    case TspFrameAction::Restore: SetWindowState(TspWindowState::Normal); break;
    case TspFrameAction::Minimize: SetWindowState(TspWindowState::Minimized); break;
    case TspFrameAction::MinimizeToTray: MinimizeToTray(); break;
    case TspFrameAction::RestoreFromTray: RestoreFromTray(); break;
    case TspFrameAction::RollUp: RollUp(true); break;
    case TspFrameAction::Unroll: RollUp(false); break;
    case TspFrameAction::None: break;
  }
}

// Window states

void TspDynamicSkinForm::SetWindowState(TspWindowState Value) {
  SyncFormOptions();
  const bool mainForm = Application->MainForm() == FForm;
  const TspStateChange change = ::SetWindowState(FCore.State, Value, mainForm, FCore.Options.SupportNCArea);
  switch (change.Action) {
    case TspFrameAction::Restore:
      if (change.UnrollFirst) RollUp(false);
      Restore();
      break;
    case TspFrameAction::Maximize: Maximize(); break;
    case TspFrameAction::Minimize:
      if (change.MinimizeApplication)
        Application->Minimize();
      else
        Minimize();
      if (OnMinimize) OnMinimize(this);
      break;
    default: break;
  }
}

void TspDynamicSkinForm::SetStatusBarGrip(bool Active) {
  if (FStatusBar != nullptr && FStatusBar->SizeGrip()) FStatusBar->SetSizeGripActive(Active);
}

void TspDynamicSkinForm::Maximize() {
  if (FCore.Options.MDIChild) {
    // An MDI child fills its MDI client, without a frame, and its caption buttons go to
    // the main form's menu bar.
    FObjects.MouseTimer()->SetEnabled(false);
    TestActive(-1, -1, false);
    SetFormBounds(::Maximize(FCore.State, FormBounds(), TspFrameMDILink::ClientRect()));
    TspFrameMDILink::NotifyMain(SP_MDI_CHILD_MAXIMIZED);
  } else {
    const TRect target = MaximizeTarget(MonitorAreas(), FCore.Options.MaximizeOnFullScreen);
    SetFormBounds(::Maximize(FCore.State, FormBounds(), target));
  }
  RepaintFrame();
  SetStatusBarGrip(false);
  if (OnMaximize) OnMaximize(this);
}

void TspDynamicSkinForm::Restore() {
  // Without NC support too: the window would otherwise keep the maximized size.
  SetFormBounds(::Restore(FCore.State, FormBounds(), FCore.Options.PositionInMonitor, MonitorAreas()));
  if (FCore.Options.SupportNCArea) {
    FObjects.MouseTimer()->SetEnabled(true);
    FForm->Invalidate();
    RepaintFrame();
    if (FCore.Options.MDIChild) TspFrameMDILink::NotifyMain(SP_MDI_CHILD_RESTORED);
  }
  SetStatusBarGrip(true);
  if (OnRestore) OnRestore(this);
}

void TspDynamicSkinForm::Minimize() {
  PlaceMinimized();
  RepaintFrame();
  if (FCore.Options.MDIChild) TspFrameMDILink::NotifyMain(SP_MDI_CHILD_RESTORED);
}

void TspDynamicSkinForm::PlaceMinimized() {
  const TRect area = FCore.Options.MDIChild ? TspFrameMDILink::ClientRect() : MonitorAreas().WorkArea;
  SetFormBounds(::Minimize(FCore.State, FormBounds(), FCore.MinSize(), area, MinimizedSlotsTaken()));
}

std::vector<TPoint> TspDynamicSkinForm::MinimizedSlotsTaken() {
  std::vector<TPoint> taken;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form == FForm || form == Application->MainForm() || !form->Visible()) continue;
    // An MDI child's slots are among its fellows, and theirs among the others.
    if ((form->FormStyle() == fsMDIChild) != FCore.Options.MDIChild) continue;
    TspDynamicSkinForm* frame = GetDynamicSkinForm(form);
    if (frame != nullptr && frame->WindowState() == TspWindowState::Minimized)
      taken.push_back(form->BoundsRect().TopLeft());
  }
  return taken;
}

// Rolling up

void TspDynamicSkinForm::RollUp(bool Value) {
  SyncFormOptions();
  const TspRollUpStep step = ::RollUp(FCore.State, Value, FCore.RollUpContext(FForm->Height()));
  switch (step.Kind) {
    case TspRollUpStep::Ignored: return;
    case TspRollUpStep::ShrinkToMinHeight: FForm->SetHeight(FCore.GetMinHeight()); break;
    case TspRollUpStep::SetClientHeight: FForm->SetClientHeight(step.Height); break;
    case TspRollUpStep::SetHeight: FForm->SetHeight(step.Height); break;
    case TspRollUpStep::ClientFrameRollUp: ClientFrameRollUp(); break;
    case TspRollUpStep::ClientFrameUnroll: ClientFrameUnroll(); break;
  }
  RepaintFrame();
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TspDynamicSkinForm::ClientFrameRollUp() {
  FCore.UpdateGeometry(FForm->Width(), FForm->Height());
  FObjects.UpdateObjectRects();
  TestActive(-1, -1, true);
  FObjects.MouseTimer()->SetEnabled(false);
  FObjects.MorphTimer()->SetEnabled(false);
  FClientAreaControls.HideForRollUp();
  SetFormBounds(ClientFrameRollUpBounds(FormBounds(), FCore.Skin().RollUpPicture, *FSkinData));
  FRegion.SetRollUpFormRegion(FSkinData);
  FForm->Invalidate();
  FObjects.MouseTimer()->SetEnabled(true);
  FObjects.MorphTimer()->SetEnabled(true);
}

void TspDynamicSkinForm::ClientFrameUnroll() {
  TestActive(-1, -1, true);
  FObjects.MouseTimer()->SetEnabled(false);
  FObjects.MorphTimer()->SetEnabled(false);
  FClientAreaControls.ShowAfterUnroll();
  if (FSkinData != nullptr && IsResizableFrame(*FSkinData)) FForm->SetHeight(FCore.State.HeightBeforeRollUp);
  ClientSizeFromFramePicture();
  FObjects.MouseTimer()->SetEnabled(true);
  FObjects.MorphTimer()->SetEnabled(true);
}

void TspDynamicSkinForm::ClientSizeFromFramePicture() {
  if (FSkinData == nullptr) return;
  const TspClientSizeChange change = ::ClientSizeFromFramePicture(
      {FForm->ClientWidth(), FForm->ClientHeight()}, FCore.Skin().Picture, IsResizableFrame(*FSkinData),
      FCore.Options.MinWidth, FCore.Options.MinHeight);
  FForm->SetClientWidth(change.ClientSize.cx);
  FForm->SetClientHeight(change.ClientSize.cy);
  if (change.Fixed) FCore.Options.Sizeable = false;
}

void TspDynamicSkinForm::CaptionDoubleClick() {
  Perform(ClientCaptionDoubleClick(FCore.State, FCore.Options.Sizeable));
}

// Showing, moving and sizing

void TspDynamicSkinForm::ShowWindowChanged(TMessage& Message) {
  HWND window = FForm->Handle();
  const bool layers = IsWindows2000OrLater();
  if (Message.WParam == 0) {
    if (FSkinnable && FCore.Options.MDIChild) FMDI.RemoveChildEntries();
    if (FSkinnable && FAlphaBlend && layers)
      SetLayered(window, false);
    return;
  }
  FFramePaintAwaited = true;
  const bool firstShow = FCore.State.FirstShowPending;
  if (firstShow)
    SetFormBounds(FirstShowBounds(FCore.State, FormBounds(), FCore.Options.PositionInMonitor, MonitorAreas()));
  // The window takes its shape while still hidden (unless it has it already): given once it
  // shows, the shape would repaint the frame and every control at once, before the first
  // paint paints them again.
  const TSize size{FForm->Width(), FForm->Height()};
  if (firstShow && FSkinInUse && FSkinnable && FCore.Options.SupportNCArea && MinSizeFits(size)) {
    FCore.UpdateGeometry(size.cx, size.cy);
    FRegion.SetBeforeFirstShow(FCore, FSkinData);
  }
  if (layers && (FAlphaBlend || FAlphaBlendAnimation)) {
    SetLayered(window, true);
    SetLayeredAlpha(window, 0);
    SetTimer(window, FadeInTimerId, 1, nullptr);
  }
  if (!FSkinnable) return;
  if (FForm->FormStyle() == fsMDIForm) FMDI.SubclassClient();
  if (FCore.Options.MDIChild) FMDI.AddChildEntries();
  if (!FCore.Options.SupportNCArea) LayOutClientAreaControls();
  // The frame shows the main menu itself; the form's would only take its shortcuts twice.
  if (FForm->Menu() != nullptr) FForm->SetMenu(nullptr);
}

void TspDynamicSkinForm::Moving(TMessage& Message) {
  if (!FSkinnable) return;
  auto* proposed = reinterpret_cast<RECT*>(Message.LParam);
  const bool stayPut = FCore.State.Maximized() && !FCore.Options.MDIChild;
  *proposed =
      ToRECT(FMover.Moving(FromRECT(*proposed), stayPut, FCore.Options.Magnetic, FCore.Options.MagneticSize, MagneticArea()));
}

TRect TspDynamicSkinForm::MagneticArea() {
  // In screen coordinates, as the system moves a window, a child too.
  return FCore.Options.MDIChild ? TspFrameMDILink::ClientScreenRect() : MonitorAreas().WorkArea;
}

bool TspDynamicSkinForm::MinSizeFits(TSize Size) const {
  return FCore.GetMinWidth() <= Size.cx && FCore.GetMinHeight() <= Size.cy;
}

void TspDynamicSkinForm::Sizing(TMessage& Message) {
  if (!FMover.FullWindowSizing()) {
    CallOldWindowProc(Message);
    return;
  }
  FMover.ReleaseEdges();
  CallOldWindowProc(Message);
  const TRect proposed = FromRECT(*reinterpret_cast<RECT*>(Message.LParam));
  const TSize current{FForm->Width(), FForm->Height()};
  const bool nc = FCore.Options.SupportNCArea;
  FCore.UpdateGeometry(proposed.Width(), proposed.Height());
  if (FSkinData == nullptr || (FSkinData->Empty() && FSkinnable && nc)) {
    SetFormRegion();
  } else if (nc && FSkinnable && MinSizeFits(current) &&
             !(current == TSize{proposed.Width(), proposed.Height()})) {
    UpdateRegion(true);
  }
}

void TspDynamicSkinForm::Size(TMessage& Message) {
  // The form's own procedure sees the message once.
  CallOldWindowProc(Message);
  if (FMover.FullWindowSizing()) return;
  FMover.ReleaseEdges();
  FCore.UpdateGeometry(FForm->Width(), FForm->Height());
  const bool nc = FCore.Options.SupportNCArea;
  const TSize last{FCore.LastWidth(), FCore.LastHeight()};
  if (!FSkinInUse && nc) {
    RepaintFrame();
    SetFormRegion();
  } else if (FSkinInUse && nc) {
    if (FSkinData != nullptr && MinSizeFits(last)) UpdateRegion(true);
  } else if (FSkinInUse && FSkinData != nullptr && !FCore.State.RollUpState) {
    if (IsResizableFrame(*FSkinData))
      UpdateRegion(true);
    else if (FCore.Skin().Picture == TSize{FForm->ClientWidth(), FForm->ClientHeight()})
      UpdateRegion(false);
  }
  if (FAlphaBlend && FAlphaBlendValue < 255 && IsWindows2000OrLater() && nc) {
    RepaintFrame();
    FForm->Invalidate();
  }
  if (nc && !FLogoBitMap.Empty() && FForm->FormStyle() != fsMDIForm) FForm->Invalidate();
}

void TspDynamicSkinForm::UpdateRegion(bool Redraw) {
  if (ComponentState().Contains(csDesigning) || FSkinData == nullptr || FSkinData->Empty()) return;
  if (FSkinnable) {
    FCore.UpdateGeometry(FCore.LastWidth(), FCore.LastHeight());
    if (Redraw) FObjects.UpdateObjectRects();
  }
  SetFormRegion();
  if (FCore.Options.SupportNCArea && !FRegion.Set() && FSkinnable) RepaintFrame();
  if (FSkinInUse && FSkinData->StretchEffect) NotifyParentBackgroundChanged();
  LayOutClientAreaControls();
}

void TspDynamicSkinForm::DragTo(TPoint Cursor) {
  FMover.DragTo(Cursor, FCore.Options.Magnetic, FCore.Options.MagneticSize, MagneticArea());
}
