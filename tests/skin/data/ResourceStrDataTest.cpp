#include "skin/data/ResourceStrData.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceStrData, StartsWithTheDefaultTable) {
  TspResourceStrData strings(nullptr);
  const TStrings& table = strings.ResStrings();
  ASSERT_EQ(table.Count(), 120);
  EXPECT_EQ(table.Strings(0), "MI_MINCAPTION=Mi&nimize");
  EXPECT_EQ(table.Strings(119), "CUSTOMCOLOR=Custom...");
  EXPECT_EQ(strings.CharSet(), 1);
}

TEST(ResourceStrData, LooksNamesUpWithoutCaseAndKeepsEverythingAfterTheFirstEquals) {
  TspResourceStrData strings(nullptr);
  EXPECT_EQ(strings.GetResStr("mi_mincaption"), "Mi&nimize");
  EXPECT_EQ(strings.GetResStr("FIND_REPLACE_ALL"), "Replace All");
  EXPECT_EQ(strings.GetResStr("NO_SUCH_KEY"), "");

  TStringList replacement;
  replacement.Add("A=B=C");
  replacement.Add("EDIT_UNDO=Annuler");
  replacement.Add("NOEQUALS");
  strings.SetResStrings(replacement);
  EXPECT_EQ(strings.ResStrings().Count(), 3);
  EXPECT_EQ(strings.GetResStr("A"), "B=C");
  EXPECT_EQ(strings.GetResStr("edit_undo"), "Annuler");
  EXPECT_EQ(strings.GetResStr("NOEQUALS"), "");
  EXPECT_EQ(strings.GetResStr("MI_MINCAPTION"), "");  // the defaults are gone
}

TEST(ResourceStrData, EachRoleHasAKeyAndABuiltInStringThatAgreeWithTheDefaults) {
  TspResourceStrData strings(nullptr);
  for (int role = ssMinimizeCaption; role <= ssEditSelectAll; ++role) {
    const auto r = static_cast<TspSkinStringRole>(role);
    const std::string builtIn = BuiltInSkinString(SkinStringIdentifier(r));
    EXPECT_FALSE(builtIn.empty()) << role;
    EXPECT_EQ(strings.ResStrings().Strings(role), std::string(SkinStringKey(r)) + "=" + builtIn);
  }
  EXPECT_EQ(BuiltInSkinString(65289), "&Restore");
  EXPECT_EQ(BuiltInSkinString(65264), "Roll Up");
  EXPECT_EQ(BuiltInSkinString(65271), "Select All");
  EXPECT_EQ(BuiltInSkinString(65272), "");
  EXPECT_EQ(BuiltInSkinString(0), "");
}

TEST(ResourceStrData, ControlsShowTheTableEntryWhenThereIsATableElseTheBuiltInString) {
  EXPECT_EQ(SkinString(nullptr, ssRestoreCaption), "&Restore");
  EXPECT_EQ(SkinString(nullptr, ssSystemMenuHint), "System menu");
  TspResourceStrData strings(nullptr);
  TStringList table;
  table.Add("MI_RESTORECAPTION=&Wiederherstellen");
  strings.SetResStrings(table);
  EXPECT_EQ(SkinString(&strings, ssRestoreCaption), "&Wiederherstellen");
  EXPECT_EQ(SkinString(&strings, ssCloseCaption), "");  // a table without the key shows nothing
}

}  // namespace
