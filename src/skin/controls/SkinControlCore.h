#pragma once
// TspSkinControlCore: what every skinned control has, windowed (over TCustomControl) or
// windowless (over TGraphicControl): the link to a skin data component and the name of
// its entry there, looked up again at every paint; the whole control drawn off-screen,
// from the entry or in its own default look, then copied, or with AlphaBlend
// cross-faded with the parent's background that shows behind it; the skin cursor; and
// what the skinned hint shows of it. TspSkinControl and TspGraphicSkinControl add what
// a window or its absence brings.

#include "SkinChangeParticipant.h"
#include "SkinHintSource.h"

#include "classlib/CustomControls.h"

#include <cstdint>
#include <string>

class TBitmap;
class TspDataSkinControl;

template <class Base>
class TspSkinControlCore : public Base, public TspSkinChangeParticipant, public TspSkinHintSource {
public:
  explicit TspSkinControlCore(TComponent* AOwner) : Base(AOwner) {}

  // Not owned; cleared when that component goes. Setting it (to a loaded skin, at run
  // time) takes the new skin at once.
  TspSkinData* SkinData() const override { return FSkinData; }
  virtual void SetSkinData(TspSkinData* Value);
  // The control's entry in the skin's control list; the next paint or skin change
  // looks it up.
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  // A skin area's name, for descendants that draw from one.
  const std::string& AreaName() const { return FAreaName; }
  void SetAreaName(const std::string& Value) { FAreaName = Value; }
  // Draw the default look when the skin has no entry (else the control is left blank).
  bool DrawDefault() const { return FDrawDefault; }
  void SetDrawDefault(bool Value) { FDrawDefault = Value; }
  // Blend the control over its parent's background: 255 shows the control alone, 0 the
  // parent alone.
  bool AlphaBlend() const { return FAlphaBlend; }
  virtual void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  virtual void SetAlphaBlendValue(uint8_t Value);
  // Take the mouse cursor from the skin entry at each skin change.
  bool UseSkinCursor() const { return FUseSkinCursor; }
  void SetUseSkinCursor(bool Value) { FUseSkinCursor = Value; }

  const std::string& HintTitle() const override { return FHintTitle; }
  void SetHintTitle(const std::string& Value) { FHintTitle = Value; }
  int32_t HintImageIndex() const override { return FHintImageIndex; }
  void SetHintImageIndex(int32_t Value) { FHintImageIndex = Value; }
  TCustomImageList* HintImageList() const override { return FHintImageList; }
  void SetHintImageList(TCustomImageList* Value);

  // The index of the control's entry in the skin's control list as of the last lookup;
  // -1 for none.
  int32_t SkinIndex() const { return FIndex; }
  // The last lookup found the control's entry: it draws from the skin, not its default look.
  bool Skinned() const { return FIndex != -1; }
  int32_t CursorIndex() const { return FCursorIndex; }

  // Before a skin change: nothing of the old skin is drawn any more.
  void PrepareSkinDataChange() override { FIndex = -1; }
  // After it: the entry is looked up again, the skin cursor taken, the control repainted.
  void ChangeSkinData() override;

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  // Looks the entry up: FIndex := its index, -1 without skin data, with an empty skin
  // or without such an entry. Descendants copy what they draw with after calling it.
  virtual void GetSkinData();
  // Draw the control into B (of the control's size) without a skin, or from its entry.
  virtual void CreateControlDefaultImage(TBitmap* B) { (void)B; }
  virtual void CreateControlSkinImage(TBitmap* B) { (void)B; }
  // Looks the entry up and draws the control off-screen (see DrawControlImage).
  void Paint() override;
  // Puts Image (the whole control) on the canvas at (0, 0), cross-faded with the
  // parent's background by AlphaBlendValue when AlphaBlend is set.
  void DrawControlImage(TBitmap& Image);
  // The skin's cursor for the entry (CursorIndex), or the default one.
  void ApplySkinCursor();
  // The entry the last lookup found; nullptr without one.
  const TspDataSkinControl* SkinEntry() const;

  int32_t FIndex = -1;
  int32_t FCursorIndex = -1;

private:
  TspSkinData* FSkinData = nullptr;
  std::string FSkinDataName;
  std::string FAreaName;
  bool FDrawDefault = true;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FUseSkinCursor = false;
  std::string FHintTitle;
  int32_t FHintImageIndex = 0;
  TCustomImageList* FHintImageList = nullptr;
};

extern template class TspSkinControlCore<TCustomControl>;
extern template class TspSkinControlCore<TGraphicControl>;

// The skin entry Data holds at Index, or nullptr for an index outside its entries.
const TspDataSkinControl* SkinControlEntry(const TspSkinData* Data, int32_t Index);

// Draws Image at At on Canvas, cross-faded with what lies behind Area of Control (in
// Control's coordinates, as large as Image) in its parent: AlphaBlendValue 255 shows the
// image alone, 0 the parent alone.
void DrawBlendedOverParent(TControl* Control, TCanvas& Canvas, TBitmap& Image, const TRect& Area, TPoint At,
                           uint8_t AlphaBlendValue);

// Puts Image, the whole of Control, on Canvas at (0, 0); with AlphaBlend cross-faded
// first with the parent's background behind Control: AlphaBlendValue 255 shows the
// control alone, 0 the parent alone.
void DrawSkinControlImage(TControl* Control, TCanvas& Canvas, TBitmap& Image, bool AlphaBlend,
                          uint8_t AlphaBlendValue);
