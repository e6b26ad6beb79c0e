#pragma once
// Which tab of a skinned page control is under the pointer and what its close button
// does, without windows. The control hands over its pages as they are at each mouse
// event; the tracker keeps the hot tab, sets the close buttons' hot and pressed flags
// (which the pages hold), says when the tabs must be drawn again, and which page a
// release on a close button closes.
//
// Any mouse button presses a close button (only the left one finds the tab under the
// pointer first), and only a release on the button it pressed closes: that button's
// page. The selected tab's close button keeps its flags when the pointer leaves its tab;
// drawing the tab without the pointer takes the hot look.

#include "base/Geometry.h"

#include <span>

// A page's close button: where it was last drawn (relative to its tab's top-left
// corner), whether the pointer is on it and whether the left button went down on it.
struct TspCloseButtonState {
  TRect Rect;
  bool MouseIn = false;
  bool Pressed = false;
};

// One page as the tracker sees it: whether it has a tab, the tab's rectangle, where the
// tab's picture was drawn (an active tab taller than the others may start above or left
// of its rectangle), and its close button's state (nullptr for a page without one).
struct TspTrackedPage {
  bool TabVisible = false;
  TRect TabRect;
  TPoint DrawnAt;
  TspCloseButtonState* Close = nullptr;
};

class TspTabTracker {
public:
  // The tab under the pointer as a page index and as an index among the visible tabs;
  // -1 for none.
  int HotPage() const { return FHotPage; }
  int HotTab() const { return FHotTab; }

  // What a mouse event asks of the control.
  struct TResult {
    bool Redraw = false;   // draw the tabs again
    int ClosePage = -1;    // close this page
  };

  // The pointer is at P. TabIndex is the selected tab (drawn alike hot or not).
  TResult MouseMove(std::span<const TspTrackedPage> Pages, TPoint P, int TabIndex, bool CloseButtons);
  // A mouse button went down, or came up, at P; Left: it is the left one.
  TResult ButtonDown(std::span<const TspTrackedPage> Pages, TPoint P, int TabIndex, bool CloseButtons, bool Left) {
    return Button(Pages, P, TabIndex, CloseButtons, Left, true);
  }
  TResult ButtonUp(std::span<const TspTrackedPage> Pages, TPoint P, int TabIndex, bool CloseButtons, bool Left) {
    return Button(Pages, P, TabIndex, CloseButtons, Left, false);
  }
  // The pointer left the control: no tab is hot, and the close button of a tab other
  // than the selected one is neither hot nor pressed.
  TResult MouseLeave(std::span<const TspTrackedPage> Pages, int TabIndex);

private:
  // A press sets the hot close button's pressed look; a release on the button it pressed
  // closes its page, and every release ends every press.
  TResult Button(std::span<const TspTrackedPage> Pages, TPoint P, int TabIndex, bool CloseButtons, bool Left,
                 bool Down);
  // Pages may have gone, or lost their tabs, since the hot tab was found: a hot page that
  // is gone or has no tab is hot no more, and the hot tab counts the tabs before it anew.
  void KeepHotWithin(std::span<const TspTrackedPage> Pages);
  // The close button of the hot tab, and whether P is on it; nullptr without one.
  TspCloseButtonState* HotCloseButton(std::span<const TspTrackedPage> Pages, TPoint P, bool CloseButtons,
                                      bool& Inside) const;

  int FHotPage = -1;
  int FHotTab = -1;
};
