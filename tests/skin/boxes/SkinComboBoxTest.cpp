// The skinned combo box driven through the application's loop, with the focus (so the
// program runs alone): its drop-down list as a popup that never takes the focus, its rows,
// place and alpha; the mouse held from the button over the list and let go on an item or
// elsewhere; the scroll timer beyond the list's ends; keys, Escape and Enter while the list
// is open, the wheel and the search by typed keys; the edit part's events and completion;
// and a box freed by its own handlers on each of these ways (under a freed-memory guard,
// which stops the program at any use of it after that).
#include "FreedMemory.h"
#include "ImportPatch.h"
#include "SkinControlTestKit.h"

#include "skin/boxes/CustomEdit.h"
#include "skin/boxes/SkinComboBox.h"

#include "classlib/Button.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
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
  Focus();
  Combo->DropDown();  // nothing to show
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_TRUE(Events.empty());
  Fill(20);
  Combo->DropDown();
  TspPopupListBox* list = Combo->ListBox();
  ASSERT_TRUE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"dropdown"}));
  EXPECT_EQ(GetWindowLongA(list->Handle(), GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_VISIBLE),
            static_cast<LONG>(WS_POPUP | WS_VISIBLE));
  EXPECT_EQ(GetFocus(), Combo->Handle());
  // Flat, whatever the box's parent is.
  EXPECT_EQ((std::pair{list->Ctl3D(), list->ParentCtl3D()}), std::pair(false, false));
  EXPECT_FALSE(list->ListBox()->Ctl3D());
  for (TWinControl* window : {static_cast<TWinControl*>(list), static_cast<TWinControl*>(list->ListBox())})
    EXPECT_EQ(SendMessageA(window->Handle(), WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
  EXPECT_EQ(list->ListBox()->Height() / list->ListBox()->ItemHeight(), 8);
  const TPoint below = Combo->ClientToScreen({0, 20});
  EXPECT_EQ(list->BoundsRect(), Bounds(below.X, below.Y, Combo->Width(), list->Height()));
  Combo->CloseUp(false);
  while (Combo->Items()->Count() > 3) Combo->Items()->Delete(0);
  // Where the work area ends just below the box the list opens above it.
  WorkAreaEnd = {0, 0, 2000, below.Y + 5};
  const TSeamOverride workArea(Seams::WorkArea, &TestWorkArea);
  Combo->DropDown();
  EXPECT_EQ(list->ListBox()->Height() / list->ListBox()->ItemHeight(), 3);
  EXPECT_EQ(list->BoundsRect().BottomRight(), (TPoint{below.X + Combo->Width(), below.Y - 20}));
  Combo->CloseUp(false);
}

TEST_F(SkinComboBoxTest, TheListFadesInFromNothingOrTakesTheBoxsAlphaAtOnce) {
  Fill(5);
  Combo->SetListBoxAlphaBlend(true);
  Combo->SetListBoxAlphaBlendValue(150);
  Combo->SetListBoxAlphaBlendAnimation(true);
  BYTE alpha = 0;
  const auto shown = [&] { return GetLayeredWindowAttributes(Combo->ListBox()->Handle(), nullptr, &alpha, nullptr); };
  {
    const TSeamOverride clock(Seams::TickCount, [] { return Now += 6; });  // a step at every reading
    const DWORD start = Now;
    Combo->DropDown();
    EXPECT_TRUE(shown());
    EXPECT_EQ(alpha, 150);
    EXPECT_GE(Now - start, 15u * 6);  // fifteen steps
    EXPECT_EQ(Combo->ListBox()->AppliedAlpha(), 0);  // the next fade starts from nothing again
    Combo->CloseUp(false);
  }
  Combo->SetListBoxAlphaBlendAnimation(false);
  Combo->SetListBoxAlphaBlendValue(120);
  Combo->DropDown();
  EXPECT_TRUE(shown());
  EXPECT_EQ(alpha, 120);
  Combo->CloseUp(false);
}

TEST_F(SkinComboBoxTest, DraggingFromTheButtonTakesTheItemLetGoOnAndNothingWhenLetGoElsewhere) {
  Fill(10);
  Combo->SetItemIndex(1);
  Events.clear();
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, OverItem(2), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, OverItem(4), MK_LBUTTON);
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 4);  // the selection follows the pointer
  Mouse(WM_LBUTTONUP, OverItem(4));
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "change Item 4", "click 4", "closeup"}));
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  Mouse(WM_LBUTTONUP, Button());
  EXPECT_TRUE(Combo->DroppedDown());  // a click: the list stays
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  EXPECT_FALSE(Combo->DroppedDown());  // a second one closes it
  Mouse(WM_LBUTTONUP, Button());
  Events.clear();
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, OverItem(6), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, {Combo->Width() + 150, 5}, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, {Combo->Width() + 150, 5});
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Combo->ItemIndex(), 4);
  EXPECT_EQ(Events, (std::vector<std::string>{"dropdown"}));
}

TEST_F(SkinComboBoxTest, HeldBelowAListWithABarTheSelectionMovesDownATickAtATimeToTheLastItem) {
  Fill(12);
  Combo->SetItemIndex(0);
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  ASSERT_NE(Combo->ListBox()->VScrollBar(), nullptr);
  Mouse(WM_MOUSEMOVE, OverItem(6), MK_LBUTTON);
  TspListBox* list = Combo->ListBox()->ListBox();
  Mouse(WM_MOUSEMOVE, Combo->ScreenToClient(list->ClientToScreen({5, list->Height() + 10})), MK_LBUTTON);
  for (int expected : {7, 8, 9, 10, 11, 11}) {
    Tick();
    EXPECT_EQ(Combo->ListBox()->ItemIndex(), expected);
  }
  Mouse(WM_MOUSEMOVE, OverItem(8), MK_LBUTTON);  // back on the list: it stops
  Tick();
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 8);
  Mouse(WM_LBUTTONUP, {Combo->Width() + 150, 5});
}

// The timers set while a TSetTimers lives, by window and id.
std::vector<std::pair<HWND, UINT_PTR>> SetTimers;
const auto SystemSetTimer = SystemFunction<decltype(&SetTimer)>("user32.dll", "SetTimer");

UINT_PTR WINAPI RecordedSetTimer(HWND Window, UINT_PTR Id, UINT Interval, TIMERPROC Proc) {
  SetTimers.emplace_back(Window, Id);
  return SystemSetTimer(Window, Id, Interval, Proc);
}

struct TSetTimers {
  TSetTimers() { SetTimers.clear(); }
  TImportPatch Patch{reinterpret_cast<void*>(SystemSetTimer), reinterpret_cast<void*>(&RecordedSetTimer)};
};

TEST_F(SkinComboBoxTest, EachMoveBeyondTheListStartsTheScrollTimerAfresh) {
  Fill(12);
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, OverItem(6), MK_LBUTTON);
  TspListBox* list = Combo->ListBox()->ListBox();
  const TPoint below = Combo->ScreenToClient(list->ClientToScreen({5, list->Height() + 10}));
  {
    const TSetTimers timers;
    for (int move = 0; move < 3; ++move) Combo->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(below));
    // Each move beyond the list begins the interval again, also on the side it was.
    const std::pair<HWND, UINT_PTR> scroll{Combo->Handle(), TspSkinCustomComboBox::ScrollTimerId};
    EXPECT_EQ(std::count(SetTimers.begin(), SetTimers.end(), scroll), 3);
  }
  Mouse(WM_LBUTTONUP, {Combo->Width() + 150, 5});
}

TEST_F(SkinComboBoxTest, EnterAndEscapeBelongToAnOpenListBeforeTheFormsButtons) {
  auto* button = Window.Add<TButton>({200, 10, 280, 35});
  button->SetDefault(true);
  int pressed = 0;
  button->OnClick = [&](TObject*) { ++pressed; };
  Fill(10);
  Combo->SetItemIndex(2);
  Focus();
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(3);
  Events.clear();
  PressKey(VK_RETURN);
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 3", "click 3", "closeup"}));
  EXPECT_EQ(pressed, 0);
  // Escape takes the list's item, then goes back to the one the list dropped with.
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(6);
  Events.clear();
  PressKey(VK_ESCAPE);
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 6", "click 6", "closeup", "change Item 3"}));
  EXPECT_EQ(Combo->ItemIndex(), 3);
  PressKey(VK_RETURN);  // with the list closed the form has it
  EXPECT_EQ(pressed, 1);
}

TEST_F(SkinComboBoxTest, ArrowsPagesAndTheWheelSelectAndAltArrowsOpenAndCloseTheList) {
  Fill(20);
  Combo->SetItemIndex(0);
  Focus();
  Events.clear();
  PressKey(VK_DOWN);
  EXPECT_EQ(Events, (std::vector<std::string>{"change Item 1", "click 1"}));
  PressKey(VK_NEXT);
  EXPECT_EQ(Combo->ItemIndex(), 8);
  EXPECT_TRUE(Combo->Focused());  // the arrows stayed with the box
  SendMessageA(Combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Combo->ItemIndex(), 7);
  PressKey(VK_DOWN, {ssAlt});
  EXPECT_TRUE(Combo->DroppedDown());
  Events.clear();
  SendMessageA(Combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 8);  // only in the open list
  EXPECT_TRUE(Events.empty());
  PressKey(VK_UP, {ssAlt});
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Combo->Text(), "Item 8");
  Events.clear();
  Combo->SetItemIndex(8);  // the same item: a click, no change
  EXPECT_EQ(Events, (std::vector<std::string>{"click 8"}));
}

TEST_F(SkinComboBoxTest, TypedLettersStepThroughTheirItemsAndSearchTogetherWhenQuick) {
  for (const char* item : {"Apple", "apricot", "Banana"}) Combo->Items()->Add(item);
  Combo->SetItemIndex(2);
  Focus();
  const TSeamOverride clock(Seams::TickCount, &TestTickCount);
  for (const auto& [pause, expected] : {std::pair{0, 0}, {300, 0}, {500, 1}}) {  // "a", "aa", then "a" again
    Now += pause;
    PostChar('a');
    EXPECT_EQ(Combo->ItemIndex(), expected) << pause;
  }
  Combo->SetAutoComplete(false);
  PostChar('a');
  EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(SkinComboBoxTest, TheEditPartCompletesTypedTextAndTakesTheListsItemWithTheBoxsEvents) {
  for (const char* item : {"Lisbon", "Madrid", "Paris"}) Combo->Items()->Add(item);
  Combo->SetStyle(spcbEditStyle);
  TspCustomEdit* edit = Combo->EditPart();
  ASSERT_NE(edit, nullptr);
  std::vector<TObject*> senders;
  Combo->OnKeyDown = [&](TObject* Sender, uint16_t&, TShiftState) { senders.push_back(Sender); };
  const TSeamOverride clock(Seams::TickCount, &TestTickCount);
  Focus();
  EXPECT_EQ(GetFocus(), edit->Handle());
  for (const auto& [key, selected] : {std::pair{'M', 1}, {'A', 2}}) {
    Now += 300;
    Type(key);
    EXPECT_EQ(edit->Text(), "Madrid");
    EXPECT_EQ((TPoint{edit->SelStart(), edit->SelLength()}), (TPoint{selected, 6 - selected}));
  }
  EXPECT_EQ(Events.back(), "click 1");
  EXPECT_EQ(senders.back(), Combo);
  PressKey(VK_DOWN);  // the arrows show the next item whole, selected
  EXPECT_EQ((TPoint{edit->SelStart(), edit->SelLength()}), (TPoint{0, 5}));
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(0);
  Events.clear();
  PressKey(VK_RETURN);
  EXPECT_FALSE(Combo->DroppedDown());
  EXPECT_EQ(Events, (std::vector<std::string>{"change Lisbon", "click 0", "closeup"}));
  Combo->SetStyle(spcbFixedStyle);
  EXPECT_EQ(Combo->EditPart(), nullptr);
}

TEST_F(SkinComboBoxTest, WithAnInputMethodCharsetLettingGoOfAShortcutKeepsTheSelectedText) {
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
  held[VK_CONTROL] = 0x80;
  SetKeyboardState(held);
  SendMessageA(edit->Handle(), WM_KEYUP, 'C', static_cast<LPARAM>(0xC0000001));
  SetKeyboardState(saved);
  EXPECT_EQ(edit->Text(), "Madrid");
  for (const WPARAM key : {VK_SHIFT, VK_END, VK_LEFT}) {  // keys that select or move type nothing
    SendMessageA(edit->Handle(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
    EXPECT_EQ(edit->Text(), "Madrid") << key;
  }
  SendMessageA(edit->Handle(), WM_KEYUP, 'X', static_cast<LPARAM>(0xC0000001));
  EXPECT_EQ(edit->Text(), "M");  // what the input method left selected goes
}

TEST_F(SkinComboBoxTest, TheFocusedItemTakesTheHighlightOrTheSkinsFocusedPicture) {
  Fill(3);
  Combo->SetItemIndex(0);
  Focus();
  const auto inItem = [&] { return Painted(Combo)->Pixel(Combo->ItemRect().Right - 2, Combo->ItemRect().Top + 1); };
  EXPECT_EQ(inItem(), SysColor(clHighlight));
  Combo->SetSkinData(Window.Data());
  Window.Load("flatcolour");
  TspSkinData& data = *Window.Data();
  const auto& entry = dynamic_cast<const TspDataSkinComboBox&>(*data.CtrlList.at(data.GetControlIndex("combobox")));
  EXPECT_EQ(inItem(), EntryColour(data, "combobox", entry.FocusItemRect));
  EXPECT_EQ(Painted(Combo)->Pixel(1, 1), EntryColour(data, "combobox", entry.ActiveSkinRect));  // focused: active
}

}  // namespace

// Someone else's hook over the box's inner list: the box keeps its own part of the list's
// messages whichever goes first, and a hook left on the list when the box goes drops out.
TEST_F(SkinComboBoxTest, AHookOverItsListLeavesTheBoxsHandlingInPlaceInEitherOrder) {
  TspListBox* list = Combo->ListBox()->ListBox();
  int seen = 0;
  TspWindowProcHook over;
  over.Install(list, [&](TMessage& Message) {
    if (Message.Msg == WM_MOUSEACTIVATE) ++seen;
    over.CallNext(Message);
  });
  const auto mouseActivate = [&] {
    return SendMessageA(list->Handle(), WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  };
  EXPECT_EQ(mouseActivate(), MA_NOACTIVATE);
  EXPECT_EQ(seen, 1);
  over.Remove();
  EXPECT_EQ(mouseActivate(), MA_NOACTIVATE);
  EXPECT_EQ(seen, 1);

  over.Install(list, [&](TMessage& Message) { over.CallNext(Message); });
  Combo->Free();
  Combo = nullptr;
  EXPECT_FALSE(over.Installed());
}

namespace {

// A box freed by its own handlers is not touched again. Each case makes a box of its own
// in place of the fixture's, while the guard watches.
class SkinComboBoxFreed : public SkinComboBoxTest {
 protected:
  void Renew(int Count, TspSkinCustomComboBoxStyle Style = spcbFixedStyle) {
    if (!TFreedMemoryGuard::Freed(Combo)) Combo->Free();
    Combo = Window.Add<TspSkinComboBox>({10, 10, 130, 30});
    Combo->SetStyle(Style);
    Fill(Count);
    Combo->SetItemIndex(0);
  }
  bool Freed() const { return TFreedMemoryGuard::Freed(Combo); }
  // Lets the button go over the window, away from the box that is gone.
  using TEvent = TNotifyEvent TspSkinCustomComboBox::*;
  void ReleaseElsewhere() {
    PostMouse(Window.Form(), WM_LBUTTONUP, 250, 250);
    Application->ProcessMessages();
  }
  TNotifyEvent Freeing() {
    return [this](TObject*) { Combo->Free(); };
  }
  // Opens the list with a click on the button, then clicks item Index in it.
  void ClickItem(int Index) {
    Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, Button());
    TspListBox* list = Combo->ListBox()->ListBox();
    const TRect r = list->ItemRect(Index);
    const TPoint at{r.Left + 10, (r.Top + r.Bottom) / 2};
    PostMouse(list, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
    Application->ProcessMessages();
    PostCapturedMouse(list, WM_LBUTTONUP, at, 0);
  }

  const TFreedMemoryGuard Guard;
};

TEST_F(SkinComboBoxFreed, ByTheEventsOfAClickedItemOrOfTheListOpening) {
  for (const TEvent event : std::initializer_list<TEvent>{&TspSkinCustomComboBox::OnChange,
                                                         &TspSkinCustomComboBox::OnClick,
                                                         &TspSkinCustomComboBox::OnCloseUp}) {
    Renew(5);
    Combo->*event = Freeing();
    ClickItem(2);
    EXPECT_TRUE(Freed());
  }
  Renew(5, spcbEditStyle);
  Combo->OnChange = Freeing();
  ClickItem(2);
  EXPECT_TRUE(Freed());

  Renew(5);
  Combo->OnDropDown = Freeing();
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  EXPECT_TRUE(Freed());
  ReleaseElsewhere();
}

TEST_F(SkinComboBoxFreed, ByItsMouseFocusAndPointerEvents) {
  Renew(5);
  Combo->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Combo->Free(); };
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  EXPECT_TRUE(Freed());
  ReleaseElsewhere();

  Renew(5);
  Combo->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Combo->Free(); };
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  Mouse(WM_LBUTTONUP, Button());
  EXPECT_TRUE(Freed());

  Renew(5);
  Combo->OnMouseMove = [this](TObject*, TShiftState, int, int) { Combo->Free(); };
  Mouse(WM_MOUSEMOVE, Button());
  EXPECT_TRUE(Freed());

  Renew(5);
  Combo->OnMouseEnter = Freeing();
  Mouse(WM_MOUSEMOVE, Button());
  EXPECT_TRUE(Freed());

  // A press takes the focus first.
  Renew(5);
  Combo->OnEnter = Freeing();
  Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
  EXPECT_TRUE(Freed());
  ReleaseElsewhere();

  // A click into the edit part gives it the focus, and the box with it.
  Renew(5, spcbEditStyle);
  Combo->OnEnter = Freeing();
  PostClick(Combo->EditPart());
  EXPECT_TRUE(Freed());
}

TEST_F(SkinComboBoxFreed, ByOnExitAsTheFocusLeavesItDisabled) {
  // A click on a windowless box, which takes no focus, disables the focused combo box.
  auto* box = Window.Add<TColorBox>({200, 200, 230, 230});
  box->OnClick = [this](TObject*) { Combo->SetEnabled(false); };
  for (const TspSkinCustomComboBoxStyle style : {spcbFixedStyle, spcbEditStyle}) {
    Renew(5, style);
    Focus();
    Combo->OnExit = Freeing();
    PostClick(box);
    EXPECT_TRUE(Freed()) << style;
  }
}

TEST_F(SkinComboBoxFreed, ByTheEventsOfItsKeysTheWheelAndTypedLetters) {
  const auto focused = [this](int Count) {
    Renew(Count);
    Focus();
  };
  focused(5);
  Combo->OnClick = Freeing();
  PressKey(VK_DOWN);
  EXPECT_TRUE(Freed());

  focused(5);
  Combo->OnKeyDown = [this](TObject*, uint16_t&, TShiftState) { Combo->Free(); };
  PressKey(VK_DOWN);
  EXPECT_TRUE(Freed());

  focused(5);
  Combo->OnKeyPress = [this](TObject*, char&) { Combo->Free(); };
  PostChar('I');
  EXPECT_TRUE(Freed());

  focused(5);
  Combo->OnChange = Freeing();
  PostChar('I');  // the search takes the next item
  EXPECT_TRUE(Freed());

  focused(5);
  Combo->OnClick = Freeing();
  SendMessageA(Combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_TRUE(Freed());

  // Enter and Escape close an open list, taking its item.
  for (const uint16_t key : {VK_RETURN, VK_ESCAPE}) {
    focused(5);
    Combo->DropDown();
    Combo->ListBox()->SetItemIndex(3);
    Combo->OnCloseUp = Freeing();
    PressKey(key);
    EXPECT_TRUE(Freed()) << key;
  }
  // Escape then shows the item the list dropped with again, which changes the text.
  focused(5);
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(3);
  Combo->OnCloseUp = [this](TObject*) { Combo->OnChange = Freeing(); };
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Freed());
}

TEST_F(SkinComboBoxFreed, ByTheEventsOfItsEditPart) {
  const auto focused = [this] {
    Renew(3, spcbEditStyle);
    Focus();
  };
  focused();
  Combo->OnChange = Freeing();
  Type('I');
  EXPECT_TRUE(Freed());

  focused();
  Combo->OnKeyUp = [this](TObject*, uint16_t&, TShiftState) { Combo->Free(); };
  Type('I');
  EXPECT_TRUE(Freed());

  for (const TEvent event : std::initializer_list<TEvent>{&TspSkinCustomComboBox::OnChange,
                                                         &TspSkinCustomComboBox::OnClick}) {
    focused();
    Combo->*event = Freeing();
    SendMessageA(GetFocus(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_TRUE(Freed());
  }

  // Completing typed text selects the item it found.
  focused();
  const TSeamOverride clock(Seams::TickCount, &TestTickCount);
  Now += 300;
  Combo->OnClick = Freeing();
  Type('I');
  EXPECT_TRUE(Freed());

  for (const uint16_t key : {VK_RETURN, VK_ESCAPE}) {
    focused();
    Combo->DropDown();
    Combo->ListBox()->SetItemIndex(2);
    Combo->OnCloseUp = Freeing();
    PressKey(key);
    EXPECT_TRUE(Freed()) << key;
  }
  // The keys sent to the edit part by a program, past the loop's dialog keys.
  focused();
  Combo->DropDown();
  Combo->OnCloseUp = Freeing();
  SendMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(Freed());
}

TEST_F(SkinComboBoxFreed, AsItsEditPartTakesTheFocusFromAPressOnTheButtonAndOpensNoList) {
  // The focus is elsewhere: the press gives it to the edit part, and the box's OnEnter, or
  // the OnExit of the control the focus leaves, frees the box before its list opens.
  auto* before = Window.Add<TPanelControl>({200, 200, 230, 230});
  before->SetTabStop(true);
  for (const bool byExit : {false, true}) {
    Renew(5, spcbEditStyle);
    before->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == before->Handle(); }));
    if (byExit)
      before->OnExit = Freeing();
    else
      Combo->OnEnter = Freeing();
    TspPopupListBox* list = Combo->ListBox();
    Mouse(WM_LBUTTONDOWN, Button(), MK_LBUTTON);
    EXPECT_TRUE(Freed()) << byExit;
    EXPECT_TRUE(TFreedMemoryGuard::Freed(list)) << byExit;
    ReleaseElsewhere();
    before->OnExit = nullptr;
  }
}

}  // namespace
