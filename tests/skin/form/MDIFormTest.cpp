// An MDI main form read from its form resource with the program's own skin, a menu bar
// and a tabs bar: its New command opens skinned children (also from a child's keys),
// which tab, maximize onto the bar, restore, minimize and close; the form then goes
// without leaving its application hook behind.
#include "FrameTestKit.h"

#include "skin/form/SkinMDITabsBar.h"
#include "skin/form/SkinMainMenuBar.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include <gtest/gtest.h>

// The form class its resource names.
class TMDITestForm : public TForm {
public:
  explicit TMDITestForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterSkinFormTestClasses();
    ReadFormResource(*this, TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
                                .Handler("Menu_FileNewClick", &TMDITestForm::Menu_FileNewClick));
  }
  // A skinned child over the form's stored skin.
  void Menu_FileNewClick(TObject*) {
    auto* child = new TForm(Application);
    child->SetFormStyle(fsMDIChild);
    auto* data = new TspSkinData(child);
    data->SetCompressedStoredSkin(dynamic_cast<TspCompressedStoredSkin*>(FindComponent("StoredSkin")));
    (new TspDynamicSkinForm(child))->SetSkinData(data);
    child->SetBounds(10 + 30 * Opened, 10 + 30 * Opened, 240, 160);
    child->SetCaption("Document " + std::to_string(++Opened));
    child->Show();
  }
  int Opened = 0;
};

namespace {

template <class T>
T* Part(TComponent* Form, const std::string& Name) {
  return dynamic_cast<T*>(Form->FindComponent(Name));
}

TEST(MDIForm, ItsChildrenOpenTabMaximizeRestoreMinimizeAndClose) {
  ParkPointer();
  ASSERT_EQ(Application->MainForm(), nullptr);
  const TApplication::TMessageEvent before = Application->OnMessage;
  TMDITestForm* form = nullptr;
  Application->CreateForm(form);
  auto* frame = Part<TspDynamicSkinForm>(form, "DynSkinForm");
  auto* bar = Part<TspSkinMainMenuBar>(form, "Form_MenuBar");
  auto* tabs = Part<TspSkinMDITabsBar>(form, "Form_Tabs");
  ASSERT_TRUE(frame != nullptr && bar != nullptr && tabs != nullptr);
  EXPECT_EQ(form->FormStyle(), fsMDIForm);
  EXPECT_EQ(form->WindowMenu(), form->FindComponent("Menu_Window"));
  EXPECT_EQ(frame->MDITabsBar(), tabs);
  EXPECT_EQ(tabs->DynamicSkinForm(), frame);
  EXPECT_TRUE(tabs->ShowCloseButtons());
  EXPECT_EQ(tabs->MinTabWidth(), 90);
  EXPECT_EQ(tabs->DefaultTabWidth(), 120);

  form->Show();
  SetActiveWindow(form->Handle());
  PumpFor(20);
  EXPECT_EQ(frame->SubclassedMDIClient(), form->ClientHandle());
  PressKey('N', {ssCtrl});
  ASSERT_EQ(form->MDIChildCount(), 1);
  PressKey('N', {ssCtrl});  // from inside the first child
  ASSERT_EQ(form->MDIChildCount(), 2);
  TCustomForm* second = form->ActiveMDIChild();
  TCustomForm* first = form->MDIChildren(1);
  ASSERT_EQ(tabs->TabCount(), 2);
  EXPECT_EQ(tabs->Tabs(0)->Child, first);
  EXPECT_TRUE(tabs->Tabs(1)->Active);

  TspDynamicSkinForm* secondFrame = GetDynamicSkinForm(second);
  secondFrame->SetWindowState(TspWindowState::Maximized);
  EXPECT_EQ(bar->MDIButtonCount(), 4);
  EXPECT_EQ(frame->CaptionText(), "Skinned MDI - [Document 2]");
  secondFrame->SetWindowState(TspWindowState::Normal);
  EXPECT_EQ(bar->MDIButtonCount(), 0);
  EXPECT_EQ(second->BoundsRect(), Bounds(40, 40, 240, 160));

  TspDynamicSkinForm* firstFrame = GetDynamicSkinForm(first);
  firstFrame->SetWindowState(TspWindowState::Minimized);
  EXPECT_EQ(firstFrame->WindowState(), TspWindowState::Minimized);
  tabs->Update();
  const TRect firstTab = tabs->Tabs(0)->TabRect;
  PostClick(tabs, {firstTab.Left + 10, firstTab.Top + firstTab.Height() / 2});
  EXPECT_EQ(firstFrame->WindowState(), TspWindowState::Normal);
  EXPECT_EQ(form->ActiveMDIChild(), first);

  bool secondFreed = false;
  second->OnDestroy = [&](TObject*) { secondFreed = true; };
  tabs->Update();
  const TRect close = tabs->Tabs(1)->CloseRect;
  PostClick(tabs, {(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2});
  EXPECT_TRUE(PumpUntil([&] { return secondFreed; }));
  EXPECT_EQ(tabs->TabCount(), 1);

  bool firstFreed = false;
  first->OnDestroy = [&](TObject*) { firstFreed = true; };
  first->SetFocus();
  PressKey(VK_F4, {ssCtrl});
  EXPECT_TRUE(PumpUntil([&] { return firstFreed; }));
  EXPECT_EQ(tabs->TabCount(), 0);
  EXPECT_EQ(form->WindowMenu()->Count(), 0);

  PressKey('N', {ssCtrl});  // a child left open goes with the form
  EXPECT_EQ(form->MDIChildCount(), 1);
  const int forms = Screen->FormCount();
  form->Free();
  PumpFor(10);
  EXPECT_EQ(Screen->FormCount(), forms - 2);
  EXPECT_TRUE(Application->OnMessage == before);
  EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace
