// The frame's skin objects: made from the skin's object entries (or the default caption
// buttons), laid out for the window's size, tested under the mouse and fed its presses,
// animated by the three frame timers, and told when the window's activation changes.
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
#include "skin/data/SkinRects.h"

#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include <algorithm>

// Making and placing

namespace {

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

void TspDynamicSkinForm::ClearObjects() {
  // The hint of an object that goes goes with it.
  if (FObjectHintStarted) HideObjectHint();
  ++FObjectsGeneration;
  FObjects.clear();
  FClientAreaControls.clear();
  FHotObject = FOldHotObject = FCapturedObject = -1;
}

void TspDynamicSkinForm::CreateObjects() {
  ClearObjects();
  for (const auto& entry : FSkinData->ObjectList) {
    const TspDataSkinObject* data = entry.get();
    // Menu items show in menus and the menu bar; a menu bar button is the bar's.
    if (dynamic_cast<const TspDataSkinMainMenuItem*>(data) != nullptr ||
        dynamic_cast<const TspDataSkinMenuItem*>(data) != nullptr ||
        dynamic_cast<const TspDataSkinMainMenuBarButton*>(data) != nullptr)
      continue;
    for (TObjectMaker make : ObjectMakers)
      if (std::unique_ptr<TspActiveSkinObject> object = make(this, data)) {
        FObjects.push_back(std::move(object));
        break;
      }
  }
  CreateMainMenuItemObjects();
}

void TspDynamicSkinForm::CreateMainMenuItemObjects() {
  // A menu bar control shows the main menu instead.
  if (FMainMenu == nullptr || FMainMenuBar != nullptr || FSkinData == nullptr) return;
  const int index = FSkinData->GetIndex("MAINMENUITEM");
  if (index < 0) return;
  const auto* entry = dynamic_cast<const TspDataSkinMainMenuItem*>(FSkinData->ObjectList[static_cast<size_t>(index)].get());
  if (entry == nullptr) return;
  TMenuItem* items = FMainMenu->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Visible())
      FObjects.push_back(std::make_unique<TspSkinMainMenuItem>(this, *entry, items->Items(i)));
}

void TspDynamicSkinForm::UpdateMainMenuItemObjects() {
  if (MainMenuMode()) EndMainMenuMode();
  ++FObjectsGeneration;
  std::erase_if(FObjects, [](const std::unique_ptr<TspActiveSkinObject>& Object) {
    return dynamic_cast<const TspSkinMainMenuItem*>(Object.get()) != nullptr;
  });
  FHotObject = FOldHotObject = FCapturedObject = -1;
  if (FSkinInUse && FSkinnable) CreateMainMenuItemObjects();
  RepaintFrame();
}

std::vector<TspSkinMainMenuItem*> TspDynamicSkinForm::MainMenuItems() const {
  std::vector<TspSkinMainMenuItem*> items;
  for (const auto& object : FObjects)
    if (auto* item = dynamic_cast<TspSkinMainMenuItem*>(object.get())) items.push_back(item);
  return items;
}

void TspDynamicSkinForm::CreateDefaultButtonObjects() {
  ClearObjects();
  struct TDefaultButton {
    const char* IDName;
    TspStdButtonCommand Command;
  };
  for (const TDefaultButton& b :
       {TDefaultButton{"closebutton", cmclose}, TDefaultButton{"maxbutton", cmmaximize},
        TDefaultButton{"minbutton", cmminimize}, TDefaultButton{"rollupbutton", cmrollup},
        TDefaultButton{"sysmenubutton", cmsysmenu}, TDefaultButton{"traybutton", cmminimizetotray}})
    FObjects.push_back(std::make_unique<TspSkinStdButtonObject>(this, b.IDName, b.Command));
  UpdateButtonStates();
}

std::vector<TspObjectPlace*> TspDynamicSkinForm::ObjectPlaces() const {
  std::vector<TspObjectPlace*> places;
  places.reserve(FObjects.size());
  for (const auto& object : FObjects) places.push_back(object.get());
  return places;
}

void TspDynamicSkinForm::UpdateObjectRects() {
  ::UpdateObjectRects(ObjectPlaces(), FCore);
  LayOutMainMenuItems();
}

void TspDynamicSkinForm::LayOutMainMenuItems() {
  const std::vector<TspSkinMainMenuItem*> items = MainMenuItems();
  if (items.empty()) return;
  std::vector<TSize> sizes;
  for (const TspSkinMainMenuItem* item : items) sizes.push_back(item->MeasureSize());
  // The row ends where the caption buttons' side of the row is.
  const TRect& row = FCore.Geometry().MainMenuRect;
  const std::vector<TspMenuItemPlace> places = PlaceMenuItems(row.TopLeft(), sizes, row.Right);
  for (size_t i = 0; i < items.size(); ++i) items[i]->SetPlace(places[i]);
}

bool TspDynamicSkinForm::ObjectShown(const TspActiveSkinObject& Object) const {
  return ::ObjectShown(Object, FCore.Options.SupportNCArea, FCore.State.RollUpState);
}

TspHitObjects TspDynamicSkinForm::HitObjects(TPoint P) const {
  return {FHotObject != -1,
          OverCaptionObject(ObjectPlaces(), P, FCore.Options.SupportNCArea, FCore.State.RollUpState), FInSizeMove};
}

TspActiveSkinObject* TspDynamicSkinForm::StdButtonObject(TspStdButtonCommand Command) const {
  for (const auto& object : FObjects) {
    auto* button = dynamic_cast<TspSkinStdButtonObject*>(object.get());
    if (button != nullptr && button->Visible && button->Enabled && button->Command == Command) return button;
  }
  return nullptr;
}

void TspDynamicSkinForm::ForgetObjectMenus() {
  for (const auto& object : FObjects) {
    if (auto* button = dynamic_cast<TspSkinButtonObject*>(object.get())) button->MenuItem = nullptr;
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get())) animate->MenuItem = nullptr;
  }
}

// The mouse

void TspDynamicSkinForm::TestActive(int X, int Y, bool InFrame) {
  if (FObjects.empty() || (FCore.Options.SupportNCArea && !IsFormActive())) return;
  FOldHotObject = FHotObject;
  const int candidate = ObjectAt(ObjectPlaces(), {X, Y}, FCore.Options.SupportNCArea, FCore.State.RollUpState);
  int hot = candidate != -1 && InFrame ? candidate : -1;
  // A pressed object keeps the mouse to itself.
  if (FCapturedObject != -1 && hot != FCapturedObject) hot = -1;
  FHotObject = hot;
  if (FHotObject == FOldHotObject) return;
  const auto takesPart = [this](int Index) {
    return Index >= 0 && Index < ObjectCount() && Objects(Index)->Enabled && Objects(Index)->Visible;
  };
  const unsigned generation = FObjectsGeneration;
  if (takesPart(FOldHotObject)) {
    TspActiveSkinObject* old = Objects(FOldHotObject);
    if (ObjectHintsShown() && !old->Hint.empty()) HideObjectHint();
    old->MouseLeave();
  }
  // A handler that rebuilt the objects left the index to another object, which the
  // pointer never reached.
  if (generation != FObjectsGeneration || !takesPart(FHotObject)) return;
  TspActiveSkinObject* entered = Objects(FHotObject);
  entered->MouseEnter();
  if (generation != FObjectsGeneration) return;
  if (ObjectHintsShown() && !entered->Hint.empty() && IsFormActive()) {
    FSkinHint->ActivateHintDelayed(entered->Hint);
    FObjectHintStarted = true;
  }
}

void TspDynamicSkinForm::HideObjectHint() {
  FObjectHintStarted = false;
  if (ObjectHintsShown()) FSkinHint->HideHint();
}

void TspDynamicSkinForm::ObjectsMouseMove(int X, int Y) {
  if (!FCore.Options.SupportNCArea && FDragging) return;
  const int target = FCapturedObject != -1 ? FCapturedObject : FHotObject;
  if (target >= 0 && target < ObjectCount()) Objects(target)->MouseMove(X, Y);
}

void TspDynamicSkinForm::ObjectsMouseDown(TMouseButton Button, int X, int Y) {
  TestActive(X, Y, true);
  const bool nc = FCore.Options.SupportNCArea;
  if (FHotObject >= 0 && FHotObject < ObjectCount()) {
    FCapturedObject = FHotObject;
    TspActiveSkinObject* object = Objects(FHotObject);
    if (nc && object->Kind != TspFrameObjectKind::Caption) SetCapture(FForm->Handle());
    object->MouseDown(X, Y, Button);
    return;
  }
  if (!nc && Button == mbLeft && FDraggAble && !FCore.State.Maximized()) BeginObjectDrag(X, Y);
}

void TspDynamicSkinForm::ObjectsMouseUp(TMouseButton Button, int X, int Y) {
  if (!FCore.Options.SupportNCArea) EndObjectDrag();
  if (FCapturedObject < 0 || FCapturedObject >= ObjectCount()) return;
  TspActiveSkinObject* object = Objects(FCapturedObject);
  FCapturedObject = -1;
  if (FCore.Options.SupportNCArea && object->Kind != TspFrameObjectKind::Caption) ReleaseCapture();
  object->MouseUp(X, Y, Button);
}

void TspDynamicSkinForm::ObjectsDblClick() {
  if (FHotObject >= 0 && FHotObject < ObjectCount()) Objects(FHotObject)->DblClick();
}

void TspDynamicSkinForm::ResetObjectStates() {
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
    if (Redraw && ObjectShown(*caption)) {
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

// Timers

void TspDynamicSkinForm::StopTimers() {
  FMouseTimer->SetEnabled(false);
  FMorphTimer->SetEnabled(false);
  FAnimationTimer->SetEnabled(false);
}

void TspDynamicSkinForm::MouseTimerProc(TObject*) {
  const bool nc = FCore.Options.SupportNCArea;
  if (!FSkinInUse && !nc) return;
  const TPoint cursor = Seams::CursorPos();
  if (nc) {
    if (FInSizeMove) {
      FMouseTimer->SetEnabled(false);
      return;
    }
    const TPoint p = ScreenToFramePoint(cursor);
    const TRect client =
        FSkinInUse ? FCore.Geometry().ClRect
                   : DefaultClientRect(FCore.LastWidth(), FCore.LastHeight(), FCore.GetDefaultCaptionHeight());
    if (!PtInRect(client, p))
      TestActive(p.X, p.Y, true);
    else if (FHotObject != -1)
      TestActive(-1, -1, true);
    return;
  }
  if (!FDragging) {
    const TPoint p = FForm->ScreenToClient(cursor);
    if (WindowFromPoint(POINT{cursor.X, cursor.Y}) == FForm->Handle()) {
      TestActive(p.X, p.Y, true);
    } else {
      TestActive(-1, -1, false);
      FClientTracking = false;
      FMouseTimer->SetEnabled(false);
    }
  }
  if (FUseSkinCursors) UpdateSkinCursor();
}

void TspDynamicSkinForm::UpdateSkinCursor() {
  int32_t index = FHotObject >= 0 && FHotObject < ObjectCount() ? Objects(FHotObject)->CursorIndex : -1;
  if (index == -1 && FSkinData != nullptr) index = FSkinData->CursorIndex;
  const TCursor cursor = index != -1 ? TspSkinData::StartCursorIndex + index : crDefault;
  if (FForm->Cursor() != cursor) FForm->SetCursor(cursor);
}

void TspDynamicSkinForm::AnimationTimerProc(TObject*) {
  bool work = false;
  for (const auto& object : FObjects) {
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get())) work = animate->AnimationStep() || work;
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(object.get())) work = caption->AnimationStep() || work;
  }
  if (!work) FAnimationTimer->SetEnabled(false);
}

void TspDynamicSkinForm::MorphTimerProc(TObject*) {
  bool stepped = false;
  for (const auto& object : FObjects)
    if (object->CanMorphing() && object->IsMorphRunning()) {
      object->DoMorphing();
      stepped = true;
    }
  if (!stepped) FMorphTimer->SetEnabled(false);
}

// The objects' events

void TspDynamicSkinForm::DoMouseEnter(const std::string& IDName) {
  if (OnMouseEnterEvent) OnMouseEnterEvent(IDName);
}

void TspDynamicSkinForm::DoMouseLeave(const std::string& IDName) {
  if (OnMouseLeaveEvent) OnMouseLeaveEvent(IDName);
}

void TspDynamicSkinForm::DoMouseDown(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                                     TMouseButton Button) {
  if (OnMouseDownEvent) OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TspDynamicSkinForm::DoMouseUp(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                                   TMouseButton Button) {
  if (OnMouseUpEvent) OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TspDynamicSkinForm::DoMouseMove(const std::string& IDName, int X, int Y, const TRect& ObjectRect) {
  if (OnMouseMoveEvent) OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TspDynamicSkinForm::DoPaint(const std::string& IDName, TCanvas* Canvas, const TRect& ObjectRect) {
  if (OnPaintEvent) OnPaintEvent(IDName, Canvas, ObjectRect);
}

void TspDynamicSkinForm::DoSwitchChangeState(const std::string& IDName, TSwitchState State) {
  if (OnSwitchChangeStateEvent) OnSwitchChangeStateEvent(IDName, State);
}

void TspDynamicSkinForm::DoTrackBarChangeValue(const std::string& IDName, int Value) {
  if (OnTrackBarChangeValueEvent) OnTrackBarChangeValueEvent(IDName, Value);
}

void TspDynamicSkinForm::DoFrameRegulatorChangeValue(const std::string& IDName, int Value) {
  if (OnFrameRegulatorChangeValueEvent) OnFrameRegulatorChangeValueEvent(IDName, Value);
}
