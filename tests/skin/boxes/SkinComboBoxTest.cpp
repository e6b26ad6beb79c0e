// The skinned combo box driven through the application's loop, with the focus (so the
// program runs alone): its drop-down list as a popup that never takes the focus, its rows,
// place and alpha; the mouse held from the button over the list and let go on an item or
// elsewhere; the scroll timer beyond the list's ends; keys, Escape and Enter while the list
// is open, pages, the wheel and the search by typed keys; and the edit part's completion.
#include "SkinControlTestKit.h"

#include "skin/boxes/CustomEdit.h"
#include "skin/boxes/SkinComboBox.h"

#include "classlib/Button.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

DWORD Now = 100000;
DWORD TestTickCount() { return Now; }
TRect WorkAreaEnd;
TRect TestWorkArea() { return WorkAreaEnd; }

class SkinComboBoxTest : public ::testing::Test {
 protected:
  SkinComboBoxTest() {
    ParkPointer();
    Combo = Window.Add<TspSkinComboBox>({10, 10, 130, 30});
    Combo->OnChange = [this](TObject*) { Events.push_back("change " + Combo->Text()); };
    Combo->OnClick = [this](TObject*) { Events.push_back("click " + std::to_string(Combo->ItemIndex())); };
    Combo->OnCloseUp = [this](TObject*) { Events.push_back("closeup"); };
    Combo->OnDropDown = [this](TObject*) { Events.push_back("dropdown"); };
    Window.Show();
  }
  void Fill(int Count) {
    for (int i = 0; i < Count; ++i) Combo->Items()->Add("Item " + std::to_string(i));
  }
  // The box takes the focus, or its edit part for it.
  void Focus() {
    Combo->SetFocus();
    PumpUntil([this] { return Combo->Focused() || (Combo->EditPart() != nullptr && Combo->EditPart()->Focused()); },
              1000);
  }
  TPoint Button() const {
    const TRect r = Combo->ButtonRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The middle of item Index of the open list, in the combo box's coordinates.
  TPoint OverItem(int Index) {
    TspListBox* list = Combo->ListBox()->ListBox();
    const TRect r = list->ItemRect(Index);
    return Combo->ScreenToClient(list->ClientToScreen({r.Left + 10, (r.Top + r.Bottom) / 2}));
  }
  void Mouse(UINT Msg, TPoint At, WPARAM Keys = 0) {
    PostMouse(Combo, Msg, At.X, At.Y, Keys);
    Application->ProcessMessages();
  }
  void Tick() { SendMessageA(Combo->Handle(), WM_TIMER, TspSkinCustomComboBox::ScrollTimerId, 0); }
  // A key typed as a person types it: the character it makes comes before its release.
  static void Type(uint16_t Key) {
    const LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(Key, MAPVK_VK_TO_VSC) << 16);
    PostMessageA(GetFocus(), WM_KEYDOWN, Key, data);
    Application->ProcessMessages();
    PostMessageA(GetFocus(), WM_KEYUP, Key, data | static_cast<LPARAM>(0xC0000000));
    Application->ProcessMessages();
  }

  TSkinTestWindow Window{320, 300};
  TspSkinComboBox* Combo = nullptr;
  std::vector<std::string> Events;
};

TEST_F(SkinComboBoxTest, TheListIsAPopupThatNeverTakesTheFocusAndShowsAtMostDropDownCountRows) {
  Combo->SetDropDownCount(0);  // ignored
  EXPECT_EQ(Combo->DropDownCount(), 8);
  Focus();
  Combo->DropDown();  // nothing to show
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_TRUE(Events.empty());
  Fill(20);
  Combo->DropDown();
  TspPopupListBox* list = Combo->ListBox();
  ASSERT_TRUE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"dropdown"}));
  EXPECT_TRUE(IsWindowVisible(list->Handle()));
  EXPECT_EQ(GetWindowLongA(list->Handle(), GWL_STYLE) & (WS_POPUP | WS_CHILD), static_cast<LONG>(WS_POPUP));
  EXPECT_NE(GetWindowLongA(list->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_EQ(GetFocus(), Combo->Handle());
  EXPECT_EQ(SendMessageA(list->Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(Window.Form()->Handle()),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  EXPECT_EQ(SendMessageA(list->ListBox()->Handle(), WM_MOUSEACTIVATE,
                         reinterpret_cast<WPARAM>(Window.Form()->Handle()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  EXPECT_EQ(list->ListBox()->Height() / list->ListBox()->ItemHeight(), 8);
  EXPECT_EQ(list->Width(), Combo->Width());
  // Under the box, its left edges lined up.
  EXPECT_EQ(list->BoundsRect().TopLeft(), Combo->ClientToScreen({0, Combo->Height()}));
  Combo->CloseUp(false);
  EXPECT_FALSE(IsWindowVisible(list->Handle()));
  while (Combo->Items()->Count() > 3) Combo->Items()->Delete(0);
  Combo->SetListBoxWidth(200);
  Combo->DropDown();
  EXPECT_EQ(list->ListBox()->Height() / list->ListBox()->ItemHeight(), 3);
  EXPECT_EQ(list->Width(), 200);
  Combo->CloseUp(false);
}

TEST_F(SkinComboBoxTest, WhereTheWorkAreaEndsJustBelowTheBoxTheListOpensAboveIt) {
  Fill(5);
  const TPoint below = Combo->ClientToScreen({0, Combo->Height()});
  WorkAreaEnd = {0, 0, 2000, below.Y + 5};
  const TSeamOverride workArea(Seams::WorkArea, &TestWorkArea);
  Combo->DropDown();
  const TRect list = Combo->ListBox()->BoundsRect();
  EXPECT_EQ(list.Bottom, Combo->ClientToScreen({0, 0}).Y);
  EXPECT_EQ(list.Left, below.X);
  Combo->CloseUp(false);
}

TEST_F(SkinComboBoxTest, TheListFadesInFromNothingOrTakesTheBoxsAlphaAtOnce) {
  Fill(5);
  Combo->SetListBoxAlphaBlend(true);
  Combo->SetListBoxAlphaBlendValue(150);
  Combo->SetListBoxAlphaBlendAnimation(true);
  TspPopupListBox* list = Combo->ListBox();
  BYTE alpha = 0;
  DWORD flags = 0;
  {
    // The clock moves 6 ms a reading, so every step of 10 is taken.
    const TSeamOverride clock(Seams::TickCount, [] { return Now += 6; });
    const DWORD start = Now;
    Combo->DropDown();
    EXPECT_NE(GetWindowLongA(list->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    ASSERT_TRUE(GetLayeredWindowAttributes(list->Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 150);
    EXPECT_GE(Now - start, 15u * 6);  // fifteen steps
    EXPECT_EQ(list->AppliedAlpha(), 0);  // the next fade starts from nothing again
    Combo->CloseUp(false);
  }
  Combo->SetListBoxAlphaBlendAnimation(false);
  Combo->SetListBoxAlphaBlendValue(120);
  Combo->DropDown();
  ASSERT_TRUE(GetLayeredWindowAttributes(list->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 120);
  Combo->CloseUp(false);
  Combo->SetListBoxAlphaBlend(false);
  Combo->DropDown();
  EXPECT_EQ(GetWindowLongA(list->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  Combo->CloseUp(false);
}

TEST_F(SkinComboBoxTest, DraggingFromTheButtonAndLettingGoOnAnItemTakesItWithItsEventsInOrder) {
  Fill(10);
  Combo->SetItemIndex(1);
  Events.clear();
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  ASSERT_TRUE(Combo->DroppedDown());
  Mouse(WM_MOUSEMOVE, OverItem(2), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, OverItem(4), MK_LBUTTON);
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 4);  // the selection follows the pointer
  Mouse(WM_LBUTTONUP, OverItem(4));
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "change Item 4", "click 4", "closeup"}));
}

TEST_F(SkinComboBoxTest, LettingGoElsewhereKeepsTheCommittedItemAndAClickOnTheButtonLeavesTheListOpen) {
  Fill(10);
  Combo->SetItemIndex(1);
  Events.clear();
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  Mouse(WM_LBUTTONUP, Button());
  EXPECT_TRUE(Combo->DroppedDown());  // a click: the list stays
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  EXPECT_FALSE(Combo->DroppedDown());  // a second one closes it
  Mouse(WM_LBUTTONUP, Button());
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, OverItem(5), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, {Combo->Width() + 150, 5}, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, {Combo->Width() + 150, 5});
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(Combo->Text(), "Item 1");
  EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "dropdown"}));
}

TEST_F(SkinComboBoxTest, HeldBelowAListWithABarTheSelectionMovesDownATickAtATimeToTheLastItem) {
  Fill(12);
  Combo->SetItemIndex(0);
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  ASSERT_NE(Combo->ListBox()->VScrollBar(), nullptr);
  Mouse(WM_MOUSEMOVE, OverItem(6), MK_LBUTTON);
  TspListBox* list = Combo->ListBox()->ListBox();
  const TPoint below = Combo->ScreenToClient(list->ClientToScreen({5, list->Height() + 10}));
  Mouse(WM_MOUSEMOVE, below, MK_LBUTTON);
  for (int expected = 7; expected <= 11; ++expected) {
    Tick();
    EXPECT_EQ(Combo->ListBox()->ItemIndex(), expected);
  }
  Tick();
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 11);
  Mouse(WM_MOUSEMOVE, OverItem(8), MK_LBUTTON);  // back on the list: it stops
  Tick();
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 8);
  Mouse(WM_LBUTTONUP, {Combo->Width() + 150, 5});
  EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(SkinComboBoxTest, EscapeTakesTheListsItemThenGoesBackToTheOneItDroppedWith) {
  Fill(10);
  Combo->SetItemIndex(2);
  Focus();
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(6);
  Events.clear();
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 6", "click 6", "closeup", "change Item 2"}));
  EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(SkinComboBoxTest, EnterClosesAnOpenListBeforeTheFormsDefaultButtonSeesIt) {
  auto* button = Window.Add<TButton>({200, 10, 280, 35});
  button->SetDefault(true);
  int pressed = 0;
  button->OnClick = [&](TObject*) { ++pressed; };
  Fill(10);
  Combo->SetItemIndex(0);
  Focus();
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(3);
  Events.clear();
  PressKey(VK_RETURN);
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 3", "click 3", "closeup"}));
  EXPECT_EQ(pressed, 0);
  PressKey(VK_RETURN);  // with the list closed the form has it
  EXPECT_EQ(pressed, 1);
}

TEST_F(SkinComboBoxTest, ArrowsPagesAndAltArrowsMoveTheSelectionAndOpenAndCloseTheList) {
  Fill(20);
  Combo->SetItemIndex(0);
  Focus();
  EXPECT_EQ(Combo->Perform(CM_WANTSPECIALKEY, VK_DOWN, 0), 1);
  EXPECT_EQ(Combo->Perform(CM_WANTSPECIALKEY, VK_TAB, 0), 0);
  Events.clear();
  PressKey(VK_DOWN);
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 1", "click 1"}));
  PressKey(VK_UP);
  PressKey(VK_NEXT);
  EXPECT_EQ(Combo->ItemIndex(), 7);
  Combo->SetItemIndex(15);
  PressKey(VK_PRIOR);
  EXPECT_EQ(Combo->ItemIndex(), 6);
  Combo->SetItemIndex(5);
  PressKey(VK_PRIOR);
  EXPECT_EQ(Combo->ItemIndex(), 0);
  EXPECT_EQ(Combo->Focused(), true);  // the arrows stayed with the box
  PressKey(VK_DOWN, {ssAlt});
  EXPECT_TRUE(Combo->DroppedDown());
  Combo->ListBox()->SetItemIndex(4);
  PressKey(VK_UP, {ssAlt});
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Combo->Text(), "Item 4");
  Events.clear();
  Combo->SetItemIndex(Combo->ItemIndex());  // the same item: a click, no change
  EXPECT_EQ(Events, (std::vector<std::string>{"click 4"}));
}

TEST_F(SkinComboBoxTest, TheWheelSelectsWithEventsWhileTheListIsClosedAndOnlyInTheListWhileOpen) {
  Fill(10);
  Combo->SetItemIndex(3);
  Events.clear();
  SendMessageA(Combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 4", "click 4"}));
  SendMessageA(Combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Combo->ItemIndex(), 3);
  Combo->DropDown();
  Events.clear();
  SendMessageA(Combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 4);
  EXPECT_TRUE(Events.empty());
  Combo->CloseUp(false);
  EXPECT_EQ(Combo->ItemIndex(), 3);
}

TEST_F(SkinComboBoxTest, TypedLettersStepThroughTheirItemsAndSearchTogetherWhenQuick) {
  for (const char* item : {"Apple", "apricot", "Banana"}) Combo->Items()->Add(item);
  Combo->SetItemIndex(2);
  Focus();
  const TSeamOverride clock(Seams::TickCount, &TestTickCount);
  Now = 200000;
  PostChar('a');
  EXPECT_EQ(Combo->ItemIndex(), 0);
  Now += 300;
  PostChar('a');  // "aa": nothing
  EXPECT_EQ(Combo->ItemIndex(), 0);
  Now += 500;
  PostChar('a');
  EXPECT_EQ(Combo->ItemIndex(), 1);
  Combo->SetAutoComplete(false);
  Now += 10;
  PostChar('a');
  EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(SkinComboBoxTest, AClickOnAnotherControlOrTheFocusLeavingClosesTheListWithoutItsItem) {
  auto* other = Window.Add<TspSkinComboBox>({10, 200, 130, 220});
  Fill(10);
  Combo->SetItemIndex(1);
  Focus();
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(5);
  Events.clear();
  PostClick(other, {5, 5});
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_TRUE(Events.empty());
  Focus();
  Combo->DropDown();
  other->SetFocus();
  PumpUntil([&] { return !Combo->DroppedDown(); }, 1000);
  EXPECT_FALSE(Combo->DroppedDown());
}

TEST_F(SkinComboBoxTest, TheEditPartCompletesTypedTextAndSelectsWhatItAdded) {
  for (const char* item : {"Lisbon", "Madrid", "Paris"}) Combo->Items()->Add(item);
  Combo->SetStyle(spcbEditStyle);
  TspCustomEdit* edit = Combo->EditPart();
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->TabStop());
  EXPECT_FALSE(Combo->TabStop());
  const TSeamOverride clock(Seams::TickCount, &TestTickCount);
  Focus();
  EXPECT_EQ(GetFocus(), edit->Handle());
  Events.clear();
  Now = 300000;
  Type('M');
  EXPECT_EQ(edit->Text(), "Madrid");
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 5);
  Now += 300;
  Type('A');
  EXPECT_EQ(edit->Text(), "Madrid");
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 4);
  EXPECT_EQ(Combo->Text(), "Madrid");
  EXPECT_EQ(Combo->ItemIndex(), 1);
  ASSERT_FALSE(Events.empty());
  EXPECT_EQ(Events.back(), "click 1");
  // The arrows step the list and show the item whole, selected.
  PressKey(VK_DOWN);
  EXPECT_EQ(edit->Text(), "Paris");
  EXPECT_EQ(edit->SelLength(), 5);
  Combo->SetStyle(spcbFixedStyle);
  EXPECT_EQ(Combo->EditPart(), nullptr);
  EXPECT_TRUE(Combo->TabStop());
}

TEST_F(SkinComboBoxTest, WithAnInputMethodCharsetLettingGoOfAShortcutKeepsTheSelectedText) {
  Combo->Items()->Add("Madrid");
  Combo->SetAutoComplete(false);
  Combo->DefaultFont()->SetCharset(SHIFTJIS_CHARSET);
  Combo->SetStyle(spcbEditStyle);
  TspCustomEdit* edit = Combo->EditPart();
  edit->SetText("Madrid");
  SendMessageA(edit->Handle(), EM_SETSEL, 1, 6);
  BYTE saved[256];
  GetKeyboardState(saved);
  BYTE held[256];
  std::copy(std::begin(saved), std::end(saved), std::begin(held));
  held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
  SetKeyboardState(held);
  SendMessageA(edit->Handle(), WM_KEYUP, 'C', static_cast<LPARAM>(0xC0000001));
  SetKeyboardState(saved);
  EXPECT_EQ(edit->Text(), "Madrid");
  SendMessageA(edit->Handle(), WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC0000001));
  EXPECT_EQ(edit->Text(), "Madrid");
  SendMessageA(edit->Handle(), WM_KEYUP, 'X', static_cast<LPARAM>(0xC0000001));
  EXPECT_EQ(edit->Text(), "M");  // what the input method left selected goes
}

TEST_F(SkinComboBoxTest, TheFocusedItemTakesTheHighlightOrTheSkinsFocusedPicture) {
  Fill(3);
  Combo->SetItemIndex(0);
  Focus();
  const TPoint inItem{Combo->ItemRect().Right - 2, Combo->ItemRect().Top + 1};
  EXPECT_EQ(Painted(Combo)->Pixel(inItem.X, inItem.Y), SysColor(clHighlight));
  Combo->SetSkinData(Window.Data());
  Window.Load("flatcolour");
  TspSkinData& data = *Window.Data();
  const auto& entry = dynamic_cast<const TspDataSkinComboBox&>(*data.CtrlList.at(data.GetControlIndex("combobox")));
  const TPoint skinned{Combo->ItemRect().Right - 2, Combo->ItemRect().Top + 1};
  EXPECT_EQ(Painted(Combo)->Pixel(skinned.X, skinned.Y), EntryColour(data, "combobox", entry.FocusItemRect));
  EXPECT_EQ(Painted(Combo)->Pixel(1, 1), EntryColour(data, "combobox", entry.ActiveSkinRect));  // focused: active
}

TEST_F(SkinComboBoxTest, InTheEditStyleTheListsItemReachesTheEditAndItsKeysReachTheBoxsEvents) {
  Fill(5);
  Combo->SetStyle(spcbEditStyle);
  TspCustomEdit* edit = Combo->EditPart();
  ASSERT_NE(edit, nullptr);
  std::vector<TObject*> senders;
  Combo->OnKeyDown = [&](TObject* Sender, uint16_t&, TShiftState) { senders.push_back(Sender); };
  Focus();
  Combo->DropDown();
  EXPECT_EQ(GetFocus(), edit->Handle());
  Combo->ListBox()->SetItemIndex(2);
  Events.clear();
  PressKey(VK_RETURN);
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 2", "click 2", "closeup"}));
  EXPECT_EQ(edit->Text(), "Item 2");
  EXPECT_EQ(edit->SelLength(), 6);
  PressKey(VK_HOME);
  ASSERT_FALSE(senders.empty());
  EXPECT_EQ(senders.back(), Combo);
  Events.clear();
  Combo->DropDown();
  PressKey(VK_NEXT);  // while open only the list moves a page
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 4);
  EXPECT_EQ(Events, (std::vector<std::string>{"dropdown"}));
  PressKey(VK_ESCAPE);
  EXPECT_EQ(edit->Text(), "Item 4");
}

}  // namespace
