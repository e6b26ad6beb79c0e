#pragma once
// TspSkinHint: the component that turns the application's hints into skinned ones. Made
// outside the designer it makes TspSkinHintWindow the application's hint window, takes
// the application's show-hint event to add a skinned control's hint title and image, and
// shortens the pause between one hint and the next. It holds every setting the hint
// windows read (font, line separator, translucence, skin), and shows timed hints for
// what is not a control (a window frame's buttons, an images menu's items) in a hint
// window of its own. Only one hint component of the main form is active.
//
// Going, it leaves the application's show-hint event to another active hint component
// of the main form, or to none, when the event was still its own.

#include "SkinHintWindow.h"

#include "classlib/HintController.h"

#include "base/Component.h"

#include <cstdint>
#include <string>

class TClassRegistry;
class TCustomImageList;
class TspSkinData;
class TTimer;

class TspSkinHint : public TComponent {
public:
  explicit TspSkinHint(TComponent* AOwner);
  ~TspSkinHint() override;

  // The text that starts a new line in a hint ("@").
  const std::string& LineSeparator() const { return FLineSeparator; }
  void SetLineSeparator(const std::string& Value) { FLineSeparator = Value; }
  // The hint font without a skin, or when UseSkinFont is off.
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // Layered windows may be used for the translucence; always off where the system has
  // none, and the hint then blends itself with the screen under it.
  bool AlphaBlendSupport() const { return FAlphaBlendSupport; }
  void SetAlphaBlendSupport(bool Value);
  // Translucent hints of AlphaBlendValue (255 opaque), faded in with AlphaBlendAnimation.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value) { FAlphaBlendValue = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  // The skin of the hints; not owned, cleared when it goes.
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value) { SetReference(FSkinData, Value); }
  // This component serves the hints. Switched on, it switches off every other active
  // hint component of the main form and takes the application's show-hint event.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  // Called from SkinShowHint with the same arguments.
  TShowHintEvent OnShowHint;

  // The application's show-hint event while the component is active: takes the hint
  // title and image of a skinned control, then calls OnShowHint.
  void SkinShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo);
  // A timed hint: Text shows under the pointer after the application's hint pause and
  // goes after its hide pause. A new one replaces one pending or shown.
  void ActivateHintDelayed(const std::string& Text);
  // Ends the timed hint at once, shown or not.
  void HideHint();

  // The title and image the next hint shows (none: empty, nullptr).
  const std::string& HintTitle() const { return FHintTitle; }
  int32_t HintImageIndex() const { return FHintImageIndex; }
  TCustomImageList* HintImageList() const { return FHintImageList; }
  // The window of the timed hints, and the timer of the one pending or shown (nullptr
  // when none).
  TspSkinHintWindow* HintWindow() const { return FHintWindow; }
  TTimer* HintTimer() const { return FTimer; }

  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  void ClearHintData();
  void StartTimer(int Interval, void (TspSkinHint::*Handler)(TObject*));
  void StopTimer();
  void ShowDelayedHint(TObject* Sender);
  void HideDelayedHint(TObject* Sender);
  TShowHintEvent ShowHintEvent() { return Event(this, &TspSkinHint::SkinShowHint); }

  std::string FLineSeparator = "@";
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  bool FAlphaBlendSupport = true;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FAlphaBlendAnimation = false;
  TspSkinData* FSkinData = nullptr;
  bool FActive = true;

  TspSkinHintWindow* FHintWindow;
  TTimer* FTimer = nullptr;
  std::string FObjectHintText;
  std::string FHintTitle;
  int32_t FHintImageIndex = 0;
  TCustomImageList* FHintImageList = nullptr;
};

// The first active hint component among the main form's components; nullptr for none.
TspSkinHint* FindActiveSkinHint();

// Adds TspSkinHint to the form reader.
void RegisterSkinHintClass(TClassRegistry& Registry);
