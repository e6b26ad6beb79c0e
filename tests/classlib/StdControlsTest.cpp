#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Bevel.h"
#include "classlib/Button.h"
#include "classlib/Clipboard.h"
#include "classlib/DeviceContexts.h"
#include "classlib/Edit.h"
#include "classlib/Label.h"
#include "classlib/ListBox.h"
#include "classlib/Memo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(Edit, OnChangeFiresOnceForTypedAndForProgramSetText) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* edit = AddChild<TEdit>(form.get(), Bounds(10, 10, 150, 21));
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText("before the window");  // no window yet
  EXPECT_EQ(changes, 1);
  form->Show();
  EXPECT_EQ(changes, 1);  // the window taking its text is no change
  edit->SetFocus();
  edit->SelectAll();
  PressKey('A');
  EXPECT_EQ(edit->Text(), "a");
  EXPECT_EQ(changes, 2);
  edit->SetText("set");
  EXPECT_EQ(changes, 3);
  edit->SetText("set");  // the same text: no change
  EXPECT_EQ(changes, 3);
  edit->SetSelStart(3);
  edit->SetSelText("!");
  EXPECT_EQ(edit->Text(), "set!");
  EXPECT_EQ(changes, 4);
  int exits = 0;
  edit->OnExit = [&](TObject*) { ++exits; };
  edit->RecreateWnd();
  EXPECT_EQ(edit->Text(), "set!");
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(GetFocus(), edit->Handle());  // the focus survives the new window...
  EXPECT_EQ(exits, 0);                    // ...without ever leaving the control
  form->RecreateWnd();
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_EQ(exits, 0);
  edit->Clear();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(changes, 5);
}

TEST(Edit, PropertiesReachTheWindowAndSurviveANewOne) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* edit = AddChild<TEdit>(form.get(), Bounds(10, 10, 150, 21));
  edit->SetMaxLength(4);
  edit->SetCharCase(ecUpperCase);
  form->Show();
  edit->SetFocus();
  for (char c : std::string("abcdef")) PressKey(static_cast<uint16_t>(std::toupper(c)));
  EXPECT_EQ(edit->Text(), "ABCD");
  EXPECT_TRUE(edit->Modified());
  edit->SetModified(false);
  EXPECT_FALSE(edit->Modified());

  edit->SetSelStart(1);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 2);
  EXPECT_EQ(edit->SelText(), "BC");
  edit->SetCharCase(ecLowerCase);  // a new window, which converts the text
  EXPECT_EQ(edit->Text(), "abcd");
  EXPECT_EQ(edit->SelText(), "bc");  // and keeps the selection
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 4);

  edit->SetReadOnly(true);
  EXPECT_NE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
  PressKey('X');
  EXPECT_EQ(edit->Text(), "abcd");
  edit->SetReadOnly(false);
  edit->SetPasswordChar('*');
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(edit->Text(), "abcd");  // the text stays what it is
}

// A bordered control draws a sunken edge or, without Ctl3D, a flat line; a child takes its
// parent's Ctl3D until it is given its own.
TEST(Edit, Ctl3DChoosesTheBorderAndComesFromTheParentUntilSet) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* edit = AddChild<TEdit>(form.get(), Bounds(10, 10, 150, 21));
  auto* list = AddChild<TListBox>(form.get(), Bounds(10, 40, 150, 100));
  form->Show();
  // (The system's edit draws a flat border itself, leaving WS_BORDER out of its style.)
  auto edge = [](TWinControl* Control) {
    return (GetWindowLongA(Control->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
  };
  auto border = [&](TWinControl* Control) {
    return std::pair{edge(Control), (GetWindowLongA(Control->Handle(), GWL_STYLE) & WS_BORDER) != 0};
  };
  EXPECT_TRUE(edge(edit));
  EXPECT_EQ(border(list), std::pair(true, false));
  EXPECT_TRUE(edit->ParentCtl3D());
  form->SetCtl3D(false);
  EXPECT_FALSE(edit->Ctl3D());
  EXPECT_TRUE(edit->ParentCtl3D());
  EXPECT_FALSE(edge(edit));  // a new window
  EXPECT_EQ(border(list), std::pair(false, true));
  list->SetCtl3D(true);
  EXPECT_FALSE(list->ParentCtl3D());
  EXPECT_EQ(border(list), std::pair(true, false));
  form->SetCtl3D(true);
  form->SetCtl3D(false);
  EXPECT_TRUE(list->Ctl3D());  // its own now
  list->SetBorderStyle(bsNone);
  EXPECT_EQ(border(list), std::pair(false, false));
  list->SetParentCtl3D(true);
  EXPECT_FALSE(list->Ctl3D());
  auto* late = AddChild<TListBox>(form.get(), Bounds(10, 150, 150, 40));
  EXPECT_FALSE(late->Ctl3D());  // taken before its window is made
  EXPECT_EQ(border(late), std::pair(false, true));
}

TEST(Edit, EditingCommandsGoThroughTheControlsOwnWindow) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* edit = AddChild<TEdit>(form.get(), Bounds(10, 10, 150, 21));
  form->Show();
  std::vector<UINT> commands;
  const TWndMethod old = edit->WindowProc;
  edit->WindowProc = [&](TMessage& message) {
    if (message.Msg >= WM_CUT && message.Msg <= WM_UNDO) commands.push_back(message.Msg);
    old(message);
  };
  edit->SetText("cut and paste");
  edit->SetSelStart(0);
  edit->SetSelLength(4);
  edit->Cut();
  EXPECT_EQ(edit->Text(), "and paste");
  EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard().AsText(), "cut ");
  edit->SetSelStart(static_cast<int>(edit->Text().size()));
  edit->Paste();
  EXPECT_EQ(edit->Text(), "and pastecut ");
  EXPECT_TRUE(edit->CanUndo());
  edit->Undo();
  EXPECT_EQ(edit->Text(), "and paste");
  edit->SelectAll();
  edit->Copy();
  edit->ClearSelection();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(Clipboard().AsText(), "and paste");
  EXPECT_EQ(commands, (std::vector<UINT>{WM_CUT, WM_PASTE, WM_UNDO, WM_COPY, WM_CLEAR}));
  edit->WindowProc = old;

  Clipboard().SetAsText("set by the program");
  EXPECT_EQ(Clipboard().AsText(), "set by the program");
}

TEST(Memo, LinesRoundTripWithAndWithoutAWindow) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  form->HandleNeeded();
  TOwned<TMemo> detached(new TMemo(nullptr));
  auto* memo = AddChild<TMemo>(form.get(), Bounds(10, 10, 250, 150));
  memo->SetWordWrap(false);
  for (TMemo* m : {detached.get(), memo}) {
    SCOPED_TRACE(m->HandleAllocated() ? "window" : "no window");
    TStrings* lines = m->Lines();
    lines->SetText("one\r\ntwo\nthree\r\n");
    EXPECT_EQ(lines->Count(), 3);
    EXPECT_EQ(lines->Get(1), "two");
    EXPECT_EQ(lines->Text(), "one\r\ntwo\r\nthree\r\n");
    lines->Add("four");
    lines->Insert(0, "zero");
    lines->Put(2, "TWO");
    lines->Delete(3);
    EXPECT_EQ(lines->Count(), 4);
    EXPECT_EQ(lines->Text(), "zero\r\none\r\nTWO\r\nfour\r\n");
    EXPECT_THROW(lines->Get(4), EStringListError);
    EXPECT_THROW(lines->Insert(6, "x"), EStringListError);
    TStringList copy;
    copy.Assign(lines);
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
    lines->Assign(&copy);
    EXPECT_EQ(lines->Text(), copy.Text());
    lines->Add("");  // an empty line of its own
    EXPECT_EQ(lines->Count(), 5);
  }
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_EQ(memo->Text(), "zero\r\none\r\nTWO\r\nfour\r\n\r\n");
  // A text without a final line break keeps its last line.
  memo->SetText("a\r\nb");
  memo->Lines()->Add("c");
  EXPECT_EQ(memo->Text(), "a\r\nb\r\nc");
  EXPECT_EQ(memo->Lines()->Count(), 3);
}

TEST(Memo, StyleFollowsScrollBarsWrappingAndAlignment) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* memo = AddChild<TMemo>(form.get(), Bounds(10, 10, 250, 150));
  memo->SetText("kept\r\nover new windows");
  auto style = [&] { return static_cast<DWORD>(GetWindowLongA(memo->Handle(), GWL_STYLE)); };
  EXPECT_NE(style() & ES_MULTILINE, 0u);
  EXPECT_EQ(style() & ES_AUTOHSCROLL, 0u);  // wraps
  memo->SetWordWrap(false);
  memo->SetScrollBars(ssBoth);
  memo->SetAlignment(taCenter);
  EXPECT_NE(style() & ES_AUTOHSCROLL, 0u);
  EXPECT_EQ(style() & (WS_HSCROLL | WS_VSCROLL), static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL));
  EXPECT_NE(style() & ES_CENTER, 0u);
  EXPECT_EQ(memo->Text(), "kept\r\nover new windows");
}

TEST(ListBox, ItemsLiveInTheWindowAndSurviveANewOne) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  form->HandleNeeded();
  auto* list = AddChild<TListBox>(form.get(), Bounds(10, 10, 150, 150));
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(18);
  TObject marker;
  std::vector<UINT> seen;
  const TWndMethod old = list->WindowProc;
  list->WindowProc = [&](TMessage& message) {
    if (message.Msg == LB_ADDSTRING || message.Msg == LB_INSERTSTRING) seen.push_back(message.Msg);
    old(message);
  };
  list->Items()->Add("banana");
  list->Items()->AddObject("apple", &marker);
  list->Items()->Insert(0, "cherry");
  EXPECT_EQ(seen, (std::vector<UINT>{LB_ADDSTRING, LB_ADDSTRING, LB_INSERTSTRING}));
  list->WindowProc = old;
  form->Show();

  // Owner drawing keeps the strings, so the system control can search them.
  const auto found = SendMessageA(list->Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("APP"));
  EXPECT_EQ(found, 2);
  EXPECT_EQ(list->Items()->IndexOf("Banana"), 1);
  EXPECT_EQ(list->Items()->GetObject(2), &marker);

  EXPECT_EQ(list->ItemHeight(), 18);
  EXPECT_EQ(list->ItemRect(1), Bounds(0, 18, list->ClientWidth(), 18));
  EXPECT_EQ(list->ItemAtPos({5, 20}, true), 1);
  EXPECT_EQ(list->ItemAtPos({5, 100}, true), -1);  // below the last item
  EXPECT_EQ(list->ItemAtPos({5, 100}, false), 3);

  list->SetItemIndex(2);
  list->SetTopIndex(1);
  list->SetSorted(true);  // a new window, sorting what it gets
  EXPECT_EQ(list->Items()->Text(), "apple\r\nbanana\r\ncherry\r\n");
  EXPECT_EQ(list->Items()->GetObject(0), &marker);
  list->SetSorted(false);
  list->SetItemIndex(1);
  list->RecreateWnd();
  EXPECT_EQ(list->Items()->Text(), "apple\r\nbanana\r\ncherry\r\n");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Items()->GetObject(0), &marker);
  EXPECT_THROW(list->Items()->Get(3), EStringListError);

  list->SetColumns(2);  // a window of columns, with the same items
  EXPECT_NE(GetWindowLongA(list->Handle(), GWL_STYLE) & LBS_MULTICOLUMN, 0);
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST(ListBox, ItemsWithoutAWindowAndSeveralSelected) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  form->HandleNeeded();
  TOwned<TListBox> list(new TListBox(form.get()));  // no parent yet
  list->SetMultiSelect(true);
  list->Items()->SetText("one\r\ntwo\r\nthree\r\n");
  list->SetSelected(0, true);
  list->SetSelected(2, true);
  list->SetItemIndex(2);
  EXPECT_FALSE(list->HandleAllocated());
  EXPECT_TRUE(list->Selected(2));
  list->SetParent(form.get());
  ASSERT_TRUE(list->HandleAllocated());
  EXPECT_EQ(list->Count(), 3);
  EXPECT_TRUE(list->Selected(0));
  EXPECT_FALSE(list->Selected(1));
  EXPECT_TRUE(list->Selected(2));
  EXPECT_EQ(list->ItemIndex(), 2);
  list->SetSelected(0, false);
  list->SetParent(nullptr);  // the window goes, the items and selection stay
  EXPECT_FALSE(list->HandleAllocated());
  EXPECT_EQ(list->Items()->Get(1), "two");
  EXPECT_FALSE(list->Selected(0));
  EXPECT_TRUE(list->Selected(2));
  EXPECT_THROW(list->Selected(3), EListError);
}

// A list without a window (a drop-down list not yet shown) keeps its selection on the
// item the window's would be on, whatever is added, deleted or cleared meanwhile.
TEST(ListBox, ASelectionWithoutAWindowFollowsItsItemAsTheWindowsDoes) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  form->HandleNeeded();
  auto* shown = AddChild<TListBox>(form.get(), Bounds(10, 10, 100, 100));
  TOwned<TListBox> unshown(new TListBox(form.get()));  // no parent: no window
  const std::vector<std::pair<std::string, std::function<void(TListBox&)>>> steps = {
      {"select", [](TListBox& l) { l.SetItemIndex(2); }},
      {"insert before", [](TListBox& l) { l.Items()->Insert(0, "zero"); }},
      {"insert after", [](TListBox& l) { l.Items()->Insert(4, "four"); }},
      {"delete before", [](TListBox& l) { l.Items()->Delete(1); }},
      {"delete after", [](TListBox& l) { l.Items()->Delete(3); }},
      {"delete it", [](TListBox& l) { l.Items()->Delete(2); }},
      {"select again", [](TListBox& l) { l.SetItemIndex(1); }},
      {"clear", [](TListBox& l) { l.Items()->Clear(); }},
      {"refill", [](TListBox& l) { l.Items()->SetText("x\r\ny\r\n"); }},
  };
  for (TListBox* list : {shown, unshown.get()}) list->Items()->SetText("a\r\nb\r\nc\r\nd\r\n");
  for (const auto& [name, step] : steps) {
    step(*shown);
    step(*unshown);
    EXPECT_EQ(unshown->ItemIndex(), shown->ItemIndex()) << name;
  }
  ASSERT_FALSE(unshown->HandleAllocated());
  EXPECT_EQ(shown->ItemIndex(), -1);
  unshown->SetSorted(true);
  unshown->Items()->SetText("m\r\n");
  unshown->SetItemIndex(0);
  unshown->Items()->Add("a");  // sorted in before the selected item
  EXPECT_EQ(unshown->ItemIndex(), 1);
}

TEST(ListBox, SelectionClicksAndOwnerDrawing) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* list = AddChild<TListBox>(form.get(), Bounds(10, 10, 150, 150));
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  list->Items()->SetText("first\r\nsecond\r\n");
  std::vector<std::pair<int, bool>> drawn;
  list->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
    drawn.emplace_back(index, state.Contains(odSelected));
    list->Canvas()->FillRect(rect);
  };
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return drawn.size() >= 2; }));
  list->SetItemIndex(0);  // set by the program: no click
  EXPECT_EQ(clicks, 0);
  drawn.clear();
  PostMouse(list, WM_LBUTTONDOWN, 5, 25, MK_LBUTTON);
  PostMouse(list, WM_LBUTTONUP, 5, 25);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(PumpUntil([&] {
    return std::find(drawn.begin(), drawn.end(), std::make_pair(1, true)) != drawn.end();
  }));
  ParkPointer();
}

TEST(Label, SizesToItsTextAndKeepsItsRightEdgeWhenRightAligned) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* label = AddChild<TCustomLabel>(form.get(), Bounds(50, 10, 200, 40));
  label->SetCaption("Some text");
  const TRect fitted = label->BoundsRect();
  EXPECT_EQ(fitted.Left, 50);
  EXPECT_GT(fitted.Width(), 0);
  EXPECT_LT(fitted.Width(), 200);
  EXPECT_GT(fitted.Height(), 0);
  label->SetCaption("");
  EXPECT_EQ(label->Height(), fitted.Height());  // an empty label keeps a line's height
  EXPECT_GT(label->Width(), 0);

  label->SetAlignment(taRightJustify);
  label->SetCaption("Some text");
  const int right = label->BoundsRect().Right;
  label->SetCaption("Some longer text");
  EXPECT_EQ(label->BoundsRect().Right, right);
  EXPECT_GT(label->Width(), fitted.Width());

  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_GT(label->Width(), fitted.Width());  // stays

  // While a form is read the size waits for Loaded.
  label->SetAutoSize(true);
  label->Loading();
  label->SetCaption("Read from a form description");
  const int readWidth = label->Width();
  label->Loaded();
  EXPECT_NE(label->Width(), readWidth);
}

// A label measures in the program's one screen-compatible DC: as wide and high as the
// screen's own DC measures its text (with a blank's room), and it leaves that DC with
// none of its fonts selected, so the fonts can go.
TEST(Label, MeasuresAsTheScreenDoesAndLeavesTheSharedDCAsItFoundIt) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 100));
  auto* label = AddChild<TCustomLabel>(form.get(), Bounds(0, 0, 10, 10));
  const HDC shared = ScreenCompatibleDC();
  ASSERT_NE(shared, nullptr);
  const HGDIOBJ defaultFont = GetCurrentObject(shared, OBJ_FONT);
  for (int height : {11, 16, 24}) {
    label->Font()->SetName("Tahoma");
    label->Font()->SetHeight(height);
    const std::string text = "Fichier & dossier " + std::to_string(height);
    label->SetCaption(text);
    const TWindowDC screen(nullptr);
    const TSelectedObject font(screen.DC(), label->Font()->Handle());
    RECT expected{0, 0, 0, 0};
    DrawTextA(screen.DC(), text.c_str(), static_cast<int>(text.size()), &expected, DT_EXPANDTABS | DT_CALCRECT);
    SIZE blank{};
    GetTextExtentPoint32A(screen.DC(), " ", 1, &blank);
    EXPECT_EQ(label->Width(), expected.right + blank.cx) << height;
    EXPECT_EQ(label->Height(), expected.bottom) << height;
    EXPECT_EQ(GetCurrentObject(shared, OBJ_FONT), defaultFont) << height;
  }
}

// A sized label's last glyph shows whole: smoothed glyphs reach past the text's advance,
// and a glyph the clipping would cut is not drawn at all.
TEST(Label, ASizedLabelShowsItsLastGlyph) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 100));
  auto* label = AddChild<TCustomLabel>(form.get(), Bounds(0, 0, 10, 10));
  label->Font()->SetName("Tahoma");
  label->Font()->SetHeight(13);
  label->SetTransparent(true);
  const std::string text = "Construya el formato con la siguiente sintaxis :";
  label->SetCaption(text);
  TPixelDC dc(label->Width() + 10, label->Height());
  dc.Fill(clWhite);
  IntersectClipRect(dc.DC(), 0, 0, label->Width(), label->Height());  // as its parent paints it
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  form->Canvas()->Font()->Assign(label->Font());
  const int advance = form->Canvas()->TextWidth(text);
  int lastInk = -1;
  for (int x = 0; x < label->Width(); ++x)
    for (int y = 0; y < label->Height(); ++y)
      if (dc.Pixel(x, y) != clWhite) lastInk = x;
  EXPECT_GE(lastInk, advance - 2);  // the colon, not the word before it
}

TEST(Label, RightToLeftMirrorsTheAlignmentTheParentGives) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* label = AddChild<TCustomLabel>(form.get(), Bounds(50, 10, 200, 40));
  auto* edit = AddChild<TEdit>(form.get(), Bounds(50, 100, 100, 21));
  form->Show();
  label->SetCaption("Some text");
  const int right = label->BoundsRect().Right;
  form->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(label->ParentBiDiMode());
  EXPECT_TRUE(label->UseRightToLeftAlignment());
  EXPECT_EQ(label->DrawTextBiDiModeFlags(DT_LEFT), static_cast<UINT>(DT_RIGHT | DT_RTLREADING));
  label->SetCaption("Some longer text");  // left aligned reads as right aligned now
  EXPECT_EQ(label->BoundsRect().Right, right);
  EXPECT_NE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING, 0);
  label->SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(label->ParentBiDiMode());
  form->SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_EQ(label->BiDiMode(), bdLeftToRight);
  EXPECT_EQ(edit->BiDiMode(), bdRightToLeftNoAlign);
}

TEST(Label, PaintsItsColourUnlessTransparent) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  form->SetColor(clBtnFace);
  auto* label = AddChild<TCustomLabel>(form.get(), Bounds(10, 10, 100, 20));
  label->SetAutoSize(false);
  label->SetColor(clRed);
  TPixelDC dc(20, 20);
  dc.Fill(clBlue);
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  EXPECT_EQ(dc.Pixel(19, 19), clRed);
  label->SetTransparent(true);
  dc.Fill(clBlue);
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  EXPECT_EQ(dc.Pixel(19, 19), clBlue);
}

TEST(Bevel, ShapesDrawTheirEdgesInTheSystemsColours) {
  using TColors = std::vector<TColor>;
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* bevel = AddChild<TBevel>(form.get(), Bounds(0, 0, 20, 10));
  const TColor light = SysColor(clBtnHighlight);
  const TColor dark = SysColor(clBtnShadow);
  auto paint = [&](TBevelShape shape, TBevelStyle style) {
    bevel->SetShape(shape);
    bevel->SetStyle(style);
    auto dc = std::make_unique<TPixelDC>(20, 10);
    dc->Fill(clBlack);
    bevel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc->DC()), 0);
    return dc;
  };
  auto box = paint(bsBox, bsLowered);
  EXPECT_EQ(box->Pixel(0, 5), dark);
  EXPECT_EQ(box->Pixel(10, 0), dark);
  EXPECT_EQ(box->Pixel(19, 5), light);
  EXPECT_EQ(box->Pixel(10, 9), light);
  EXPECT_EQ(box->Pixel(10, 5), clBlack);
  auto raised = paint(bsBox, bsRaised);
  EXPECT_EQ(raised->Pixel(0, 5), light);
  EXPECT_EQ(raised->Pixel(19, 5), dark);
  // The frame: one rectangle down and right in the swapped colours, one in the first
  // colour over it. Across the middle from the left and from the top to the far edge:
  auto frame = paint(bsFrame, bsLowered);
  EXPECT_EQ((TColors{frame->Pixel(0, 5), frame->Pixel(1, 5), frame->Pixel(10, 5), frame->Pixel(18, 5),
                     frame->Pixel(19, 5)}),
            (TColors{dark, light, clBlack, dark, dark}));
  EXPECT_EQ((TColors{frame->Pixel(10, 0), frame->Pixel(10, 1), frame->Pixel(10, 8), frame->Pixel(10, 9)}),
            (TColors{dark, light, dark, dark}));
  // The corners the two rectangles leave: the inner one's start and two untouched.
  EXPECT_EQ((TColors{frame->Pixel(1, 9), frame->Pixel(0, 9), frame->Pixel(19, 0)}), (TColors{light, clBlack, clBlack}));
  frame = paint(bsFrame, bsRaised);
  EXPECT_EQ((TColors{frame->Pixel(0, 5), frame->Pixel(1, 5), frame->Pixel(18, 5), frame->Pixel(19, 5),
                     frame->Pixel(10, 9)}),
            (TColors{light, dark, light, light, light}));
  auto top = paint(bsTopLine, bsLowered);
  EXPECT_EQ(top->Pixel(10, 0), dark);
  EXPECT_EQ(top->Pixel(10, 1), light);
  EXPECT_EQ(top->Pixel(10, 2), clBlack);
  auto right = paint(bsRightLine, bsRaised);
  EXPECT_EQ(right->Pixel(18, 5), light);
  EXPECT_EQ(right->Pixel(19, 5), dark);
  auto spacer = paint(bsSpacer, bsLowered);
  EXPECT_EQ(spacer->Pixel(0, 0), clBlack);
}

TEST(Button, AClickHandsTheModalResultToTheForm) {
  TOwned<TForm> form(MakeForm(100, 100, 300, 200));
  auto* button = AddChild<TButton>(form.get(), Bounds(10, 10, 75, 25));
  button->SetModalResult(mrYes);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  PostMouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(button, WM_LBUTTONUP, 5, 5);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(form->ModalResult(), mrYes);
  PumpFor(20);
  EXPECT_EQ(clicks, 1);  // the system control's click only
  ParkPointer();
}

}  // namespace
