#pragma once
// TspFrameTrayLink: the skinned frame's tray icon. The icon waits hidden (unless
// AlwaysShow) with the frame's tray menu and, without a handler of its own, restores the
// window on a double-click; minimizing to the tray hides the application to it, restoring
// brings the main form back. A tray icon the link lets go keeps no handler of the link's.

class TComponent;
class TObject;
class TspDynamicSkinForm;
class TspTrayIcon;

class TspFrameTrayLink {
public:
  explicit TspFrameTrayLink(TspDynamicSkinForm& Frame) : FFrame(Frame) {}
  TspFrameTrayLink(const TspFrameTrayLink&) = delete;
  TspFrameTrayLink& operator=(const TspFrameTrayLink&) = delete;

  TspTrayIcon* Icon() const { return FIcon; }
  // Designing, the icon only hides (unless AlwaysShow).
  void SetIcon(TspTrayIcon* Value, bool Designing);
  bool AlwaysShow() const { return FAlwaysShow; }
  void SetAlwaysShow(bool Value) { FAlwaysShow = Value; }
  // Without an icon both leave the window as it is.
  void MinimizeToTray();
  void RestoreFromTray();
  // Takes the link's double-click handler off the icon.
  void LetGo();
  void Notification(TComponent* AComponent);

private:
  void IconDblClick(TObject* Sender);

  TspDynamicSkinForm& FFrame;
  TspTrayIcon* FIcon = nullptr;
  bool FAlwaysShow = false;
};
