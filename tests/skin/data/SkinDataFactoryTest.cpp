#include "skin/data/SkinDataFactory.h"

#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinViewData.h"

#include <gtest/gtest.h>

#include <typeindex>
#include <vector>

namespace {

struct TypeCase {
  const char* Keyword;
  std::type_index Class;
};

TEST(SkinDataFactory, EveryControlKeywordCreatesItsClassWithTheIDName) {
  const std::vector<TypeCase> cases = {
      {"slider", typeid(TspDataSkinSlider)},
      {"bevel", typeid(TspDataSkinBevel)},
      {"panel", typeid(TspDataSkinPanelControl)},
      {"expanel", typeid(TspDataSkinExPanelControl)},
      {"menubutton", typeid(TspDataSkinMenuButtonControl)},
      {"button", typeid(TspDataSkinButtonControl)},
      {"checkradio", typeid(TspDataSkinCheckRadioControl)},
      {"gauge", typeid(TspDataSkinGaugeControl)},
      {"splitter", typeid(TspDataSkinSplitterControl)},
      {"trackbar", typeid(TspDataSkinTrackBarControl)},
      {"label", typeid(TspDataSkinLabelControl)},
      {"stdlabel", typeid(TspDataSkinStdLabelControl)},
      {"bitlabel", typeid(TspDataSkinBitLabelControl)},
      {"frameregulator", typeid(TspDataSkinFrameRegulator)},
      {"framegauge", typeid(TspDataSkinFrameGauge)},
      {"animate", typeid(TspDataSkinAnimateControl)},
      {"updown", typeid(TspDataSkinUpDownControl)},
      {"switch", typeid(TspDataSkinSwitchControl)},
      {"grid", typeid(TspDataSkinGridControl)},
      {"tab", typeid(TspDataSkinTabControl)},
      {"mainmenubar", typeid(TspDataSkinMainMenuBar)},
      {"controlbar", typeid(TspDataSkinControlBar)},
      {"memo", typeid(TspDataSkinMemoControl)},
      {"edit", typeid(TspDataSkinEditControl)},
      {"checklistbox", typeid(TspDataSkinCheckListBox)},
      {"listbox", typeid(TspDataSkinListBox)},
      {"combobox", typeid(TspDataSkinComboBox)},
      {"scrollbar", typeid(TspDataSkinScrollBarControl)},
      {"spinedit", typeid(TspDataSkinSpinEditControl)},
      {"scrollbox", typeid(TspDataSkinScrollBoxControl)},
      {"treeview", typeid(TspDataSkinTreeView)},
      {"listview", typeid(TspDataSkinListView)},
      {"richedit", typeid(TspDataSkinRichEdit)},
  };
  ASSERT_EQ(SkinControlTypeKeywords().size(), cases.size());
  for (const TypeCase& c : cases) {
    auto data = CreateSkinControlData(c.Keyword, "entry");
    ASSERT_NE(data, nullptr) << c.Keyword;
    EXPECT_EQ(std::type_index(typeid(*data)), c.Class) << c.Keyword;
    EXPECT_EQ(data->IDName, "entry");
  }
}

TEST(SkinDataFactory, EveryObjectKeywordCreatesItsClassWithTheIDName) {
  const std::vector<TypeCase> cases = {
      {"menuitem", typeid(TspDataSkinMenuItem)},
      {"mainmenubaritem", typeid(TspDataSkinMainMenuBarItem)},
      {"mainmenuitem", typeid(TspDataSkinMainMenuItem)},
      {"stdbutton", typeid(TspDataSkinStdButton)},
      {"mainmenubarbutton", typeid(TspDataSkinMainMenuBarButton)},
      {"button", typeid(TspDataSkinButton)},
      {"caption", typeid(TspDataSkinCaption)},
      {"trackbar", typeid(TspDataSkinTrackBar)},
      {"gauge", typeid(TspDataSkinGauge)},
      {"framegauge", typeid(TspDataSkinFrameGaugeObject)},
      {"frameregulator", typeid(TspDataSkinFrameRegulatorObject)},
      {"label", typeid(TspDataSkinLabel)},
      {"bitlabel", typeid(TspDataSkinBitLabel)},
      {"switch", typeid(TspDataSkinSwitch)},
      {"animate", typeid(TspDataSkinAnimate)},
      {"userobject", typeid(TspDataUserObject)},
  };
  ASSERT_EQ(SkinObjectTypeKeywords().size(), cases.size());
  for (const TypeCase& c : cases) {
    auto data = CreateSkinObjectData(c.Keyword, "entry");
    ASSERT_NE(data, nullptr) << c.Keyword;
    EXPECT_EQ(std::type_index(typeid(*data)), c.Class) << c.Keyword;
    EXPECT_EQ(data->IDName, "entry");
  }
}

TEST(SkinDataFactory, KeywordsCompareExactly) {
  for (const char* keyword : {"Button", "BUTTON", "button ", "", "userobject"})
    EXPECT_EQ(CreateSkinControlData(keyword, "x"), nullptr) << keyword;
  for (const char* keyword : {"Caption", "caption:", "", "tab", "menubutton"})
    EXPECT_EQ(CreateSkinObjectData(keyword, "x"), nullptr) << keyword;
}

}  // namespace
