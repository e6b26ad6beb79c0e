// The skinned context menu of the edits and the memo, shown through the window's
// skinned frame: Shift+F10 and the menu key open it below the caret with the
// built-in or the skin's texts, the items follow the edit's state, a command runs and
// the menu goes only after its message, and a second menu closes the first.
#include "SkinEditInputKit.h"

#include "skin/data/ResourceStrData.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include "classlib/Clipboard.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

using TTexts = std::vector<std::string>;

// Counts how often the components it watches go.
class TFreeCounter : public TComponent {
public:
  TFreeCounter() : TComponent(nullptr) {}
  void Watch(TComponent* Component) { Component->FreeNotification(this); }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) ++Freed;
  }
  int Freed = 0;
};

class SkinEditMenu : public SkinEditInput {
protected:
  SkinEditMenu() : Frame(new TspDynamicSkinForm(Window.Form())) { Frame->SetSkinData(Window.Data()); }
  ~SkinEditMenu() override { Engine()->CloseMenu(); }

  TspSkinMenu* Engine() const { return Frame->SkinMenu(); }
  // The open menu's captions, the disabled ones in brackets.
  TTexts Shown() const {
    TTexts shown;
    TspSkinPopupWindow* level = Engine()->PopupWindows().empty() ? nullptr : Engine()->PopupWindows().front();
    for (int i = 0; level != nullptr && i < level->ItemCount(); ++i) {
      const TMenuItem* item = level->Items(i)->MenuItem;
      shown.push_back(item->Enabled() ? item->Caption() : "(" + item->Caption() + ")");
    }
    return shown;
  }
  static void OpenFromKeyboard(TWinControl* Control) {
    Control->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control->Handle()), -1);
  }

  TspDynamicSkinForm* Frame;
};

TEST_F(SkinEditMenu, ShiftF10AndTheMenuKeyOpenItBelowTheCaretWithTheBuiltInTextsAndTheEditsState) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetText("abcdef");
  Focus(edit);
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  Clipboard().SetAsText("XY");
  PressKey(VK_F10, {ssShift});
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(Engine()->PopupControl(), edit);
  const TPoint at = edit->ContextMenu()->PopupPoint();
  EXPECT_TRUE(BelowTheCaret(edit, at)) << at.X << ", " << at.Y;
  EXPECT_GT(at.X, edit->ClientToScreen({10, 0}).X);  // past "abc", not at the edit's start
  EXPECT_EQ(Shown(), (TTexts{"(Undo)", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}));
  EXPECT_TRUE(edit->Focused());  // the menu never takes the focus
  Engine()->CloseMenu();
  edit->SetReadOnly(true);
  {
    const TMessageLog log(edit);
    PressMenuKey(edit);
    EXPECT_EQ(log.Count(WM_CONTEXTMENU), 1);  // the system's request alone: one menu
  }
  EXPECT_EQ(Shown(), (TTexts{"(Undo)", "-", "(Cut)", "Copy", "(Paste)", "(Delete)", "-", "Select All"}));
  Engine()->CloseMenu();
  // The memo's caret too, on its second line; without the focus, the middle.
  auto* memo = Add<TspSkinMemo>(Bounds(10, 40, 150, 80));
  memo->SetText("one\r\ntwo");
  Focus(memo);
  memo->SetSelStart(7);
  PressMenuKey(memo);
  ASSERT_NE(memo->ContextMenu(), nullptr);
  const TPoint second = memo->ContextMenu()->PopupPoint();
  EXPECT_TRUE(BelowTheCaret(memo, second)) << second.X << ", " << second.Y;
  EXPECT_GT(second.Y, memo->ClientToScreen({0, 20}).Y);
  Engine()->CloseMenu();
  Focus(edit);
  OpenFromKeyboard(memo);
  const TRect client = memo->ClientRect();
  EXPECT_EQ(memo->ContextMenu()->PopupPoint(), memo->ClientToScreen({client.Width() / 2, client.Height() / 2}));
}

TEST_F(SkinEditMenu, ACommandRunsAndTheMenuGoesOnlyOnceItsMessageReturned) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetText("abcdef");
  Focus(edit);
  edit->SelectAll();
  TFreeCounter counter;
  OpenFromKeyboard(edit);
  counter.Watch(edit->ContextMenu());
  edit->Perform(SP_MENU_ITEM_EXECUTED);  // the engine still runs the command: the menu lives on
  EXPECT_EQ(counter.Freed, 0);
  Application->ProcessMessages();
  EXPECT_EQ(counter.Freed, 1);
  EXPECT_EQ(edit->ContextMenu(), nullptr);
  OpenFromKeyboard(edit);
  TspSkinPopupWindow* level = Engine()->PopupWindows().front();
  const TRect copy = level->Items(3)->ItemRect;
  PostClick(level, {(copy.Left + copy.Right) / 2, (copy.Top + copy.Bottom) / 2});
  EXPECT_EQ(Clipboard().AsText(), "abcdef");
  EXPECT_TRUE(PumpUntil([&] { return edit->ContextMenu() == nullptr; }));
}

TEST_F(SkinEditMenu, ASecondMenuClosesTheFirstBeforeItGoesAndANegativePointIsARightClick) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  Focus(edit);
  TFreeCounter counter;
  OpenFromKeyboard(edit);
  counter.Watch(edit->ContextMenu());
  // A right click on a monitor left of and above the primary one.
  edit->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), PointToLParam({-50, -20}));
  EXPECT_EQ(counter.Freed, 1);
  EXPECT_EQ(edit->ContextMenu()->PopupPoint(), Point(-50, -20));
  EXPECT_EQ(Shown().size(), 8u);
  edit->Free();  // an open menu goes with its edit
  EXPECT_FALSE(Engine()->Active());
}

TEST_F(SkinEditMenu, TheFramesSkinGivesTheEditItsTextsAndTheMemoItsOwnSkinsTexts) {
  auto* strings = new TspResourceStrData(Window.Form());
  TStringList lines;
  lines.SetText("EDIT_UNDO=U\r\nEDIT_CUT=X\r\nEDIT_COPY=C\r\nEDIT_PASTE=P\r\nEDIT_DELETE=D\r\nEDIT_SELECTALL=A");
  strings->SetResStrings(lines);
  Window.Data()->SetResourceStrData(strings);
  Clipboard().SetAsText("");
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  auto* memo = Add<TspSkinMemo>(Bounds(10, 40, 150, 80));
  Focus(edit);
  for (TCustomEdit* control : std::initializer_list<TCustomEdit*>{edit, memo}) {
    OpenFromKeyboard(control);
    EXPECT_EQ(Shown(), (TTexts{"(U)", "-", "(X)", "(C)", "(P)", "(D)", "-", "(A)"}));
  }
  memo->SetSkinData(nullptr);  // the memo's own skin, not the frame's
  OpenFromKeyboard(memo);
  EXPECT_EQ(Shown(), (TTexts{"(Undo)", "-", "(Cut)", "(Copy)", "(Paste)", "(Delete)", "-", "(Select All)"}));
}

}  // namespace
