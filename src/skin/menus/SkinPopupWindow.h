#pragma once
// TspSkinPopupWindow: one level of an open skin menu. A top-level popup window that lists
// the visible children of a menu item (or of two, for a menu bar's merged level), sizes
// itself to them, places itself against its anchor inside the work area and paints
// itself from the skin's popup window and menu item entries, or in the skinless look.
// It never takes the focus or the activation and never captures the mouse: it polls the
// pointer, takes the keys its window's frame hands it, and scrolls long lists.
//
// The engine creates and frees the levels; a level is never freed while its own Show
// runs (Show may let pending messages through, and those may close the menu).

#include "SkinMenuItem.h"

#include "skin/menus/portable/MenuLevelLayout.h"
#include "skin/data/win32/EffectBmp.h"
#include "skin/data/win32/SkinBitmaps.h"

#include "classlib/CustomControls.h"
#include "classlib/ImageList.h"
#include "classlib/Menus.h"
#include "classlib/Timer.h"

#include <initializer_list>
#include <memory>
#include <vector>

class TspSkinMenu;

class TspSkinPopupWindow : public TCustomControl {
public:
  // The window timer that scrolls the list while the pointer rests on a marker.
  static constexpr UINT_PTR ScrollTimerId = 1;

  // APopupSkin: the skin's popup window entry, nullptr for the skinless look.
  TspSkinPopupWindow(TComponent* AOwner, TspSkinMenu* AMenu, TspDataSkinPopupWindow* APopupSkin);
  ~TspSkinPopupWindow() override;

  // Lists the children of AItem from StartIndex on, places the level against R (screen
  // coordinates) and shows it, with its first selectable item hot.
  void Show(const TRect& R, TMenuItem* AItem, int StartIndex, bool IsSubmenu, bool PopupUp);
  // The same for the children of AItem followed by those of AItem2.
  void ShowMerged(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool IsSubmenu,
                  bool PopupUp);
  // One key of the keyboard while the menu is open (the frame hands the deepest level
  // every key-down): accelerators, Enter, Escape and the arrows.
  void ProcessKey(uint16_t Key);

  TspSkinMenu* Menu() const { return FMenu; }
  TspDataSkinPopupWindow* PopupSkin() const { return FPopupSkin; }
  TspDataSkinMenuItem* MenuItemSkin() const { return FMenuItemSkin; }
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TspSkinMenuItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  // The hot item, -1 for none.
  int ItemIndex() const { return FItemIndex; }
  int TopIndex() const { return FLayout.TopIndex; }
  int VisibleCount() const { return FLayout.VisibleCount; }
  bool ScrollMode() const { return FLayout.ScrollMode; }
  // Whether the level scrolls, and which way: the pointer rests on a marker.
  static constexpr int NotScrolling = 0, ScrollingUp = 1, ScrollingDown = 2;
  int ScrollState() const { return FScrollState; }
  const TRect& ItemsRect() const { return FLayout.ItemsRect; }
  TCustomImageList* Images() const { return FImages; }
  int ImageColumnWidth() const { return FImageColumnWidth; }
  TBitmap* BackgroundImage() const { return FBackgroundImage.get(); }
  // Font := the font the level's items are measured and drawn in: the menu item entry's
  // when there is one and the engine takes the skin's font, else the engine's default
  // one; in the character set of the skin's strings when the skin has them.
  void AssignItemFont(TFont& Font) const;
  // The screen under the level, for levels blended without layered windows.
  const TspEffectBmp* ScreenEffectImage() const { return FScreenEffectImage.get(); }
  TTimer* MouseTimer() const { return FMouseTimer; }
  TTimer* AnimationTimer() const { return FAnimationTimer; }
  TTimer* ShowTimer() const { return FShowTimer; }
  // Whether the level blends with the screen it covers instead of being layered.
  bool BlendsWithScreen() const;
  // Cross-fades Image, which lies at At in the level, with the screen under the level
  // (when the level blends with it and the screen was captured).
  void BlendWithScreen(TBitmap& Image, TPoint At) const;

  // Paints Item on Canvas at once (the window's, outside painting) when the level shows.
  void RedrawItem(TspSkinMenuItem* Item);
  // Every item but Except that has its submenu open loses the mark.
  void ClearOpenedMarks(const TspSkinMenuItem* Except);

  // The engine's part: the level is closed while its Show still runs; Show stops and the
  // engine frees the level afterwards. Orphaned: the engine itself is gone, and the level
  // frees itself when its Show ends.
  bool InShow() const { return FShowDepth > 0; }
  bool Abandoned() const { return FAbandoned; }
  void Abandon(bool Orphaned);

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void ShowLevel(const TRect& R, std::initializer_list<TMenuItem*> Parents, int StartIndex, bool IsSubmenu,
                 bool PopupUp);
  void BuildItems(std::initializer_list<TMenuItem*> Parents, int StartIndex);
  void LayOut();
  void SetLevelRegion(const TspLevelGeometry& Geometry);
  void ShowWindowAt();
  void FadeIn();
  void SelectFirstItem();
  // The items' rectangles and in-view marks follow the layout.
  void SyncItems();
  // Forgets the skin when it changed or went since the level was built: the level draws
  // skinless from then on instead of reading freed entries.
  void DropStaleSkin();
  TSize PictureSize() const;

  // Painting.
  void PaintLevel(HDC DC);
  void DrawBackground(TBitmap& Image, bool DrawClient);
  void DrawMarkers(TCanvas* Canvas);
  // What shows behind the items in R: the skin's menu item background, or the skinless one.
  void DrawItemBackground(TCanvas* Canvas, const TRect& R);

  // Pointer, keys and timers.
  void MouseTimerTick(TObject* Sender);
  void AnimationTimerTick(TObject* Sender);
  void ShowTimerTick(TObject* Sender);
  void MouseAtPoint(TPoint P);
  void StartScroll();
  void StopScroll();
  void ScrollTick();
  void ApplyScroll();
  void NextItem();
  void PreviousItem();
  void MoveHotItem(int OldIndex, int NewIndex);
  void ClickAccelerator(int Index);
  void CloseDeepestLevel();
  TspSkinMenuItem* HotItem() const;

  TspSkinMenu* FMenu;
  TspSkinData* FSkinData;  // the skin the level was built with, and its generation
  uint32_t FSkinGeneration = 0;
  TspDataSkinPopupWindow* FPopupSkin;
  TspDataSkinMenuItem* FMenuItemSkin = nullptr;
  TspSkinBitmap FPicture, FMaskPicture;
  TspMenuLevelLayout FLayout;
  TspLevelGeometry FGeometry;
  std::vector<std::unique_ptr<TspSkinMenuItem>> FItems;
  int FItemIndex = -1;
  int FOldItemIndex = -1;
  int FScrollState = NotScrolling;
  int FPopupLeft = 0;
  int FPopupTop = 0;
  TPoint FLastMousePos{-1, -1};
  TCustomImageList* FImages = nullptr;
  int FImageColumnWidth = PlainImageColumnWidth;
  TTimer* FShowTimer;
  TTimer* FMouseTimer;
  TTimer* FAnimationTimer;
  TBitmap FScreenImage;
  std::unique_ptr<TspEffectBmp> FScreenEffectImage;
  std::unique_ptr<TBitmap> FBackgroundImage;
  bool FAlphaBlend;
  uint8_t FAlphaBlendValue;
  bool FAlphaBlendAnimation;
  int FShowDepth = 0;
  bool FAbandoned = false;
  bool FOrphaned = false;
};
