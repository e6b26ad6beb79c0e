#pragma once
// TScreen: the forms of the application, the active form, the cursors and the screen's
// size.

#include "Control.h"

#include "base/Component.h"

#include <map>
#include <vector>

class TCustomForm;

// The system's shared cursor Name (an IDC_ value), loaded once: each load hands out the
// same handle, yet costs a search of the system's resources.
HCURSOR SharedSystemCursor(LPCSTR Name);

class TScreen : public TComponent {
public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // Forms in creation order.
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const;
  TCustomForm* ActiveForm() const { return FActiveForm; }

  // The cursor for an index: the system cursors of the cr* constants, crDrag (made here;
  // replaceable) or one set with SetCursors; an unknown index gives the arrow.
  HCURSOR Cursors(TCursor Index) const;
  // Takes ownership of Handle (nullptr removes the entry); system cursors cannot be replaced.
  void SetCursors(TCursor Index, HCURSOR Handle);
  // While not crDefault this cursor shows over every control.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // Shows Cursor again, or with crDefault lets the window under the pointer choose its
  // own (after a drag showed cursors of its own).
  void RestoreCursor();

  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  int PixelsPerInch() const { return 96; }
  TRect WorkAreaRect() const;
  TRect DesktopRect() const;

private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void SetActiveForm(TCustomForm* Form) { FActiveForm = Form; }

  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  std::map<TCursor, HCURSOR> FOwnedCursors;
  TCursor FCursor = crDefault;
};

extern TScreen* Screen;
