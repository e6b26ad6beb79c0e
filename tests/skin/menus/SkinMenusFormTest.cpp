// The hint component, the images menu with its items and the menu tool button read from
// a window's form text: their published properties, references and events.
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinImagesMenu.h"
#include "skin/menus/SkinMenuSpeedButton.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"
#include "classlib/ImageList.h"

#include "TestControls.h"

#include <gtest/gtest.h>

#include <mutex>

// The form class its text names.
class TMenusTestForm : public TForm {
public:
  TMenusTestForm() : TForm(Application) {}
  void ImagesMenuChange(TObject*) { ++Changes; }
  void RedClick(TObject*) { ++RedClicks; }
  void MenuButtonHideTrackMenu(TObject*) {}
  void SkinHintShowHint(std::string&, bool&, THintInfo&) {}
  int Changes = 0;
  int RedClicks = 0;
};

namespace {

constexpr const char* FormText = R"(object MenusForm: TMenusTestForm
  Width = 200
  Height = 120
  object SkinData: TspSkinData
  end
  object Images: TImageList
  end
  object SkinHint: TspSkinHint
    LineSeparator = '|'
    DefaultFont.Name = 'Tahoma'
    UseSkinFont = False
    AlphaBlend = True
    AlphaBlendValue = 180
    AlphaBlendAnimation = True
    SkinData = SkinData
    OnShowHint = SkinHintShowHint
  end
  object ImagesMenu: TspSkinImagesMenu
    Images = Images
    ColumnsCount = 4
    ItemIndex = 1
    SkinData = SkinData
    SkinHint = SkinHint
    ShowHints = False
    ShowSelectedItem = False
    AlphaBlend = True
    AlphaBlendValue = 150
    DefaultFont.Height = 16
    ImagesItems = <
      item
        Header = True
        Caption = 'Colours'
      end
      item
        ImageIndex = 0
        Hint = 'Red'
        OnClick = RedClick
      end
      item
        Button = True
        Caption = 'More'
        ImageIndex = 1
      end>
    OnChange = ImagesMenuChange
  end
  object PopupMenu: TspSkinPopupMenu
  end
  object MenuButton: TspSkinMenuSpeedButton
    Left = 8
    Top = 8
    Width = 60
    Height = 25
    SkinPopupMenu = PopupMenu
    SkinImagesMenu = ImagesMenu
    UseImagesMenuImage = True
    UseImagesMenuCaption = True
    TrackButtonMode = True
    TrackPosition = sptpBottom
    NewStyle = True
    OnHideTrackMenu = MenuButtonHideTrackMenu
  end
end
)";

TOwned<TMenusTestForm> ReadMenusTestForm() {
  static std::once_flag registration;
  std::call_once(registration, [] {
    TClassRegistry& registry = TClassRegistry::Instance();
    RegisterSkinDataClasses(registry);
    RegisterSkinControlClasses(registry);
    RegisterSkinPopupMenuClass(registry);
    RegisterSkinHintClass(registry);
    RegisterSkinImagesMenuClasses(registry);
    RegisterSkinMenuSpeedButtonClass(registry);
  });
  TOwned<TMenusTestForm> form(new TMenusTestForm);
  ReadForm(*form, FormText,
           TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
               .Handler("ImagesMenuChange", &TMenusTestForm::ImagesMenuChange)
               .Handler("RedClick", &TMenusTestForm::RedClick)
               .Handler("MenuButtonHideTrackMenu", &TMenusTestForm::MenuButtonHideTrackMenu)
               .Handler("SkinHintShowHint", &TMenusTestForm::SkinHintShowHint),
           "The menus test form");
  return form;
}

template <class T>
T* Found(TComponent* Form, const char* Name) {
  auto* component = dynamic_cast<T*>(Form->FindComponent(Name));
  EXPECT_NE(component, nullptr) << Name;
  return component;
}

TEST(SkinMenusForm, ReadsTheHintTheImagesMenuAndTheMenuButton) {
  TOwned<TMenusTestForm> form = ReadMenusTestForm();
  auto* data = Found<TspSkinData>(form.get(), "SkinData");
  auto* images = Found<TImageList>(form.get(), "Images");

  auto* hint = Found<TspSkinHint>(form.get(), "SkinHint");
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->LineSeparator(), "|");
  EXPECT_EQ(hint->DefaultFont()->Name(), "Tahoma");
  EXPECT_FALSE(hint->UseSkinFont());
  EXPECT_TRUE(hint->AlphaBlend() && hint->AlphaBlendAnimation());
  EXPECT_EQ(hint->AlphaBlendValue(), 180);
  EXPECT_EQ(hint->SkinData(), data);
  EXPECT_TRUE(hint->OnShowHint);

  auto* menu = Found<TspSkinImagesMenu>(form.get(), "ImagesMenu");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Images(), images);
  EXPECT_EQ(menu->ColumnsCount(), 4);
  EXPECT_EQ(menu->ItemIndex(), 1);
  EXPECT_EQ(menu->SkinData(), data);
  EXPECT_EQ(menu->SkinHint(), hint);
  EXPECT_FALSE(menu->ShowHints() || menu->ShowSelectedItem());
  EXPECT_TRUE(menu->AlphaBlend());
  EXPECT_EQ(menu->AlphaBlendValue(), 150);
  EXPECT_EQ(menu->DefaultFont()->Height(), 16);
  TspImagesMenuItems& items = *menu->ImagesItems();
  ASSERT_EQ(items.Count(), 3);
  EXPECT_TRUE(items.Items(0)->Header());
  EXPECT_EQ(items.Items(0)->Caption(), "Colours");
  EXPECT_EQ(items.Items(1)->ImageIndex(), 0);
  EXPECT_EQ(items.Items(1)->Hint(), "Red");
  EXPECT_TRUE(items.Items(2)->Button());
  EXPECT_EQ(menu->GetSelectedItem(), items.Items(1));
  items.Items(1)->OnClick(menu);
  menu->OnChange(menu);
  EXPECT_EQ(form->RedClicks, 1);
  EXPECT_EQ(form->Changes, 1);
  // An item takes another's image, caption, button row and hint, never its header or click.
  TspImagesMenuItem* copy = static_cast<TspImagesMenuItem*>(items.Add());
  copy->SetHeader(true);
  copy->Assign(items.Items(2));
  EXPECT_TRUE(copy->Button() && copy->Header());
  EXPECT_EQ(copy->Caption(), "More");
  copy->Assign(items.Items(1));
  EXPECT_EQ(copy->Hint(), "Red");
  EXPECT_FALSE(copy->OnClick);

  auto* button = Found<TspSkinMenuSpeedButton>(form.get(), "MenuButton");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->SkinPopupMenu(), Found<TspSkinPopupMenu>(form.get(), "PopupMenu"));
  EXPECT_EQ(button->ImagesMenu(), menu);
  EXPECT_TRUE(button->UseImagesMenuImage() && button->UseImagesMenuCaption());
  EXPECT_TRUE(button->TrackButtonMode());
  EXPECT_EQ(button->TrackPosition(), sptpBottom);
  EXPECT_TRUE(button->NewStyle());
  EXPECT_EQ(button->SkinDataName(), "resizetoolbutton");
  EXPECT_TRUE(button->OnHideTrackMenu);

  // The references go with what they name.
  menu->Free();
  EXPECT_EQ(button->ImagesMenu(), nullptr);
  data->Free();
  EXPECT_EQ(hint->SkinData(), nullptr);
}

}  // namespace
