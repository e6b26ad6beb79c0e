#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption, TComponent* Owner = nullptr) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}

std::vector<std::string> VisibleCaptions(const TMenuItem* Parent) {
  std::vector<std::string> captions;
  for (int i = 0; i < Parent->Count(); ++i)
    if (Parent->Items(i)->Visible()) captions.push_back(Parent->Items(i)->Caption());
  return captions;
}

// Holds Ctrl (and Shift) in the thread's keyboard state while it lives.
class THeldKeys {
public:
  explicit THeldKeys(TShiftState Shift) {
    GetKeyboardState(FSaved);
    BYTE held[256];
    std::copy(std::begin(FSaved), std::end(FSaved), std::begin(held));
    held[VK_CONTROL] = Shift.Contains(ssCtrl) ? 0x80 : 0;
    held[VK_SHIFT] = Shift.Contains(ssShift) ? 0x80 : 0;
    SetKeyboardState(held);
  }
  ~THeldKeys() { SetKeyboardState(FSaved); }
  THeldKeys(const THeldKeys&) = delete;
  THeldKeys& operator=(const THeldKeys&) = delete;

private:
  BYTE FSaved[256];
};

TEST(Menus, CheckingARadioItemUnchecksTheRadioItemsOfItsGroup) {
  TOwned<TMainMenu> menu(new TMainMenu(nullptr));
  TMenuItem* root = menu->Items();
  TMenuItem* a = AddItem(root, "A");
  TMenuItem* b = AddItem(root, "B");
  TMenuItem* other = AddItem(root, "Other group");
  TMenuItem* plain = AddItem(root, "Not a radio item");
  for (TMenuItem* item : {a, b, other}) item->SetRadioItem(true);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  other->SetGroupIndex(2);
  plain->SetGroupIndex(1);
  other->SetChecked(true);
  plain->SetChecked(true);

  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other->Checked());
  EXPECT_TRUE(plain->Checked());

  // A checked item joining the group, or turning into a radio item, takes the check.
  a->SetChecked(true);
  EXPECT_FALSE(b->Checked());
  other->SetGroupIndex(1);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(other->Checked());
  plain->SetRadioItem(true);
  EXPECT_FALSE(other->Checked());
  EXPECT_TRUE(plain->Checked());
}

TEST(Menus, ShortCutsAreFoundInSubmenusAndSkipDisabledItems) {
  TOwned<TMainMenu> menu(new TMainMenu(nullptr));
  TMenuItem* edit = AddItem(menu->Items(), "&Edit");
  TMenuItem* disabledCopy = AddItem(edit, "Select all (off)");
  TMenuItem* closedMenu = AddItem(edit, "Closed");
  TMenuItem* hidden = AddItem(closedMenu, "Hidden select all");
  TMenuItem* selection = AddItem(edit, "Selection");
  TMenuItem* selectAll = AddItem(selection, "Select &all");
  std::vector<std::string> clicks;
  for (TMenuItem* item : {disabledCopy, hidden, selectAll}) {
    item->SetShortCut(ShortCut('A', {ssCtrl}));
    item->OnClick = [&clicks](TObject* sender) { clicks.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
  }
  disabledCopy->SetEnabled(false);
  closedMenu->SetEnabled(false);

  TWMKey key{'A', 0};
  {
    THeldKeys ctrl({ssCtrl});
    EXPECT_TRUE(menu->IsShortCut(key));
  }
  EXPECT_EQ(clicks, std::vector<std::string>{"Select &all"});
  EXPECT_FALSE(menu->IsShortCut(key)) << "plain A is no shortcut";
  {
    THeldKeys ctrlShift({ssCtrl, ssShift});
    EXPECT_FALSE(menu->IsShortCut(key));
  }
  selectAll->SetEnabled(false);
  {
    THeldKeys ctrl({ssCtrl});
    EXPECT_FALSE(menu->IsShortCut(key));
  }
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(menu->FindItem(ShortCut('A', {ssCtrl}), fkShortCut), disabledCopy);
  EXPECT_EQ(menu->FindItem(selectAll->Command(), fkCommand), selectAll);
}

TEST(Menus, CommandsAreUniqueAndAStaleOneDispatchesNothing) {
  TOwned<TPopupMenu> menu(new TPopupMenu(nullptr));
  TOwned<TPopupMenu> otherMenu(new TPopupMenu(nullptr));
  TMenuItem* open = AddItem(menu->Items(), "Open");
  TMenuItem* gone = AddItem(menu->Items(), "Gone");
  TMenuItem* foreign = AddItem(otherMenu->Items(), "Elsewhere");
  EXPECT_NE(open->Command(), gone->Command());
  EXPECT_NE(open->Command(), foreign->Command());
  EXPECT_NE(open->Command(), 0);

  int clicks = 0;
  open->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_TRUE(menu->DispatchCommand(open->Command()));
  EXPECT_EQ(clicks, 1);

  const uint16_t stale = gone->Command();
  gone->Free();
  TMenuItem* replacement = AddItem(menu->Items(), "Replacement");
  replacement->OnClick = [&](TObject*) { clicks += 100; };
  EXPECT_NE(replacement->Command(), stale);
  EXPECT_FALSE(menu->DispatchCommand(stale));
  EXPECT_FALSE(menu->DispatchCommand(foreign->Command()));
  EXPECT_EQ(clicks, 1);

  // A disabled item is found but not clicked.
  open->SetEnabled(false);
  EXPECT_TRUE(menu->DispatchCommand(open->Command()));
  EXPECT_EQ(clicks, 1);
}

TEST(Menus, ItemsFormATreeThatFreesItsBranches) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  TOwned<TMainMenu> menu(new TMainMenu(owner.get()));
  TMenuItem* file = AddItem(menu->Items(), "&File", owner.get());
  TMenuItem* open = AddItem(file, "&Open", owner.get());
  TMenuItem* save = AddItem(file, "&Save", owner.get());
  TMenuItem* quit = new TMenuItem(owner.get());
  file->Insert(1, quit);
  EXPECT_EQ(file->IndexOf(quit), 1);
  EXPECT_EQ(open->Parent(), file);
  EXPECT_EQ(save->GetParentMenu(), menu.get());
  EXPECT_EQ(TOwned<TMenuItem>(new TMenuItem(nullptr))->GetParentMenu(), nullptr);

  save->SetMenuIndex(0);
  EXPECT_EQ(VisibleCaptions(file), (std::vector<std::string>{"&Save", "&Open", ""}));
  EXPECT_THROW(menu->Items()->Add(open), EMenuError);
  EXPECT_THROW(open->Add(menu->Items()), EMenuError);  // it would contain itself
  EXPECT_THROW(file->Items(3), EListError);

  file->Delete(2);  // out of the tree, not freed
  EXPECT_EQ(quit->Parent(), nullptr);
  EXPECT_EQ(file->Count(), 2);
  file->Add(quit);
  quit->Free();
  EXPECT_EQ(file->Count(), 2);

  // Freeing a branch frees what it holds; the owner lets go of them.
  const int owned = owner->ComponentCount();
  file->Free();
  EXPECT_EQ(menu->Items()->Count(), 0);
  EXPECT_EQ(owner->ComponentCount(), owned - 3);
}

TEST(Menus, RethinkLinesHidesRedundantSeparatorsOnly) {
  TOwned<TPopupMenu> menu(new TPopupMenu(nullptr));
  TMenuItem* root = menu->Items();
  for (const char* caption : {"-", "A", "-", "-", "B", "-", "C", "-"}) AddItem(root, caption);
  TMenuItem* b = root->Items(4);
  TMenuItem* a = root->Items(1);
  b->SetVisible(false);
  root->RethinkLines();
  EXPECT_EQ(VisibleCaptions(root), (std::vector<std::string>{"A", "-", "C"}));

  // Lines it hid come back when they are needed again; one the program hid does not.
  a->SetVisible(false);
  b->SetVisible(true);
  root->Items(5)->SetVisible(false);
  root->RethinkLines();
  EXPECT_EQ(VisibleCaptions(root), (std::vector<std::string>{"B", "C"}));
  root->Items(5)->SetVisible(true);
  root->RethinkLines();
  EXPECT_EQ(VisibleCaptions(root), (std::vector<std::string>{"B", "-", "C"}));
  EXPECT_TRUE(root->Items(5)->Visible());
}

TEST(Menus, AFormsMenuAndAControlsPopupMenuLetGoWhenFreed) {
  TOwned<TForm> form(MakeForm(0, 0, 100, 100));
  auto* menu = new TMainMenu(form.get());
  auto* popup = new TPopupMenu(nullptr);
  auto* control = AddChild<TColorBox>(form.get(), Bounds(0, 0, 10, 10));
  form->SetMenu(menu);
  control->SetPopupMenu(popup);
  popup->SetPopupComponent(control);
  EXPECT_EQ(form->Menu(), menu);
  menu->Free();
  popup->Free();
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(control->PopupMenu(), nullptr);

  auto* another = new TPopupMenu(nullptr);
  another->SetPopupComponent(control);
  control->Free();
  EXPECT_EQ(another->PopupComponent(), nullptr);
  another->Free();
}

TEST(Menus, AContextMenuMessageOpensTheControlsPopupMenu) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 150));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(10, 10, 120, 100));
  auto* box = AddChild<TColorBox>(panel, Bounds(10, 10, 30, 30));
  AddChild<TColorBox>(panel, Bounds(50, 10, 30, 30));  // without a menu
  auto* inner = AddChild<TPanelControl>(panel, Bounds(10, 50, 40, 40));
  auto* panelMenu = new TRecordingPopupMenu(form.get());
  auto* boxMenu = new TRecordingPopupMenu(form.get());
  panel->SetPopupMenu(panelMenu);
  box->SetPopupMenu(boxMenu);
  int popups = 0;
  boxMenu->OnPopup = [&](TObject*) { ++popups; };
  form->Show();

  auto contextMenu = [](TWinControl* window, TPoint screen) {
    SendMessageA(window->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window->Handle()), PointToLParam(screen));
  };
  // Over a windowless child with a menu: its menu, at the point.
  const TPoint overBox = panel->ClientToScreen({15, 20});
  contextMenu(panel, overBox);
  ASSERT_EQ(boxMenu->Points.size(), 1u);
  EXPECT_EQ(boxMenu->Points[0], overBox);
  EXPECT_EQ(boxMenu->PopupComponent(), box);
  EXPECT_EQ(popups, 1);

  // Over a child without one, and from a windowed child without one: the parent's.
  contextMenu(panel, panel->ClientToScreen({60, 20}));
  contextMenu(inner, inner->ClientToScreen({5, 5}));
  ASSERT_EQ(panelMenu->Points.size(), 2u);
  EXPECT_EQ(panelMenu->PopupComponent(), panel);

  // From the keyboard: at the control's centre.
  contextMenu(panel, {-1, -1});
  ASSERT_EQ(panelMenu->Points.size(), 3u);
  EXPECT_EQ(panelMenu->Points[2], panel->ClientToScreen({60, 50}));

  // Without AutoPopup the menu stays closed.
  panelMenu->SetAutoPopup(false);
  contextMenu(panel, {-1, -1});
  EXPECT_EQ(panelMenu->Points.size(), 3u);
  EXPECT_EQ(boxMenu->Points.size(), 1u);
}

// The keys go to the control's window, as they go to the focused control's for a user.
// The system asks for the menu itself: it posts WM_CONTEXTMENU (-1, -1) as the menu key
// comes up, and sends it as Shift+F10 (Ctrl held or not) goes down.
TEST(Menus, TheMenuKeyAndShiftF10OpenTheControlsMenuOnceAfterOnContextPopup) {
  TOwned<TForm> form(MakeForm(100, 100, 200, 150));
  auto* panel = AddChild<TPanelControl>(form.get(), Bounds(10, 10, 120, 100));
  auto* menu = new TRecordingPopupMenu(form.get());
  panel->SetPopupMenu(menu);
  std::vector<TPoint> asked;
  panel->OnContextPopup = [&](TObject*, TPoint MousePos, bool&) { asked.push_back(MousePos); };
  form->Show();
  PressMenuKey(panel);
  PostKey(panel, VK_F10, {ssShift});
  PostKey(panel, VK_F10, {ssShift, ssCtrl});
  const TPoint middle = panel->ClientToScreen({60, 50});
  EXPECT_EQ(menu->Points, (std::vector<TPoint>{middle, middle, middle}));  // each once
  SendMessageA(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()),
               PointToLParam(panel->ClientToScreen({7, 8})));
  EXPECT_EQ(asked, (std::vector<TPoint>{KeyboardMenuRequest, KeyboardMenuRequest, KeyboardMenuRequest, {7, 8}}));

  // F10 alone (the menu bar's) opens nothing, nor Shift+F10 that the control's event took.
  PostKey(panel, VK_F10);
  panel->OnKeyDown = [](TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_F10) Key = 0;
  };
  PostKey(panel, VK_F10, {ssShift});
  EXPECT_EQ(menu->Points.size(), 4u);
  // A handler that handles the request keeps the menu shut.
  panel->OnContextPopup = [](TObject*, TPoint, bool& Handled) { Handled = true; };
  PressMenuKey(panel);
  EXPECT_EQ(menu->Points.size(), 4u);
}

}  // namespace
