// The skinned list box's inner list and bars under Wine: bars that come with the page
// size of the rows that show and go when the items fit, RowCount, Sorted, Columns, the
// text bar of HorizontalExtent and its offset, the bars driving the list and the wheel,
// the bars with a skin, and the answers to the paint requests; the caption's buttons
// stepping by their repeat timer (sent as WM_TIMER) and the application's clicks; and a
// list box freed by its own handlers (under a freed-memory guard, which stops the program
// at any use of it after that).
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinListBox.h"
#include "skin/controls/SkinScrollBar.h"

#include "FreedMemory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SkinListBoxBars : public ::testing::Test {
 protected:
  SkinListBoxBars() {
    List = Window.Add<TspSkinListBox>({10, 10, 130, 110});  // 120 x 100: 4 rows of 20 without a skin
    List->SetSkinData(Window.Data());
    Window.Show();
  }
  void Fill(int Count, const std::string& Prefix = "Item ") {
    for (int i = 0; i < Count; ++i) List->Items()->Add(Prefix + std::to_string(i));
  }
  void Wheel(int Delta) {
    SendMessageA(List->ListBox()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(Delta)), 0);
  }

  TSkinTestWindow Window;
  TspSkinListBox* List = nullptr;
};

TEST_F(SkinListBoxBars, AVerticalBarComesWithTheFirstItemThatDoesNotFitAndGoesWithIt) {
  Fill(4);
  EXPECT_EQ(List->VScrollBar(), nullptr);
  List->Items()->Add("Item 4");
  TspSkinScrollBar* bar = List->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Kind(), sbVertical);
  EXPECT_EQ((TRect{bar->PageSize(), bar->LargeChange(), bar->Max(), 0}), (TRect{4, 4, 4, 0}));
  EXPECT_EQ(List->ListBox()->BoundsRect().Right, bar->Left());
  List->Items()->Delete(0);
  EXPECT_EQ(List->VScrollBar(), nullptr);
  EXPECT_EQ(List->ListBox()->BoundsRect(), (TRect{2, 2, 118, 98}));
  // RowCount rows holding that many items never scroll.
  List->SetRowCount(5);
  EXPECT_EQ(List->Height(), 104);
  List->Items()->Add("Item 5");
  EXPECT_EQ(List->VScrollBar(), nullptr);
  List->Items()->Add("Item 6");
  ASSERT_NE(List->VScrollBar(), nullptr);
  EXPECT_EQ(List->VScrollBar()->PageSize(), 5);
}

TEST_F(SkinListBoxBars, TheBarScrollsTheListAndTheWheelMovesBoth) {
  Fill(30);
  TspSkinScrollBar* bar = List->VScrollBar();
  ASSERT_NE(bar, nullptr);
  bar->SetPosition(10);
  EXPECT_EQ(List->ListBox()->TopIndex(), 10);
  Wheel(-WHEEL_DELTA);  // towards the user: down
  EXPECT_GT(List->ListBox()->TopIndex(), 10);
  EXPECT_EQ(bar->Position(), List->ListBox()->TopIndex());
  Wheel(WHEEL_DELTA);
  Wheel(WHEEL_DELTA);
  EXPECT_LT(List->ListBox()->TopIndex(), 10);
  EXPECT_EQ(bar->Position(), List->ListBox()->TopIndex());
}

TEST_F(SkinListBoxBars, SortingFreesTheBarAndTheNextUpdateBringsItBack) {
  for (const char* item : {"pear", "apple", "fig", "kiwi", "date", "plum"}) List->Items()->Add(item);
  ASSERT_NE(List->VScrollBar(), nullptr);
  List->SetSorted(true);
  PumpFor(20);  // the recreated list is erased: the bars follow it again
  ASSERT_NE(List->VScrollBar(), nullptr);
  EXPECT_EQ(List->VScrollBar()->PageSize(), 4);
}

TEST_F(SkinListBoxBars, OneColumnOrSeveralEachHaveABarOfTheirOwnKind) {
  Fill(30);
  ASSERT_NE(List->VScrollBar(), nullptr);
  EXPECT_EQ(List->VScrollBar()->Kind(), sbVertical);
  List->SetColumns(2);  // the upright bar goes; the one that lies across comes
  PumpFor(20);
  ASSERT_NE(List->VScrollBar(), nullptr);
  EXPECT_EQ(List->VScrollBar()->Kind(), sbHorizontal);
  EXPECT_EQ(List->VScrollBar()->PageSize(), 2);
  List->SetColumns(0);
  PumpFor(20);
  ASSERT_NE(List->VScrollBar(), nullptr);
  EXPECT_EQ(List->VScrollBar()->Kind(), sbVertical);
}

TEST_F(SkinListBoxBars, AWideItemBringsATextBarThatShiftsTheTextAndLeavesWithTheExtent) {
  Fill(2);
  List->Items()->Add(std::string(60, 'W'));
  EXPECT_EQ(List->HScrollBar(), nullptr);  // the extent is off
  List->SetHorizontalExtent(true);
  TspSkinScrollBar* bar = List->HScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Max(), List->ListBox()->Canvas()->TextWidth(std::string(60, 'W')));
  EXPECT_EQ(bar->PageSize(), 116 - 4);
  EXPECT_EQ(bar->SmallChange(), List->ListBox()->Canvas()->TextWidth("0"));
  EXPECT_FALSE(bar->Both());
  bar->SetPosition(40);
  EXPECT_EQ(List->ListBox()->HorizontalOffset(), 40);
  // The text keeps its right end where it was: a narrower list shifts it further, a wider
  // one back, never past its start.
  List->SetWidth(110);
  EXPECT_EQ(List->ListBox()->HorizontalOffset(), 50);
  List->SetWidth(200);
  EXPECT_EQ(List->ListBox()->HorizontalOffset(), 0);
  // Beside a vertical bar the text bar covers the corner, and only while there is one.
  Fill(4);
  EXPECT_TRUE(bar->Both());
  EXPECT_EQ(bar->BothMarkerWidth(), 19);
  while (List->Items()->Count() > 3) List->Items()->Delete(List->Items()->Count() - 1);
  EXPECT_FALSE(bar->Both());
  List->SetHorizontalExtent(false);
  EXPECT_EQ(List->HScrollBar(), nullptr);
}

TEST_F(SkinListBoxBars, WithTheFlatColourSkinTheBarsTakeTheEntrysBarAndItemHeight) {
  Window.Load("flatcolour");
  TspSkinData& data = *Window.Data();
  const auto& entry = dynamic_cast<const TspDataSkinListBox&>(*data.CtrlList.at(data.GetControlIndex("listbox")));
  EXPECT_EQ(List->ListBox()->ItemHeight(), entry.ItemRect.Height());
  Fill(10);
  TspSkinScrollBar* bar = List->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_NE(bar->SkinIndex(), -1);  // the entry's "vscrollbar"
  EXPECT_EQ(bar->BoundsRect(), (TRect{118 - bar->Width(), 2, 118, 98}));
  EXPECT_EQ(bar->PageSize(), 96 / entry.ItemRect.Height());
  Window.Clear();  // without the skin the default sizes come back
  EXPECT_EQ(List->ListBox()->ItemHeight(), 20);
  EXPECT_EQ(List->VScrollBar()->BoundsRect(), (TRect{100, 1, 119, 99}));
}

TEST_F(SkinListBoxBars, OnlyAnEmptyListPaintsItsBackgroundWhenAskedWithTheCheckValue) {
  HWND list = List->ListBox()->Handle();
  TPixelDC dc(40, 40);
  const auto ask = [&](LPARAM Check) {
    dc.Fill(RGBColor(1, 2, 3));
    return SendMessageA(list, SP_PAINT_BACKGROUND_CHECKED, reinterpret_cast<WPARAM>(dc.DC()), Check);
  };
  EXPECT_EQ(ask(1), 0);
  EXPECT_EQ(ask(SP_PAINT_TO_DC_CHECK), SP_PAINT_TO_DC_CHECK);
  EXPECT_EQ(dc.Pixel(5, 5), SysColor(clWindow));
  Fill(1);
  EXPECT_EQ(ask(SP_PAINT_TO_DC_CHECK), 0);
  EXPECT_EQ(SendMessageA(list, SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc.DC()), 0), SP_PAINT_TO_DC_ANSWER);
  EXPECT_EQ(dc.Pixel(5, 5), RGBColor(1, 2, 3));
}

class SkinListBoxCaption : public SkinListBoxBars {
 protected:
  SkinListBoxCaption() {
    List->SetCaptionMode(true);
    Fill(5);
    Painted(List);  // the buttons take their places
  }
  TPoint At(int Button) {
    const TRect r = List->CaptionButtons().Button(Button).R;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Press(int Button) { List->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(At(Button))); }
  void Release(TPoint Where) {
    List->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(Where));
    List->Perform(WM_LBUTTONUP, 0, PointToLParam(Where));
  }
  void Tick() { SendMessageA(List->Handle(), WM_TIMER, TspSkinListBox::StepTimerId, 0); }
};

TEST_F(SkinListBoxCaption, HoldingDownFromTheFirstItemEndsAtTheLastOneSelected) {
  List->SetItemIndex(0);
  Press(CaptionDownButton);
  Tick();  // the first delay only
  EXPECT_EQ(List->ItemIndex(), 0);
  for (int i = 0; i < 8; ++i) Tick();
  EXPECT_EQ(List->ItemIndex(), 4);
  Release(At(CaptionDownButton));  // one more step would pass the end: none
  EXPECT_EQ(List->ItemIndex(), 4);
  EXPECT_TRUE(List->ListBox()->Selected(4));
  Press(CaptionUpButton);
  for (int i = 0; i < 9; ++i) Tick();
  Release({5, 60});  // let go away from the button: still its step
  EXPECT_EQ(List->ItemIndex(), 0);
}

TEST_F(SkinListBoxCaption, AnAssignedClickReplacesTheStepAndItsRepeatOverTheButton) {
  int ups = 0;
  List->OnUpButtonClick = [&](TObject* Sender) { ups += Sender == List; };
  List->SetItemIndex(3);
  Press(CaptionUpButton);
  EXPECT_EQ(List->CaptionButtons().Repeating(), -1);
  Tick();
  Tick();
  Release(At(CaptionUpButton));
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(List->ItemIndex(), 3);
  Press(CaptionUpButton);
  Release({5, 60});  // away from the button the step happens instead
  EXPECT_EQ((TPoint{ups, List->ItemIndex()}), (TPoint{1, 2}));
  int clicks = 0;
  List->OnListBoxClick = [&](TObject*) { ++clicks; };
  Press(CaptionCheckButton);
  Release(At(CaptionCheckButton));
  EXPECT_EQ(clicks, 1);  // the check button clicks the list
}

TEST_F(SkinListBoxCaption, TheRightAndMiddleButtonsPressAsTheLeftOneDoes) {
  List->SetItemIndex(2);
  List->Perform(WM_RBUTTONDOWN, MK_RBUTTON, PointToLParam(At(CaptionDownButton)));
  EXPECT_EQ(List->CaptionButtons().Captured(), CaptionDownButton);
  List->Perform(WM_RBUTTONUP, 0, PointToLParam(At(CaptionDownButton)));
  EXPECT_EQ(List->ItemIndex(), 3);
  List->Perform(WM_MBUTTONDOWN, MK_MBUTTON, PointToLParam(At(CaptionUpButton)));
  List->Perform(WM_MBUTTONUP, 0, PointToLParam(At(CaptionUpButton)));
  EXPECT_EQ(List->ItemIndex(), 2);
}

TEST_F(SkinListBoxCaption, TheGlyphStripHoldsOneGlyphOrTwo) {
  List->SetNumGlyphs(3);
  EXPECT_EQ(List->NumGlyphs(), 2);
  List->SetNumGlyphs(0);  // the strip is divided by it
  EXPECT_EQ(List->NumGlyphs(), 1);
}

TEST_F(SkinListBoxCaption, ASkinWithoutStepButtonsLeavesTheCaptionDeaf) {
  Window.Load("flatcolour");  // its plain "listbox" entry has no caption buttons
  Painted(List);
  List->SetItemIndex(2);
  List->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({List->Width() - 10, 10}));
  EXPECT_EQ(List->CaptionButtons().Captured(), -1);
  Release({List->Width() - 10, 10});
  EXPECT_EQ(List->ItemIndex(), 2);
}

// Each case makes a list box of its own while the guard watches, with its caption's
// buttons or without them.
class SkinListBoxFreed : public ::testing::Test {
 protected:
  SkinListBoxFreed() { Window.Show(); }
  TspSkinListBox* Add(bool Caption = false) {
    auto* list = Window.Add<TspSkinListBox>({10, 10, 130, 110});
    list->SetCaptionMode(Caption);
    for (int i = 0; i < 5; ++i) list->Items()->Add("Item " + std::to_string(i));
    Painted(list);  // the caption's buttons take their places
    return list;
  }
  static TPoint OnItem(TspSkinListBox* List, int Index) {
    const TRect r = List->ListBox()->ItemRect(Index);
    return {r.Left + 10, (r.Top + r.Bottom) / 2};
  }
  static TPoint OnButton(TspSkinListBox* List, int Button) {
    const TRect r = List->CaptionButtons().Button(Button).R;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  template <class... Args>
  static TDelegate<void(TObject*, Args...)> Freeing(TspSkinListBox* List) {
    return [List](TObject*, Args...) { List->Free(); };
  }

  TSkinTestWindow Window;
  const TFreedMemoryGuard Guard;
};

TEST_F(SkinListBoxFreed, ByTheEventsOfAClickedItemOrOfItsKeys) {
  TspSkinListBox* clicked = Add();
  clicked->OnListBoxClick = Freeing(clicked);
  PostClick(clicked->ListBox(), OnItem(clicked, 2));
  EXPECT_TRUE(TFreedMemoryGuard::Freed(clicked));

  TspSkinListBox* pressed = Add();
  pressed->OnListBoxMouseDown = Freeing<TMouseButton, TShiftState, int, int>(pressed);
  PostClick(pressed->ListBox(), OnItem(pressed, 2));
  EXPECT_TRUE(TFreedMemoryGuard::Freed(pressed));

  TspSkinListBox* released = Add();
  released->OnListBoxMouseUp = Freeing<TMouseButton, TShiftState, int, int>(released);
  PostClick(released->ListBox(), OnItem(released, 2));
  EXPECT_TRUE(TFreedMemoryGuard::Freed(released));

  TspSkinListBox* keyedDown = Add();
  keyedDown->OnListBoxKeyDown = Freeing<uint16_t&, TShiftState>(keyedDown);
  PostKey(keyedDown->ListBox(), 'I');
  EXPECT_TRUE(TFreedMemoryGuard::Freed(keyedDown));

  TspSkinListBox* keyedUp = Add();
  keyedUp->OnListBoxKeyUp = Freeing<uint16_t&, TShiftState>(keyedUp);
  PostKey(keyedUp->ListBox(), 'I');
  EXPECT_TRUE(TFreedMemoryGuard::Freed(keyedUp));

  TspSkinListBox* typed = Add();
  typed->OnListBoxKeyPress = Freeing<char&>(typed);
  PostKey(typed->ListBox(), 'I');
  EXPECT_TRUE(TFreedMemoryGuard::Freed(typed));
}

TEST_F(SkinListBoxFreed, ByItsCaptionsButtonsOrThePointerOnIt) {
  TspSkinListBox* up = Add(true);  // its click, over the button
  up->OnUpButtonClick = Freeing(up);
  const TPoint button = OnButton(up, CaptionUpButton);
  PostMouse(up, WM_MOUSEMOVE, button.X, button.Y);
  PostClick(up, button);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(up));

  TspSkinListBox* checked = Add(true);  // the check button's step clicks the list
  checked->OnListBoxClick = Freeing(checked);
  PostClick(checked, OnButton(checked, CaptionCheckButton));
  EXPECT_TRUE(TFreedMemoryGuard::Freed(checked));

  TspSkinListBox* entered = Add(true);
  entered->OnMouseEnter = Freeing(entered);
  PostMouse(entered, WM_MOUSEMOVE, 20, 5);
  Application->ProcessMessages();
  EXPECT_TRUE(TFreedMemoryGuard::Freed(entered));

  TspSkinListBox* moved = Add(true);
  moved->OnMouseMove = Freeing<TShiftState, int, int>(moved);
  PostMouse(moved, WM_MOUSEMOVE, 20, 5);
  Application->ProcessMessages();
  EXPECT_TRUE(TFreedMemoryGuard::Freed(moved));
}

}  // namespace
