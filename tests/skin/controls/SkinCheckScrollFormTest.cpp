// A window of every check box, radio box, scroll bar and speed button kind, read from
// its form resource and painted with the program's own skin: each class and property
// arrives (values stored in any order), the controls take the skin, and a screenshot
// shows the window for a person to look at.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSpeedButton.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinCheckScrollForm, EveryKindLoadsFromItsFormResourceWhateverTheOrderOfItsValues) {
  TOwned<TForm> form = ReadSkinnedTestForm("TControlsCheckScrollForm");
  auto* data = Found<TspSkinData>(form.get(), "SkinData");
  ASSERT_NE(data, nullptr);
  ASSERT_FALSE(data->Empty());
  auto* grayed = Found<TspSkinCheckRadioBox>(form.get(), "CheckBox_Grayed");
  auto* artist = Found<TspSkinCheckRadioBox>(form.get(), "Radio_Artist");
  auto* disabled = Found<TspSkinCheckRadioBox>(form.get(), "Radio_Disabled");
  auto* files = Found<TspSkinScrollBar>(form.get(), "ScrollBar_Files");
  auto* tags = Found<TspSkinScrollBar>(form.get(), "ScrollBar_Tags");
  auto* both = Found<TspSkinScrollBar>(form.get(), "ScrollBar_Both");
  auto* play = Found<TspSkinSpeedButton>(form.get(), "SpeedButton_Play");
  auto* filesButton = Found<TspSkinSpeedButton>(form.get(), "SpeedButton_Files");
  auto* repeat = Found<TspSkinSpeedButton>(form.get(), "SpeedButton_Repeat");
  ASSERT_TRUE(grayed && artist && disabled && files && tags && both && play && filesButton && repeat);
  EXPECT_EQ(grayed->State(), cbGrayed);
  // Stored after Enabled = False, and in the same group as a checked box before it.
  EXPECT_EQ((std::vector<bool>{artist->Checked(), disabled->Checked()}), (std::vector<bool>{false, true}));
  // Stored before the page that limits it: the page stays, the position comes within it.
  EXPECT_EQ(std::pair(files->PageSize(), files->Position()), std::pair(20, 81));
  EXPECT_EQ(std::pair(tags->Kind(), tags->TabStop()), std::pair(sbVertical, true));
  EXPECT_EQ(both->SkinDataName(), "bothhscrollbar");
  EXPECT_EQ(play->Glyph()->Width(), 12);
  EXPECT_TRUE(filesButton->Down());
  EXPECT_EQ(repeat->Width(), 40);
  for (TspSkinCheckRadioBox* box : {grayed, artist}) EXPECT_NE(box->SkinIndex(), -1) << box->Name();
  for (TspSkinScrollBar* bar : {files, tags, both}) EXPECT_NE(bar->SkinIndex(), -1) << bar->Name();
  EXPECT_NE(play->SkinIndex(), -1);

  form->Show();
  PumpFor(50);
  SaveWindowScreenshot(form->Handle(), "controls-check-scroll");
}

}  // namespace
