// The hint component, the images menu with its items and the menu tool button read from
// a window's form text: their properties, references and events.
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinImagesMenu.h"
#include "skin/menus/SkinMenuSpeedButton.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "TestControls.h"

#include <gtest/gtest.h>

// The form class its text names.
class TMenusTestForm : public TForm {
public:
  TMenusTestForm() : TForm(Application) {}
  void Clicked(TObject*) { ++Clicks; }
  int Clicks = 0;
};

namespace {

constexpr const char* FormText = R"(object MenusForm: TMenusTestForm
  object SkinData: TspSkinData
  end
  object Images: TImageList
  end
  object SkinHint: TspSkinHint
    LineSeparator = '|'
    AlphaBlendValue = 180
    SkinData = SkinData
  end
  object ImagesMenu: TspSkinImagesMenu
    Images = Images
    ColumnsCount = 4
    SkinHint = SkinHint
    ImagesItems = <
      item
        Header = True
        Caption = 'Colours'
      end
      item
        ImageIndex = 3
        Hint = 'Red'
        OnClick = Clicked
      end>
    OnChange = Clicked
  end
  object PopupMenu: TspSkinPopupMenu
  end
  object MenuButton: TspSkinMenuSpeedButton
    SkinPopupMenu = PopupMenu
    SkinImagesMenu = ImagesMenu
    TrackButtonMode = True
    TrackPosition = sptpBottom
    NewStyle = True
    OnHideTrackMenu = Clicked
  end
end
)";

TEST(SkinMenusForm, ReadsTheHintTheImagesMenuAndTheMenuButton) {
  TClassRegistry& registry = TClassRegistry::Instance();
  for (auto add : {RegisterSkinDataClasses, RegisterSkinControlClasses, RegisterSkinPopupMenuClass,
                   RegisterSkinHintClass, RegisterSkinImagesMenuClasses, RegisterSkinMenuSpeedButtonClass})
    add(registry);
  TOwned<TMenusTestForm> form(new TMenusTestForm);
  ReadForm(*form, FormText,
           TFormBindings(registry.TableOf<TForm>()).Handler("Clicked", &TMenusTestForm::Clicked), "The menus form");

  auto* hint = dynamic_cast<TspSkinHint*>(form->FindComponent("SkinHint"));
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->LineSeparator(), "|");
  EXPECT_EQ(hint->AlphaBlendValue(), 180);
  EXPECT_EQ(hint->SkinData(), form->FindComponent("SkinData"));

  auto* menu = dynamic_cast<TspSkinImagesMenu*>(form->FindComponent("ImagesMenu"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Images(), form->FindComponent("Images"));
  EXPECT_EQ(menu->ColumnsCount(), 4);
  EXPECT_EQ(menu->SkinHint(), hint);
  TspImagesMenuItems& items = *menu->ImagesItems();
  ASSERT_EQ(items.Count(), 2);
  EXPECT_TRUE(items.Items(0)->Header());
  EXPECT_EQ(items.Items(1)->ImageIndex(), 3);
  items.Items(1)->OnClick(menu);
  menu->OnChange(menu);
  EXPECT_EQ(form->Clicks, 2);
  // An item takes another's image, caption, button flag and hint, never its header or click.
  auto* copy = static_cast<TspImagesMenuItem*>(items.Add());
  copy->Assign(items.Items(0));
  EXPECT_FALSE(copy->Header());
  EXPECT_EQ(copy->Caption(), "Colours");
  copy->Assign(items.Items(1));
  EXPECT_EQ(copy->Hint(), "Red");
  EXPECT_FALSE(copy->OnClick);

  auto* button = dynamic_cast<TspSkinMenuSpeedButton*>(form->FindComponent("MenuButton"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->SkinPopupMenu(), form->FindComponent("PopupMenu"));
  EXPECT_EQ(button->ImagesMenu(), menu);
  EXPECT_TRUE(button->TrackButtonMode() && button->NewStyle());
  EXPECT_EQ(button->TrackPosition(), sptpBottom);
  EXPECT_EQ(button->SkinDataName(), "resizetoolbutton");
  button->OnHideTrackMenu(button);
  EXPECT_EQ(form->Clicks, 3);
  menu->Free();  // references go with what they name
  EXPECT_EQ(button->ImagesMenu(), nullptr);
}

}  // namespace
