// The frame's skin objects: made from the skin's object entries (or the default caption
// buttons), laid out for the window's size, tested under the mouse and fed its presses,
// and animated by the three frame timers.
#include "FrameObjectList.h"

#include "DynamicSkinForm.h"

#include "SkinButtonObjects.h"
#include "SkinCaptionObject.h"
#include "SkinDisplayObjects.h"
#include "SkinMainMenuItem.h"
#include "SkinValueObjects.h"

#include "skin/form/portable/FramePainting.h"
#include "skin/form/portable/MenuBarLayout.h"

#include "skin/menus/SkinHint.h"

#include "skin/data/SkinData.h"

#include "classlib/SystemSeams.h"
#include "classlib/Timer.h"

#include <algorithm>

// Making and placing

namespace {

constexpr unsigned MorphInterval = 25;
constexpr unsigned AnimationInterval = 25;
constexpr unsigned MouseInterval = 50;

using TObjectMaker = std::unique_ptr<TspActiveSkinObject> (*)(TspDynamicSkinForm* Frame,
                                                                const TspDataSkinObject* Entry);

// The object of class O for an entry of class D; nullptr for an entry of another class.
template <class D, class O>
std::unique_ptr<TspActiveSkinObject> Make(TspDynamicSkinForm* Frame, const TspDataSkinObject* Entry) {
  const auto* data = dynamic_cast<const D*>(Entry);
  return data != nullptr ? std::make_unique<O>(Frame, data) : nullptr;
}

// Tried in this order: the first that takes an entry makes its object, so that a standard
// button's entry never becomes a plain button.
constexpr TObjectMaker ObjectMakers[] = {
    Make<TspDataSkinGauge, TspSkinGaugeObject>,
    Make<TspDataSkinStdButton, TspSkinStdButtonObject>,
    Make<TspDataSkinButton, TspSkinButtonObject>,
    Make<TspDataSkinCaption, TspSkinCaptionObject>,
    Make<TspDataUserObject, TspUserObject>,
    Make<TspDataSkinSwitch, TspSkinSwitchObject>,
    Make<TspDataSkinTrackBar, TspSkinTrackBarObject>,
    Make<TspDataSkinLabel, TspSkinLabelObject>,
    Make<TspDataSkinAnimate, TspSkinAnimateObject>,
    Make<TspDataSkinBitLabel, TspSkinBitLabelObject>,
    Make<TspDataSkinFrameRegulatorObject, TspSkinFrameRegulatorObject>,
    Make<TspDataSkinFrameGaugeObject, TspSkinFrameGaugeObject>,
};

}  // namespace

TspFrameObjectList::TspFrameObjectList(TspDynamicSkinForm& Frame)
    : FFrame(Frame),
      FMorphTimer(NewStoppedTimer(&Frame, MorphInterval, Event(this, &TspFrameObjectList::MorphTimerProc))),
      FMouseTimer(NewStoppedTimer(&Frame, MouseInterval, Event(this, &TspFrameObjectList::MouseTimerProc))),
      FAnimationTimer(
          NewStoppedTimer(&Frame, AnimationInterval, Event(this, &TspFrameObjectList::AnimationTimerProc))) {}

void TspFrameObjectList::ClearObjects() {
  // The hint of an object that goes goes with it.
  if (FObjectHintStarted) HideObjectHint();
  ++FObjectsGeneration;
  FObjects.clear();
  FFrame.FClientAreaControls.Clear();
  ForgetMouse();
}

void TspFrameObjectList::CreateObjects() {
  ClearObjects();
  for (const auto& entry : FFrame.FSkinData->ObjectList) {
    const TspDataSkinObject* data = entry.get();
    // Menu items show in menus and the menu bar; a menu bar button is the bar's.
    if (dynamic_cast<const TspDataSkinMainMenuItem*>(data) != nullptr ||
        dynamic_cast<const TspDataSkinMenuItem*>(data) != nullptr ||
        dynamic_cast<const TspDataSkinMainMenuBarButton*>(data) != nullptr)
      continue;
    for (TObjectMaker make : ObjectMakers)
      if (std::unique_ptr<TspActiveSkinObject> object = make(&FFrame, data)) {
        FObjects.push_back(std::move(object));
        break;
      }
  }
  CreateMainMenuItemObjects();
}

void TspFrameObjectList::CreateMainMenuItemObjects() {
  // A menu bar control shows the main menu instead.
  if (FFrame.FMainMenu == nullptr || FFrame.FMainMenuBar != nullptr || FFrame.FSkinData == nullptr) return;
  const int index = FFrame.FSkinData->GetIndex("MAINMENUITEM");
  if (index < 0) return;
  const auto* entry = dynamic_cast<const TspDataSkinMainMenuItem*>(FFrame.FSkinData->ObjectList[static_cast<size_t>(index)].get());
  if (entry == nullptr) return;
  TMenuItem* items = FFrame.FMainMenu->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Visible())
      FObjects.push_back(std::make_unique<TspSkinMainMenuItem>(&FFrame, *entry, items->Items(i)));
}

void TspFrameObjectList::UpdateMainMenuItemObjects() {
  if (FFrame.MainMenuMode()) FFrame.EndMainMenuMode();
  ++FObjectsGeneration;
  std::erase_if(FObjects, [](const std::unique_ptr<TspActiveSkinObject>& Object) {
    return dynamic_cast<const TspSkinMainMenuItem*>(Object.get()) != nullptr;
  });
  ForgetMouse();
  if (FFrame.FSkinInUse && FFrame.FSkinnable) CreateMainMenuItemObjects();
  FFrame.RepaintFrame();
}

std::vector<TspSkinMainMenuItem*> TspFrameObjectList::MainMenuItems() const {
  std::vector<TspSkinMainMenuItem*> items;
  for (const auto& object : FObjects)
    if (auto* item = dynamic_cast<TspSkinMainMenuItem*>(object.get())) items.push_back(item);
  return items;
}

void TspFrameObjectList::CreateDefaultButtonObjects() {
  ClearObjects();
  struct TDefaultButton {
    const char* IDName;
    TspStdButtonCommand Command;
  };
  for (const TDefaultButton& b :
       {TDefaultButton{"closebutton", cmclose}, TDefaultButton{"maxbutton", cmmaximize},
        TDefaultButton{"minbutton", cmminimize}, TDefaultButton{"rollupbutton", cmrollup},
        TDefaultButton{"sysmenubutton", cmsysmenu}, TDefaultButton{"traybutton", cmminimizetotray}})
    FObjects.push_back(std::make_unique<TspSkinStdButtonObject>(&FFrame, b.IDName, b.Command));
  FFrame.UpdateButtonStates();
}

std::vector<TspObjectPlace*> TspFrameObjectList::ObjectPlaces() const {
  std::vector<TspObjectPlace*> places;
  places.reserve(FObjects.size());
  for (const auto& object : FObjects) places.push_back(object.get());
  return places;
}

void TspFrameObjectList::UpdateObjectRects() {
  ::UpdateObjectRects(ObjectPlaces(), FFrame.FCore);
  LayOutMainMenuItems();
}

void TspFrameObjectList::LayOutMainMenuItems() {
  const std::vector<TspSkinMainMenuItem*> items = MainMenuItems();
  if (items.empty()) return;
  std::vector<TSize> sizes;
  for (const TspSkinMainMenuItem* item : items) sizes.push_back(item->MeasureSize());
  // The row ends where the caption buttons' side of the row is.
  const TRect& row = FFrame.FCore.Geometry().MainMenuRect;
  const std::vector<TspMenuItemPlace> places = PlaceMenuItems(row.TopLeft(), sizes, row.Right);
  for (size_t i = 0; i < items.size(); ++i) items[i]->SetPlace(places[i]);
}

bool TspFrameObjectList::ObjectShown(const TspActiveSkinObject& Object) const {
  return ::ObjectShown(Object, FFrame.FCore.Options.SupportNCArea, FFrame.FCore.State.RollUpState);
}

TspHitObjects TspFrameObjectList::HitObjects(TPoint P) const {
  return {FHotObject != -1,
          OverCaptionObject(ObjectPlaces(), P, FFrame.FCore.Options.SupportNCArea, FFrame.FCore.State.RollUpState), FFrame.FMover.InSizeMove()};
}

TspActiveSkinObject* TspFrameObjectList::StdButtonObject(TspStdButtonCommand Command) const {
  for (const auto& object : FObjects) {
    auto* button = dynamic_cast<TspSkinStdButtonObject*>(object.get());
    if (button != nullptr && button->Visible && button->Enabled && button->Command == Command) return button;
  }
  return nullptr;
}

void TspFrameObjectList::ForgetObjectMenus() {
  for (const auto& object : FObjects) {
    if (auto* button = dynamic_cast<TspSkinButtonObject*>(object.get())) button->MenuItem = nullptr;
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get())) animate->MenuItem = nullptr;
  }
}

// The mouse

void TspFrameObjectList::TestActive(int X, int Y, bool InFrame) {
  if (FObjects.empty() || (FFrame.FCore.Options.SupportNCArea && !FFrame.IsFormActive())) return;
  FOldHotObject = FHotObject;
  const int candidate = ObjectAt(ObjectPlaces(), {X, Y}, FFrame.FCore.Options.SupportNCArea, FFrame.FCore.State.RollUpState);
  int hot = candidate != -1 && InFrame ? candidate : -1;
  // A pressed object keeps the mouse to itself.
  if (FCapturedObject != -1 && hot != FCapturedObject) hot = -1;
  FHotObject = hot;
  if (FHotObject == FOldHotObject) return;
  const auto takesPart = [this](int Index) {
    return Index >= 0 && Index < Count() && Item(Index)->Enabled && Item(Index)->Visible;
  };
  const unsigned generation = FObjectsGeneration;
  if (takesPart(FOldHotObject)) {
    TspActiveSkinObject* old = Item(FOldHotObject);
    if (ObjectHintsShown() && !old->Hint.empty()) HideObjectHint();
    old->MouseLeave();
  }
  // A handler that rebuilt the objects left the index to another object, which the
  // pointer never reached.
  if (generation != FObjectsGeneration || !takesPart(FHotObject)) return;
  TspActiveSkinObject* entered = Item(FHotObject);
  entered->MouseEnter();
  if (generation != FObjectsGeneration) return;
  if (ObjectHintsShown() && !entered->Hint.empty() && FFrame.IsFormActive()) {
    FFrame.FSkinHint->ActivateHintDelayed(entered->Hint);
    FObjectHintStarted = true;
  }
}

bool TspFrameObjectList::ObjectHintsShown() const { return FFrame.FShowObjectHint && FFrame.FSkinHint != nullptr; }

void TspFrameObjectList::HideObjectHint() {
  FObjectHintStarted = false;
  if (ObjectHintsShown()) FFrame.FSkinHint->HideHint();
}

void TspFrameObjectList::ObjectsMouseMove(int X, int Y) {
  if (!FFrame.FCore.Options.SupportNCArea && FFrame.FMover.Dragging()) return;
  const int target = FCapturedObject != -1 ? FCapturedObject : FHotObject;
  if (target >= 0 && target < Count()) Item(target)->MouseMove(X, Y);
}

void TspFrameObjectList::ObjectsMouseDown(TMouseButton Button, int X, int Y) {
  TestActive(X, Y, true);
  const bool nc = FFrame.FCore.Options.SupportNCArea;
  if (FHotObject >= 0 && FHotObject < Count()) {
    FCapturedObject = FHotObject;
    TspActiveSkinObject* object = Item(FHotObject);
    if (nc && object->Kind != TspFrameObjectKind::Caption) SetCapture(FFrame.FForm->Handle());
    object->MouseDown(X, Y, Button);
    return;
  }
  if (!nc && Button == mbLeft && FFrame.FDraggAble && !FFrame.FCore.State.Maximized()) FFrame.BeginObjectDrag(X, Y);
}

void TspFrameObjectList::ObjectsMouseUp(TMouseButton Button, int X, int Y) {
  if (!FFrame.FCore.Options.SupportNCArea) FFrame.EndObjectDrag();
  if (FCapturedObject < 0 || FCapturedObject >= Count()) return;
  TspActiveSkinObject* object = Item(FCapturedObject);
  FCapturedObject = -1;
  if (FFrame.FCore.Options.SupportNCArea && object->Kind != TspFrameObjectKind::Caption) ReleaseCapture();
  object->MouseUp(X, Y, Button);
}

void TspFrameObjectList::ObjectsDblClick() {
  if (FHotObject >= 0 && FHotObject < Count()) Item(FHotObject)->DblClick();
}

void TspFrameObjectList::ResetObjectStates() {
  for (const auto& object : FObjects) {
    if (object->Kind == TspFrameObjectKind::Caption) continue;
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get())) {
      animate->Rewind();
      continue;
    }
    object->MouseIn = object->Active = false;
    // A button held down by its group or its open menu stays so: the group's down button
    // is its choice, and a menu's button goes up when its menu closes, not on activation.
    if (auto* button = dynamic_cast<TspSkinButtonObject*>(object.get());
        button != nullptr && button->GroupIndex == -1 && button->MenuItem == nullptr)
      button->Down = false;
  }
}

// Timers

void TspFrameObjectList::StopTimers() {
  FMouseTimer->SetEnabled(false);
  FMorphTimer->SetEnabled(false);
  FAnimationTimer->SetEnabled(false);
}

void TspFrameObjectList::MouseTimerProc(TObject*) {
  const bool nc = FFrame.FCore.Options.SupportNCArea;
  if (!FFrame.FSkinInUse && !nc) return;
  const TPoint cursor = Seams::CursorPos();
  if (nc) {
    if (FFrame.FMover.InSizeMove()) {
      FMouseTimer->SetEnabled(false);
      return;
    }
    const TPoint p = FFrame.ScreenToFramePoint(cursor);
    const TRect client =
        FFrame.FSkinInUse ? FFrame.FCore.Geometry().ClRect
                   : DefaultClientRect(FFrame.FCore.LastWidth(), FFrame.FCore.LastHeight(), FFrame.FCore.GetDefaultCaptionHeight());
    if (!PtInRect(client, p))
      TestActive(p.X, p.Y, true);
    else if (FHotObject != -1)
      TestActive(-1, -1, true);
    return;
  }
  if (!FFrame.FMover.Dragging()) {
    const TPoint p = FFrame.FForm->ScreenToClient(cursor);
    if (WindowFromPoint(POINT{cursor.X, cursor.Y}) == FFrame.FForm->Handle()) {
      TestActive(p.X, p.Y, true);
    } else {
      TestActive(-1, -1, false);
      FFrame.FClientTracking = false;
      FMouseTimer->SetEnabled(false);
    }
  }
  if (FFrame.FUseSkinCursors) UpdateSkinCursor();
}

void TspFrameObjectList::UpdateSkinCursor() {
  int32_t index = FHotObject >= 0 && FHotObject < Count() ? Item(FHotObject)->CursorIndex : -1;
  if (index == -1 && FFrame.FSkinData != nullptr) index = FFrame.FSkinData->CursorIndex;
  const TCursor cursor = TspSkinData::ScreenCursorOf(index);
  if (FFrame.FForm->Cursor() != cursor) FFrame.FForm->SetCursor(cursor);
}

void TspFrameObjectList::AnimationTimerProc(TObject*) {
  bool work = false;
  for (const auto& object : FObjects) {
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get())) work = animate->AnimationStep() || work;
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(object.get())) work = caption->AnimationStep() || work;
  }
  if (!work) FAnimationTimer->SetEnabled(false);
}

void TspFrameObjectList::MorphTimerProc(TObject*) {
  bool stepped = false;
  for (const auto& object : FObjects)
    if (object->CanMorphing() && object->IsMorphRunning()) {
      object->DoMorphing();
      stepped = true;
    }
  if (!stepped) FMorphTimer->SetEnabled(false);
}
