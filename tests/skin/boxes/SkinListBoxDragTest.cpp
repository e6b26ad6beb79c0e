// Dragging from a skinned list box: its inner list drags with the settings and events the
// box forwards, read from a form's text, and drops on another box's inner list.
#include "skin/boxes/ListBox.h"
#include "skin/boxes/SkinBoxClasses.h"
#include "skin/boxes/SkinListBox.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "SkinControlTestKit.h"
#include "UiTest.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

// Outside the unnamed namespace: the form's text names its class.
class TDragListsForm : public TSkinnedForm {
public:
  TDragListsForm() {
    static std::once_flag registration;
    std::call_once(registration, [] {
      RegisterSkinDataClasses(TClassRegistry::Instance());
      RegisterSkinControlClasses(TClassRegistry::Instance());
      RegisterSkinBoxClasses(TClassRegistry::Instance());
    });
    ReadForm(*this, Text(), Bindings(), "The drag lists form");
  }

  std::vector<std::string> Log;

  // Names an inner list by its box.
  std::string ListName(TObject* object) {
    auto* list = dynamic_cast<TspListBox*>(object);
    if (list == nullptr) return "nil";
    return list->Parent() != nullptr ? list->Parent()->Name() + ".list" : "?";
  }

private:
  void SongsStartDrag(TObject* Sender, TDragObject*&) { Log.push_back("start " + ListName(Sender)); }
  void SongsEndDrag(TObject* Sender, TObject* Target, int, int) {
    Log.push_back("end " + ListName(Sender) + " on " + ListName(Target));
  }
  void BinDragOver(TObject* Sender, TObject* Source, int, int, TDragState State, bool& Accept) {
    if (State == dsDragEnter) Log.push_back("over " + ListName(Sender) + " from " + ListName(Source));
    Accept = true;
  }
  void BinDragDrop(TObject* Sender, TObject* Source, int, int) {
    Log.push_back("drop " + ListName(Sender) + " from " + ListName(Source));
  }

  static std::string Text() {
    return "object DragLists: TDragListsForm\n  Left = 40\n  Top = 420\n  Width = 300\n  Height = 160\n"
           "  BorderStyle = bsNone\n"
           "  object Songs: TspSkinListBox\n    Left = 10\n    Top = 10\n    Width = 130\n    Height = 140\n"
           "    Items.Strings = ('one' 'two' 'three')\n    ListBoxDragMode = dmAutomatic\n"
           "    ListBoxDragCursor = crHandPoint\n    ListBoxDragKind = dkDrag\n"
           "    OnListBoxStartDrag = SongsStartDrag\n    OnListBoxEndDrag = SongsEndDrag\n  end\n"
           "  object Bin: TspSkinListBox\n    Left = 160\n    Top = 10\n    Width = 130\n    Height = 140\n"
           "    OnListBoxDragOver = BinDragOver\n    OnListBoxDragDrop = BinDragDrop\n  end\n"
           "end\n";
  }
  static const TFormBindings& Bindings() {
    static const TFormBindings bindings = TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
                                              .Handler("SongsStartDrag", &TDragListsForm::SongsStartDrag)
                                              .Handler("SongsEndDrag", &TDragListsForm::SongsEndDrag)
                                              .Handler("BinDragOver", &TDragListsForm::BinDragOver)
                                              .Handler("BinDragDrop", &TDragListsForm::BinDragDrop);
    return bindings;
  }
};

namespace {

TEST(SkinListBoxDrag, TheInnerListDragsWithTheForwardedSettingsAndEvents) {
  const TPointerStaysPut pointer;
  TOwned<TDragListsForm> form(new TDragListsForm);
  auto* songs = Found<TspSkinListBox>(form.get(), "Songs");
  auto* bin = Found<TspSkinListBox>(form.get(), "Bin");
  ASSERT_NE(songs, nullptr);
  ASSERT_NE(bin, nullptr);
  TspListBox* list = songs->ListBox();
  EXPECT_EQ(list->DragMode(), dmAutomatic);
  EXPECT_EQ(list->DragCursor(), crHandPoint);
  EXPECT_EQ(songs->ListBoxDragMode(), dmAutomatic);
  EXPECT_EQ(songs->ListBoxDragCursor(), crHandPoint);
  EXPECT_EQ(bin->ListBox()->DragMode(), dmManual);
  EXPECT_TRUE(bin->OnListBoxDragDrop());
  EXPECT_FALSE(songs->OnListBoxDragDrop());
  form->Show();
  PumpFor(20);

  const TRect item = list->ItemRect(1);
  const TPoint onItem{item.Left + 10, (item.Top + item.Bottom) / 2};
  PostMouse(list, WM_LBUTTONDOWN, onItem.X, onItem.Y, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return list->Dragging(); }));
  EXPECT_EQ(songs->ItemIndex(), 1) << "the press selected the item it drags";
  PostCapturedMouse(bin->ListBox(), WM_MOUSEMOVE, {20, 20});
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
  PostCapturedMouse(bin->ListBox(), WM_LBUTTONUP, {20, 20}, 0);
  EXPECT_EQ(form->Log, (std::vector<std::string>{"start Songs.list", "over Bin.list from Songs.list",
                                                 "drop Bin.list from Songs.list", "end Songs.list on Bin.list"}));
  EXPECT_FALSE(list->Dragging());
}

TEST(SkinListBoxDrag, APressReleasedWithoutMovingSelectsAndClicksTheItem) {
  const TPointerStaysPut pointer;
  TOwned<TDragListsForm> form(new TDragListsForm);
  auto* songs = Found<TspSkinListBox>(form.get(), "Songs");
  ASSERT_NE(songs, nullptr);
  int clicks = 0;
  songs->OnListBoxClick = [&](TObject*) { ++clicks; };
  form->Show();
  PumpFor(20);
  TspListBox* list = songs->ListBox();
  const TRect item = list->ItemRect(2);
  PostMouse(list, WM_LBUTTONDOWN, item.Left + 10, item.Top + 2, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return list->Dragging(); }));
  PostCapturedMouse(list, WM_LBUTTONUP, {item.Left + 10, item.Top + 2}, 0);
  EXPECT_EQ(songs->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(form->Log.empty());
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
