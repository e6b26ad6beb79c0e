#pragma once
// TspFrameMDILink: the skinned frame's part in MDI. On an MDI main form it takes the
// client window's procedure over (no frame of its own, its background from the skin),
// fits maximized children to the client and keeps the bars (the menu bar's child buttons
// and merged menu, the tabs) in step with the children. On an MDI child it keeps the
// child's window-menu item and tab on the main form and tells the main form when the
// child's frame maximizes or leaves that state.

#include "skin/controls/WindowProcHook.h"

#include "classlib/Messages.h"

class TComponent;
class TMenuItem;
class TObject;
class TspDynamicSkinForm;

class TspFrameMDILink {
public:
  explicit TspFrameMDILink(TspDynamicSkinForm& Frame) : FFrame(Frame) {}

  // The main form's client window, while the link has its procedure; nullptr otherwise.
  HWND SubclassedClient() const { return FClient; }
  void SubclassClient();
  void RestoreClient();
  // A new skin: the client repaints its background and maximized children fit again.
  void SkinChanged();
  // The main form sends its children SP_UPDATE_MAXIMIZED_MDI_CHILD.
  void FitMaximizedChildren();
  // The main form's flag: one of its children shows maximized by its frame.
  bool ChildMaximized() const { return FChildMaximized; }
  // The main form's bars follow its children: caption buttons and merged menus.
  void UpdateBars();
  // The MDI messages between a main form and its children's frames; false sends the
  // message on to the form's procedure.
  bool HandleMessage(TMessage& Message);

  // The window's MDI activation, as the frame last heard of it.
  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  // A child's window-menu item and tab on the main form: added on show, renamed with the
  // caption, checked while active, removed on hide and when the window goes.
  void AddChildEntries();
  void RemoveChildEntries();
  void UpdateChildEntries();
  // A child tells the main form that its frame maximized or left that state.
  static void NotifyMain(UINT Msg);
  // A child that goes (or whose frame goes) leaves the main form's bars and window menu.
  void LeaveMain();
  // The main form's client window's rectangle, at (0, 0): where its children lie.
  static TRect ClientRect();
  // The same where it shows on the screen.
  static TRect ClientScreenRect();

  void Notification(TComponent* AComponent);

private:
  void MDIClientWndProc(TMessage& Message);
  void WindowMenuItemClick(TObject* Sender);

  TspDynamicSkinForm& FFrame;
  HWND FClient = nullptr;
  TspWindowProcHook FClientHook;
  TMenuItem* FWindowMenuItem = nullptr;
  bool FChildMaximized = false;
  bool FActive = false;
};
