// A window of every skinned control of the form resources, read by the form reader and
// painted with the program's own skin: each class and property arrives, the controls
// take the skin, and a screenshot shows the window for a person to look at.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinPanelData.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinControlsForm, EveryControlLoadsFromItsFormResourceAndTakesTheSkin) {
  TOwned<TForm> form = ReadSkinnedTestForm("TControlsBasicForm");
  auto* data = Found<TspSkinData>(form.get(), "SkinData");
  ASSERT_NE(data, nullptr);
  ASSERT_FALSE(data->Empty());

  auto* ok = Found<TspSkinButton>(form.get(), "GroupBox_Buttons_ButtonOk");
  auto* apply = Found<TspSkinButton>(form.get(), "GroupBox_Buttons_ButtonApply");
  auto* remove = Found<TspSkinButton>(form.get(), "GroupBox_Buttons_ButtonDelete");
  auto* bar = Found<TspSkinStatusBar>(form.get(), "StatusBar");
  auto* state = Found<TspSkinStatusPanel>(form.get(), "StatusBar_PanelState");
  auto* path = Found<TspSkinStdLabel>(form.get(), "Panel_Options_LabelPath");
  auto* divider = Found<TspSkinBevel>(form.get(), "GroupBox_Buttons_Divider");
  auto* caption = Found<TspSkinPanel>(form.get(), "Panel_Caption");
  Found<TspSkinGroupBox>(form.get(), "GroupBox_Buttons");
  Found<TspSkinLabel>(form.get(), "Panel_Options_LabelSkinned");
  ASSERT_TRUE(ok && apply && remove && bar && state && path && divider && caption);
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_EQ(apply->Glyph()->Width(), 12);
  EXPECT_EQ(path->EllipsType(), spetPathEllips);
  EXPECT_TRUE(divider->DividerMode());
  EXPECT_TRUE(caption->Checked());
  EXPECT_TRUE(caption->DockSite());
  EXPECT_TRUE(caption->UseDockManager());
  EXPECT_EQ(caption->DragKind(), dkDock);
  EXPECT_EQ(caption->DragMode(), dmAutomatic);
  EXPECT_EQ(caption->DragCursor(), crHandPoint);
  EXPECT_TRUE(bar->SizeGrip());
  EXPECT_EQ(bar->Align(), alBottom);
  for (TspSkinControl* control : std::initializer_list<TspSkinControl*>{ok, apply, bar, state, caption})
    EXPECT_NE(control->SkinIndex(), -1) << control->Name();
  EXPECT_EQ(remove->BoundsRect().Width(), 21);  // the entry's own size
  EXPECT_EQ(divider->DarkColor(), dynamic_cast<const TspDataSkinBevel&>(
                                      *data->CtrlList.at(static_cast<size_t>(data->GetControlIndex("bevel"))))
                                      .DarkColor);

  form->Show();
  PumpFor(50);
  SaveWindowScreenshot(form->Handle(), "controls-basic");
}

}  // namespace
