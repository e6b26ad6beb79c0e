#include "app/Config.h"
#include "app/SelectionManager.h"
#include "app/Session.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfigSession, LoadFromConfigCopiesTheSessionOptions) {
  TConfigBase config(TProgramPlace{"C:\\p\\", "C:\\w\\"});
  config.AllWordsCaps = true;
  config.DefaultID3v1 = 2;
  config.DefaultID3v2 = 7;
  TConfigSession session;
  session.CutTillNumber = true;
  session.UseSelectedFormat = true;
  session.UseStartNumber = true;
  session.NormalFontColor = 0x123456;
  session.LoadFromConfig(config, true);
  EXPECT_TRUE(session.ShellMenuRegistered);
  EXPECT_TRUE(session.AllWordsCaps);
  EXPECT_FALSE(session.CutTillNumber);  // "Remove text up to numbers" starts off
  EXPECT_EQ(session.DefaultID3v1, 2);
  EXPECT_EQ(session.DefaultID3v2, 7);
  EXPECT_EQ(session.ChangedFontColor, 0x00FF00u);
  EXPECT_TRUE(session.UseSelectedFormat);
  EXPECT_TRUE(session.UseStartNumber);
  EXPECT_EQ(session.NormalFontColor, 0x123456u);
  session.LoadFromConfig(config, false);
  EXPECT_FALSE(session.ShellMenuRegistered);
}

TEST(SelectionManager, UnboundViewIsEmpty) {
  TSelectionManager selection;
  EXPECT_EQ(selection.GetCount(), 0);
  EXPECT_THROW(selection.GetItem(0), ERangeError);
}

TEST(SelectionManager, BoundViewFollowsTheGridsArray) {
  std::vector<int32_t> selectedRows;
  TSelectionManager selection;
  selection.SetItems(selectedRows);
  EXPECT_EQ(selection.GetCount(), 0);
  // Rows arrive in selection order, not sorted.
  selectedRows = {4, 1, 3};
  ASSERT_EQ(selection.GetCount(), 3);
  EXPECT_EQ(selection.GetItem(0), 4);
  EXPECT_EQ(selection.GetItem(2), 3);
  selectedRows.push_back(0);
  EXPECT_EQ(selection.GetItem(3), 0);
  for (int32_t index : {-1, 4}) EXPECT_THROW(selection.GetItem(index), ERangeError);
  selectedRows.clear();
  EXPECT_EQ(selection.GetCount(), 0);
}

}  // namespace
