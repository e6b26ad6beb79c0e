#pragma once
// Windows only. The skinned scroll bars a grid scrolls by: placed by the window beside
// the grid, bound to it, shown while its view does not hold all its cells, ranged and
// positioned as the view asks, and turning their buttons, track and thumb into scroll
// messages to the grid's window (the high word carrying the bar's position).

#include "grid/portable/GridModel.h"

class TComponent;
class TWinControl;
class TObject;
class TspSkinScrollBar;

class TGridScrollBars {
public:
  // Grid (whose model Model is) is told when a bound bar goes (FreeNotification) and
  // gets the messages.
  TGridScrollBars(TWinControl& Grid, const TGridModel& Model) : FGrid(Grid), FModel(Model) {}
  ~TGridScrollBars();
  TGridScrollBars(const TGridScrollBars&) = delete;
  TGridScrollBars& operator=(const TGridScrollBars&) = delete;

  TspSkinScrollBar* Bar(TGridBar Which) const { return FBars[Which].Bar; }
  // Binds Bar (nullptr: none) in place of the one before, whose events are let go. A
  // bound bar is enabled and hidden until the view needs it.
  void Bind(TGridBar Which, TspSkinScrollBar* Bar);
  // A component is going: when it is a bound bar, the grid forgets it.
  void Forget(TComponent* Component);

  // The thumb to Pos, without the bar's change event.
  void SetPosition(TGridBar Which, int32_t Pos);
  // The range and steps of the view; the bar is marked to be shown or hidden.
  void SetRange(TGridBar Which, const TGridScrollRange& Range);
  // Shows and hides the marked bars; the horizontal bar covers the corner while the
  // vertical one shows. Whether a bar changed.
  bool ApplyVisibility();
  // Both bars take the grid's visibility.
  void FollowGrid(bool Visible);

private:
  struct TBinding {
    TspSkinScrollBar* Bar = nullptr;
    bool Show = false;  // what the view asks
    bool Marked = false;
  };

  void Release(TGridBar Which);
  void Send(TGridBar Which, int Code, int32_t Pos);
  // The bar's events.
  void ThumbMoved(TObject* Sender);     // OnChange: with thumb tracking, the vertical bar
  void ThumbReleased(TObject* Sender);  // OnLastChange
  void UpButton(TObject* Sender);
  void DownButton(TObject* Sender);
  void PageUp(TObject* Sender);
  void PageDown(TObject* Sender);
  TGridBar Which(TObject* Sender) const;
  bool Tracks(TGridBar Which) const;

  TWinControl& FGrid;
  const TGridModel& FModel;
  TBinding FBars[2];
};
