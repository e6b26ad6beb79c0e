#include "skin/form/portable/SystemMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using WS = TspWindowState;
using Names = std::vector<std::string>;

const TspBorderIcons AllIcons{TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimize, TspBorderIcon::biMaximize,
                              TspBorderIcon::biRollUp, TspBorderIcon::biMinimizeToTray};

TspSystemMenuContext Context(WS State, TspBorderIcons Icons, bool RolledUp = false) {
  TspSystemMenuContext c;
  c.State.WindowState = State;
  c.State.RollUpState = RolledUp;
  c.BorderIcons = Icons;
  return c;
}

Names NamesOf(const std::vector<TspSystemMenuItem>& Items) {
  Names names;
  for (const TspSystemMenuItem& item : Items) names.push_back(item.Name.empty() ? item.Caption : item.Name);
  return names;
}

TEST(SystemMenu, TheDefaultMenuOffersWhatTheStateAndBorderIconsAllow) {
  const struct {
    TspSystemMenuContext Context;
    Names Items;
  } cases[] = {
      {Context(WS::Normal, AllIcons), {"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {Context(WS::Maximized, AllIcons), {"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {Context(WS::Minimized, AllIcons), {"DSF_MAXITEM", "DSF_RESTORE", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {Context(WS::Normal, {TspBorderIcon::biRollUp}, true), {"DSF_RESTORE", "-", "DSF_CLOSE"}},
      {Context(WS::Normal, {}), {"DSF_CLOSE"}},
  };
  for (const auto& c : cases) EXPECT_EQ(NamesOf(DefaultSystemMenuItems(c.Context)), c.Items);

  // A user's menu gets the standard items, maximize at its top.
  const std::vector<TspSystemMenuItem> user = UserSystemMenuItems(Context(WS::Normal, AllIcons));
  EXPECT_EQ(NamesOf(user), (Names{"DSF_MINTOTRAY", "DSF_ROLLUP", "DSF_MAXITEM", "DSF_MINITEM", "DSF_CLOSE"}));
  EXPECT_TRUE(user[2].AtTop && !user[0].AtTop);
}

TEST(SystemMenu, CaptionsComeFromTheSkinsStringsAndCloseCarriesItsShortcut) {
  TspSystemMenuContext c = Context(WS::Normal, {});
  EXPECT_EQ(DefaultSystemMenuItems(c)[0], (TspSystemMenuItem{TspSystemMenuCommand::Close, "DSF_CLOSE", "&Close",
                                                             "Alt+F4", false}));
  TspResourceStrData strings(nullptr);
  TStringList lines;
  lines.Add("MI_CLOSECAPTION=&Schliessen");
  strings.SetResStrings(lines);
  c.Strings = &strings;
  c.MDIChild = true;
  EXPECT_EQ(DefaultSystemMenuItems(c)[0].Caption, "&Schliessen");
  EXPECT_EQ(DefaultSystemMenuItems(c)[0].ShortCut, "Ctrl+F4");
  EXPECT_EQ(UserSystemMenuItems(c).back().Caption, "&Close");  // built-in captions only
  EXPECT_EQ(NamesOf(TrayMenuItems(&strings, false)), (Names{"TRAY_DSF_RESTORE", "-", "TRAY_DSF_CLOSE"}));
}

TEST(SystemMenu, RestoreUnrollsAWindowRolledUpInItsPresentState) {
  TspFrameState s;
  s.RollUpState = true;
  EXPECT_EQ(SystemMenuAction(TspSystemMenuCommand::Restore, s, false), TspFrameAction::Unroll);
  s.WindowState = WS::Maximized;  // rolled up before it was maximized
  EXPECT_EQ(SystemMenuAction(TspSystemMenuCommand::Restore, s, false), TspFrameAction::Restore);
  s.MaximizedRollUp = true;
  EXPECT_EQ(SystemMenuAction(TspSystemMenuCommand::Restore, s, false), TspFrameAction::Unroll);
  EXPECT_EQ(SystemMenuAction(TspSystemMenuCommand::Minimize, s, true), TspFrameAction::MinimizeToTray);
}

}  // namespace
