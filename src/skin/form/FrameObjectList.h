#pragma once
// TspFrameObjectList: the skin objects that live on a skinned frame, in hit order. It makes
// them from the skin's object entries (or the default caption buttons, and the main menu's
// items where no menu bar shows them), lays them out for the window's size, tests them
// under the mouse and feeds them its presses, shows their hints, and runs the three frame
// timers: the mouse timer that follows the pointer, and the objects' morph and animation.

#include "skin/form/portable/FrameObjects.h"

#include "classlib/Control.h"

#include <memory>
#include <vector>

class TspActiveSkinObject;
class TspDynamicSkinForm;
class TspSkinMainMenuItem;
class TTimer;

class TspFrameObjectList {
public:
  using TObjects = std::vector<std::unique_ptr<TspActiveSkinObject>>;

  // The timers belong to Frame, stopped until an object or the frame starts one.
  explicit TspFrameObjectList(TspDynamicSkinForm& Frame);
  TspFrameObjectList(const TspFrameObjectList&) = delete;
  TspFrameObjectList& operator=(const TspFrameObjectList&) = delete;

  int Count() const { return static_cast<int>(FObjects.size()); }
  bool Empty() const { return FObjects.empty(); }
  TspActiveSkinObject* Item(int Index) const { return FObjects.at(static_cast<size_t>(Index)).get(); }
  TObjects::const_iterator begin() const { return FObjects.begin(); }
  TObjects::const_iterator end() const { return FObjects.end(); }
  std::vector<TspObjectPlace*> ObjectPlaces() const;
  // The objects that show the main menu's top-level items, in menu order.
  std::vector<TspSkinMainMenuItem*> MainMenuItems() const;
  // The first visible, enabled standard button with that command; nullptr for none.
  TspActiveSkinObject* StdButtonObject(TspStdButtonCommand Command) const;
  bool ObjectShown(const TspActiveSkinObject& Object) const;

  // Making and placing.
  void CreateObjects();
  void CreateDefaultButtonObjects();
  void ClearObjects();
  // One object per visible top-level item of the frame's MainMenu, without a menu bar and
  // with the skin's "MAINMENUITEM" entry; made again when the menu or the bar changes.
  void UpdateMainMenuItemObjects();
  void UpdateObjectRects();
  // The objects forget the menu items of a system menu that goes.
  void ForgetObjectMenus();

  // The mouse.
  int HotObject() const { return FHotObject; }
  int CapturedObject() const { return FCapturedObject; }
  // No object is hot or holds the mouse.
  void ForgetMouse() { FHotObject = FOldHotObject = FCapturedObject = -1; }
  // The press went to the caption: no object holds the mouse.
  void DropCaptured() { FCapturedObject = -1; }
  // Tests the objects at a frame point: the one under it becomes hot (with InFrame).
  void TestActive(int X, int Y, bool InFrame);
  TspHitObjects HitObjects(TPoint P) const;
  void ObjectsMouseMove(int X, int Y);
  void ObjectsMouseDown(TMouseButton Button, int X, int Y);
  void ObjectsMouseUp(TMouseButton Button, int X, int Y);
  void ObjectsDblClick();
  void ResetObjectStates();
  void HideObjectHint();

  // The timers.
  TTimer* MorphTimer() const { return FMorphTimer; }
  TTimer* AnimationTimer() const { return FAnimationTimer; }
  TTimer* MouseTimer() const { return FMouseTimer; }
  void StopTimers();

private:
  void CreateMainMenuItemObjects();
  // The items in the skin's main-menu row, each as wide as its caption needs.
  void LayOutMainMenuItems();
  // The objects' hints go through the frame's SkinHint while ShowObjectHint is on.
  bool ObjectHintsShown() const;
  void UpdateSkinCursor();
  void MouseTimerProc(TObject* Sender);
  void AnimationTimerProc(TObject* Sender);
  void MorphTimerProc(TObject* Sender);

  TspDynamicSkinForm& FFrame;
  TObjects FObjects;
  // Counts every change of FObjects: an object's handler that rebuilt them leaves an
  // index that names another object.
  unsigned FObjectsGeneration = 0;
  bool FObjectHintStarted = false;  // an object's hint is pending or shown
  int FHotObject = -1;
  int FOldHotObject = -1;
  int FCapturedObject = -1;
  TTimer* FMorphTimer;
  TTimer* FMouseTimer;
  TTimer* FAnimationTimer;
};
