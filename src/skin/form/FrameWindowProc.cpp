// The window procedure that takes the skinned form's place: open menus close on the
// messages that end them, each frame message maps to one call of the frame, the rest goes
// on to the form's own procedure, and mouse messages reach the frame's objects after it.
#include "DynamicSkinForm.h"

#include "ActiveSkinObject.h"
#include "FrameMessages.h"
#include "SkinCaptionObject.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/portable/MenuItemState.h"

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/DeviceContexts.h"
#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include "base/FreeWatch.h"

// The frame rules answer hit tests by value.
static_assert(FrameHit::Client == HTCLIENT && FrameHit::Caption == HTCAPTION && FrameHit::Left == HTLEFT &&
              FrameHit::Right == HTRIGHT && FrameHit::Top == HTTOP && FrameHit::TopLeft == HTTOPLEFT &&
              FrameHit::TopRight == HTTOPRIGHT && FrameHit::Bottom == HTBOTTOM &&
              FrameHit::BottomLeft == HTBOTTOMLEFT && FrameHit::BottomRight == HTBOTTOMRIGHT &&
              FrameHit::Object == HTOBJECT);

namespace {

constexpr LRESULT NotSkinnableOnVista = 12852;
constexpr LRESULT SkinState = 12853;

bool IsFrameMouseMessage(UINT Msg) {
  return (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMBUTTONDBLCLK) || (Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST);
}

}  // namespace

void TspDynamicSkinForm::NewWndProc(TMessage& Message) {
  SyncFormOptions();
  if (IsSkinMenuCloseMessage(Message.Msg)) CloseMenusOnMessage();
  if (!IsFrameMouseMessage(Message.Msg)) {
    if (!HandleMessage(Message)) CallOldWindowProc(Message);
    return;
  }
  // A press on the caption or a border runs the system's move or size loop inside the
  // form's procedure; the loop takes the press and its release, so the objects get
  // neither (they would see the press where the moved window now has a button).
  const unsigned loops = FMover.LoopsBegun();
  if (!HandleMessage(Message)) CallOldWindowProc(Message);
  // A handler of the form's may have freed the form, and this component with it.
  if (!FreePending() && FMover.LoopsBegun() == loops) MouseAfterDefault(Message);
}

void TspDynamicSkinForm::CallOldWindowProc(TMessage& Message) {
  FWindowProcHook.CallNext(Message);
}

void TspDynamicSkinForm::SyncFormOptions() {
  FCore.Options.BorderStyle = FForm->BorderStyle();
  FCore.Options.MDIChild = FForm->FormStyle() == fsMDIChild;
}

void TspDynamicSkinForm::CloseMenusOnMessage() {
  FObjects.HideObjectHint();
  const bool mdiMain = FForm->FormStyle() == fsMDIForm && FForm->Visible();
  if (FMenus.MainMenuMode() && !FMenus.MenuOpen()) {
    EndMainMenuMode();
  } else if (FSkinMenu->Active()) {
    FSkinMenu->CloseMenu();
  } else if (FMenus.MenuOpen()) {
    SkinMenuClose();
  } else if (mdiMain) {
    if (TspDynamicSkinForm* child = GetActiveMDIChildSkinForm(); child != nullptr && child != this)
      child->CloseMenusOnMessage();
  }
  if (!mdiMain || !FForm->ComponentState().Empty()) return;
  // The main form's own drop-down lists and edit menus close too.
  for (int i = 0; i < FForm->ComponentCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(FForm->Components(i));
    if ((dynamic_cast<TspSkinComboBox*>(control) != nullptr || dynamic_cast<TspSkinEdit*>(control) != nullptr) &&
        control->Visible() && control->CanFocus())
      control->Perform(CM_CANCELMODE);
  }
}

bool TspDynamicSkinForm::HandleMessage(TMessage& Message) {
  const auto data = [&Message] { return reinterpret_cast<TspSkinData*>(Message.WParam); };
  switch (Message.Msg) {
    case WM_DESTROY: WindowDestroyed(); return false;
    case WM_SIZE: Size(Message); return true;
    case WM_ACTIVATE: return Activate(Message);
    case WM_SETTEXT:
    case WM_SETICON: return TextOrIconSet(Message);
    case WM_ERASEBKGND: return EraseBackground(Message);
    case WM_SHOWWINDOW: ShowWindowChanged(Message); return false;
    case WM_SETCURSOR: FormCursorInFrame(Message); return false;
    case WM_MOUSEACTIVATE: MouseActivate(); return false;
    case WM_GETMINMAXINFO: GetMinMaxInfo(Message); return false;
    case WM_NCCALCSIZE: return NonClientCalcSize(Message);
    case WM_NCHITTEST: return NonClientHitTest(Message);
    case WM_NCPAINT: return NonClientPaint();
    case WM_NCACTIVATE: return NonClientActivate(Message);
    case WM_SYNCPAINT: return SyncPaint(Message);
    case WM_SYSCOMMAND: return SystemCommand(Message);
    case WM_TIMER: WindowTimer(Message); return false;
    case WM_SIZING: Sizing(Message); return true;
    case WM_MOVING: Moving(Message); return false;
    case WM_ENTERSIZEMOVE: EnterSizeMove(); return false;
    case WM_EXITSIZEMOVE: ExitSizeMove(); return false;
    case SP_BEFORE_CHANGE_SKIN_DATA: BeforeSkinChange(data()); return false;
    case SP_CHANGE_SKIN_DATA: SkinChanged(data()); return false;
    case SP_AFTER_CHANGE_SKIN_DATA: AfterSkinChange(data()); return false;
    case SP_RESOURCE_STRINGS_CHANGED: ResourceStringsChanged(); return false;
    case SP_SKINNABLE_FORM_CHANGED: SkinnableFormChanged(data()); return false;
    case SP_MENU_CLOSED: SkinMenuClose(); return false;
    case SP_UPDATE_MAXIMIZED_MDI_CHILD:
    case SP_MDI_CHILD_MAXIMIZED:
    case SP_MDI_CHILD_RESTORED: return FMDI.HandleMessage(Message);
    case SP_QUERY_SKIN_STATE: return QuerySkinState(Message);
    case SP_PAINT_TO_DC: return PaintToDC(Message, SP_PAINT_TO_DC_ANSWER);
    case SP_PAINT_TO_DC_CHECKED: return Message.LParam == SP_PAINT_TO_DC_CHECK && PaintToDC(Message, SP_PAINT_TO_DC_CHECK);
    default: return false;
  }
}

// The messages' handlers

void TspDynamicSkinForm::WindowDestroyed() {
  FObjects.StopTimers();
  if (FCore.Options.MDIChild) FMDI.LeaveMain();
}

bool TspDynamicSkinForm::TextOrIconSet(TMessage& Message) {
  // The system paints its own caption for these: the frame goes over it again.
  if (!FSkinnable) return false;
  CallOldWindowProc(Message);
  if (Message.Msg == WM_SETTEXT && FCore.Options.MDIChild) {
    FMDI.UpdateChildEntries();
    // The main form's caption shows a maximized child's.
    if (FCore.State.Maximized()) TspFrameMDILink::NotifyMain(SP_MDI_CHILD_MAXIMIZED);
  }
  if (!FCore.FrameShown()) return true;
  RepaintFrame();
  if (Message.Msg == WM_SETTEXT && FSkinInUse) UpdateCaptionTexts();
  return true;
}

bool TspDynamicSkinForm::EraseBackground(TMessage& Message) {
  EraseBackground(reinterpret_cast<HDC>(Message.WParam));
  Message.Result = 1;
  return true;
}

void TspDynamicSkinForm::FormCursorInFrame(TMessage& Message) {
  if (!(FCore.Options.SupportNCArea && FUseFormCursorInNCArea && FSkinnable)) return;
  const WORD code = LOWORD(Message.LParam);
  if (code != HTCLIENT && !(code >= HTLEFT && code <= HTBOTTOMRIGHT))
    Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
}

void TspDynamicSkinForm::MouseActivate() {
  if (!FSkinnable || !FCore.Options.MDIChild || FMDI.Active()) return;
  TCustomForm* main = Application->MainForm();
  if (main != nullptr && main->ActiveMDIChild() == FForm) {
    FMDI.SetActive(true);
    UpdateActiveState(FCore.State.Maximized());
  }
}

bool TspDynamicSkinForm::NonClientPaint() {
  FFramePaintAwaited = false;
  if (!FSkinnable) return false;
  if (FCore.FrameShown()) {
    TWindowDC dc(FForm->Handle(), TWindowDC::WholeWindow);
    PaintFrameTo(dc.DC());
    return true;
  }
  // Without NC support the frame is in the client area; a border of the system's would
  // only show through.
  return FCore.Options.BorderStyle != bsNone && !(FCore.Options.MDIChild && FCore.State.Maximized());
}

bool TspDynamicSkinForm::SyncPaint(TMessage& Message) {
  if (!FSkinnable || !FCore.State.RollUpState || !FCore.Options.SupportNCArea) return false;
  RepaintFrame();
  Message.Result = 0;
  return true;
}

void TspDynamicSkinForm::WindowTimer(const TMessage& Message) {
  if (Message.WParam == FadeInTimerId) FadeIn();
}

void TspDynamicSkinForm::AfterSkinChange(TspSkinData* Data) {
  // The children have their new frames by now: the maximized ones fill the client again.
  if (FSkinData != nullptr && Data == FSkinData && FForm->FormStyle() == fsMDIForm) FMDI.FitMaximizedChildren();
}

void TspDynamicSkinForm::ResourceStringsChanged() {
  // The system menu takes its captions anew at each opening.
  UpdateButtonHints();
  UpdateTrayMenu();
}

void TspDynamicSkinForm::SkinnableFormChanged(TspSkinData* Data) {
  if (FSkinData != nullptr && Data == FSkinData && !FCore.Options.MDIChild) SetSkinnableForm(FSkinData->SkinnableForm());
}

bool TspDynamicSkinForm::QuerySkinState(TMessage& Message) {
  Message.Result = !FSkinnable && FVistaOrLater ? NotSkinnableOnVista : SkinState;
  return true;
}

bool TspDynamicSkinForm::PaintToDC(TMessage& Message, LRESULT Answer) {
  if (!FSkinnable || Message.WParam == 0 || !FCore.FrameShown()) return false;
  PaintFrameTo(reinterpret_cast<HDC>(Message.WParam));
  Message.Result = Answer;
  return true;
}

void TspDynamicSkinForm::RepaintFrame() {
  // A hidden window's frame is painted when it shows.
  if (FForm->Showing()) SendMessageA(FForm->Handle(), WM_NCPAINT, 0, 0);
}

TPoint TspDynamicSkinForm::FrameOrigin() {
  if (!FForm->HandleAllocated()) return FForm->BoundsRect().TopLeft();
  RECT window{};
  GetWindowRect(FForm->Handle(), &window);
  POINT client{0, 0};
  ClientToScreen(FForm->Handle(), &client);
  return FCore.FrameOrigin({window.left, window.top}, {client.x, client.y});
}

TPoint TspDynamicSkinForm::ScreenToFramePoint(TPoint Screen) {
  const TPoint origin = FrameOrigin();
  return {Screen.X - origin.X, Screen.Y - origin.Y};
}

// The non-client area

bool TspDynamicSkinForm::NonClientCalcSize(TMessage& Message) {
  if (!FSkinnable) return false;
  // Both forms of the message start with the proposed window rectangle.
  auto* proposed = reinterpret_cast<RECT*>(Message.LParam);
  const TRect window = FromRECT(*proposed);
  if (FCore.SkinFormUsable()) FCore.UpdateGeometry(window.Width(), window.Height());
  *proposed = ToRECT(FCore.NonClientClientRect(window));
  Message.Result = 0;
  return true;
}

bool TspDynamicSkinForm::NonClientHitTest(TMessage& Message) {
  if (!FSkinnable) return false;
  const TPoint screen = PointFromLParam(Message.LParam);
  if (!FCore.Options.SupportNCArea) {
    if (!FSkinInUse) return false;
    const TPoint p = FForm->ScreenToClient(screen);
    if (!FClientTracking) {
      FClientTracking = true;
      TestActive(p.X, p.Y, true);
      FObjects.MouseTimer()->SetEnabled(true);
    }
    Message.Result = FCore.ClientAreaHitTest(p, FObjects.HitObjects(p));
    return true;
  }
  const TPoint p = ScreenToFramePoint(screen);
  Message.Result = FCore.NonClientHitTest(p, FObjects.HitObjects(p));
  if (Message.Result == HTOBJECT && !FObjects.MouseTimer()->Enabled()) {
    TestActive(p.X, p.Y, true);
    FObjects.MouseTimer()->SetEnabled(true);
  }
  return true;
}

void TspDynamicSkinForm::GetMinMaxInfo(TMessage& Message) {
  if (!FSkinnable) return;
  auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  const TspMonitorAreas areas = MonitorAreas();
  info->ptMinTrackSize = {FCore.GetMinWidth(), FCore.GetMinHeight()};
  info->ptMaxTrackSize = {FCore.GetMaxWidth(areas), FCore.GetMaxHeight(areas)};
}

bool TspDynamicSkinForm::NonClientActivate(TMessage& Message) {
  if (!FSkinnable) return false;
  if (FSkinMenu->Active()) FSkinMenu->CloseMenu();
  FMDI.SetActive(Message.WParam != 0);
  // The system would paint its own caption: the frame answers alone. Its MDI procedures
  // keep the children's activation in step.
  Message.Result = 1;
  const bool mdiChild = FCore.Options.MDIChild;
  if (mdiChild || (FForm->FormStyle() == fsMDIForm && !FVistaOrLater)) CallOldWindowProc(Message);
  Message.Result = 1;
  const bool maximizedChild = mdiChild && FCore.State.Maximized();
  if (!maximizedChild && FCore.Options.BorderStyle != bsNone) {
    if (!FFramePaintAwaited) RepaintFrame();
    UpdateActiveState(true);
  } else {
    UpdateActiveState(false);
  }
  if (!mdiChild) return true;
  if (maximizedChild)
    if (TspDynamicSkinForm* main = GetDynamicSkinForm(Application->MainForm())) main->RepaintFrame();
  FMDI.UpdateChildEntries();
  if (FVistaOrLater) FForm->Invalidate();
  return true;
}

bool TspDynamicSkinForm::Activate(TMessage& Message) {
  if (!FSkinnable) return false;
  FMover.EndDrag();
  CallOldWindowProc(Message);
  const bool nc = FCore.Options.SupportNCArea;
  if (nc && !FFramePaintAwaited) RepaintFrame();
  if (FForm->FormStyle() == fsMDIForm) FMDI.UpdateBars();
  if (FCore.Options.MDIChild && FCore.State.Maximized()) {
    UpdateActiveState(false);
    return true;
  }
  if (nc) {
    TestActive(-1, -1, false);
    FObjects.ResetObjectStates();
  }
  UpdateActiveState(true);
  return true;
}

bool TspDynamicSkinForm::SystemCommand(TMessage& Message) {
  switch (Message.WParam & 0xFFF0) {
    case SC_RESTORE:
      if (OnRestore) OnRestore(this);
      return false;
    case SC_MOUSEMENU:
      // The system's own system menu never shows: the frame opens its skinned one.
      return FSkinnable;
    case SC_KEYMENU: return FMenus.SystemKeyMenu(Message.LParam);
    default: return false;
  }
}

void TspDynamicSkinForm::EnterSizeMove() {
  FMover.StickHere();
  if (!FCore.Options.SupportNCArea || !FSkinnable) return;
  FObjects.ResetObjectStates();
  FObjects.MouseTimer()->SetEnabled(false);
  FObjects.ForgetMouse();
  FMover.LoopStarted();
}

void TspDynamicSkinForm::ExitSizeMove() {
  // Every loop ends here, also one that no press on the frame started (the status bar's
  // grip).
  FMover.LoopEnded();
  if (!FCore.Options.SupportNCArea || !FSkinnable) return;
  FObjects.MouseTimer()->SetEnabled(false);
  FObjects.ForgetMouse();
  if (FSkinData != nullptr && !FSkinData->Empty()) RepaintFrame();
}

// The fade-in that a first show starts: the window ends opaque without a layered style,
// or at AlphaBlendValue. The thread does nothing else meanwhile.
void TspDynamicSkinForm::FadeIn() {
  if (!IsWindows2000OrLater() || !(FAlphaBlend || FAlphaBlendAnimation)) return;
  HWND window = FForm->Handle();
  KillTimer(window, FadeInTimerId);
  const uint8_t target = FAlphaBlendAnimation && !FAlphaBlend ? 255 : FAlphaBlendValue;
  if (FAlphaBlendAnimation) {
    const TFreeWatch self(this);
    Application->ProcessMessages();
    if (self.Gone() || !IsWindow(window)) return;
    RunFadeIn(
        target, TspFade{}, [] { return static_cast<uint32_t>(Seams::TickCount()); },
        [window](uint8_t Alpha) { SetLayeredAlpha(window, Alpha); });
  } else if (target != 255) {
    SetLayeredAlpha(window, FAlphaBlendValue);
  }
  if (target == 255) SetLayered(window, false);
}

// Activation

bool TspDynamicSkinForm::IsFormActive() {
  if (FForceActive) return true;
  if (FForm->FormStyle() == fsMDIChild || FForm->FormStyle() == fsMDIForm) return FMDI.Active();
  return FForm->Active() && Screen->ActiveForm() == FForm;
}

void TspDynamicSkinForm::UpdateActiveState(bool Redraw) {
  const bool active = IsFormActive();
  for (const auto& object : FObjects) {
    auto* caption = dynamic_cast<TspSkinCaptionObject*>(object.get());
    if (caption == nullptr) continue;
    caption->Active = active;
    if (Redraw && FObjects.ObjectShown(*caption)) {
      if (caption->CanAnimate()) {
        caption->RestartAnimation(active);
        StartAnimationTimer();
      }
      if (!(FCore.Options.SupportNCArea && IsNullRect(caption->ActiveSkinRect))) caption->ReDraw();
    } else if (caption->Morphing) {
      caption->MorphKf = active ? 1 : 0;
    }
  }
  const TNotifyEvent event = active ? OnActivate : OnDeActivate;
  if (event) event(this);
}

// The mouse after the form's own procedure

void TspDynamicSkinForm::MouseAfterDefault(const TMessage& Message) {
  const bool nc = FCore.Options.SupportNCArea;
  const bool frame = nc && FSkinnable;
  const TPoint screen = PointFromLParam(Message.LParam);
  const TPoint client = PointFromLParam(Message.LParam);
  const int hit = static_cast<int>(Message.WParam);
  switch (Message.Msg) {
    case WM_NCMOUSEMOVE:
      if (frame) {
        const TPoint p = ScreenToFramePoint(screen);
        FObjects.ObjectsMouseMove(p.X, p.Y);
      }
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK: {
      if (!frame) return;
      const TPoint p = ScreenToFramePoint(screen);
      const bool left = Message.Msg == WM_NCLBUTTONDOWN || Message.Msg == WM_NCLBUTTONDBLCLK;
      TestActive(p.X, p.Y, true);
      FObjects.ObjectsMouseDown(left ? mbLeft : mbRight, p.X, p.Y);
      if (Message.Msg == WM_NCLBUTTONDBLCLK) FObjects.ObjectsDblClick();
      if (hit != HTCAPTION) return;
      FObjects.DropCaptured();
      if (Message.Msg == WM_NCLBUTTONDBLCLK)
        Perform(NonClientCaptionDoubleClick(FCore.State, FCore.Options.Sizeable, FCore.Options.BorderIcons));
      else if (Message.Msg == WM_NCRBUTTONDOWN)
        PopupSystemMenu(screen.X, screen.Y);
      return;
    }
    case WM_NCLBUTTONUP:
      if (frame) {
        const TPoint p = ScreenToFramePoint(screen);
        // What the left release's handlers and command raise is dropped here, unreported:
        // the frame's part of the click is done, and a caption button's command may have
        // taken the window apart already.
        try {
          FObjects.ObjectsMouseUp(mbLeft, p.X, p.Y);
        } catch (...) {
        }
      }
      return;
    case WM_NCRBUTTONUP:
      if (frame) {
        const TPoint p = ScreenToFramePoint(screen);
        FObjects.ObjectsMouseUp(mbRight, p.X, p.Y);
      }
      return;
    case WM_MOUSEMOVE:
      if (nc) {
        // An object pressed on the frame holds the mouse (the form captured it): it
        // follows the pointer over the client area too, as a dragged track bar must.
        if (frame && FObjects.CapturedObject() != -1) {
          const TPoint p = ScreenToFramePoint(FForm->ClientToScreen(client));
          FObjects.ObjectsMouseMove(p.X, p.Y);
        }
        return;
      }
      FObjects.ObjectsMouseMove(client.X, client.Y);
      if (FMover.Dragging()) DragTo(Seams::CursorPos());
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (nc) return;
      if (Message.Msg == WM_LBUTTONDOWN) FMover.StickHere();
      FObjects.ObjectsMouseDown(Message.Msg == WM_LBUTTONDOWN ? mbLeft : mbRight, client.X, client.Y);
      return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const TMouseButton button = Message.Msg == WM_LBUTTONUP ? mbLeft : mbRight;
      if (nc)
        FObjects.ObjectsMouseUp(button, -1, -1);
      else
        FObjects.ObjectsMouseUp(button, client.X, client.Y);
      return;
    }
    case WM_LBUTTONDBLCLK: {
      // The objects of a frame outside the client area are none of a client double-click's
      // business.
      if (nc) return;
      FObjects.ObjectsMouseDown(mbLeft, client.X, client.Y);
      FObjects.ObjectsDblClick();
      // A double-click on the caption of a frame drawn in the client area.
      if (OverCaptionObject(FObjects.ObjectPlaces(), client, false, FCore.State.RollUpState)) CaptionDoubleClick();
      return;
    }
    case WM_RBUTTONDBLCLK:
      if (!nc) FObjects.ObjectsMouseDown(mbRight, client.X, client.Y);
      return;
    default: return;
  }
}
