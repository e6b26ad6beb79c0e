// The settings dialog without its window.
#include "AppTestSupport.h"

#include "app/SettingsChoices.h"
#include "app/Session.h"

#include "base/FileUtils.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// The combos offer "-------" and the version written; a stored version they do not offer
// shows as "-------" and stays stored unless another item is chosen.
TEST(SettingsVersionCombos, StoredVersionsMapToItemsAndBack) {
  using enum TVersionCombo;
  EXPECT_EQ(VersionComboItems(ID3v1), (Texts{"-------", "ID3v1.1"}));
  EXPECT_EQ(VersionComboItems(ID3v2), (Texts{"-------", "ID3v2.4"}));
  EXPECT_EQ(VersionComboIndex(ID3v1, 2), 1);
  EXPECT_EQ(VersionComboIndex(ID3v1, 1), 0);
  EXPECT_EQ(VersionComboIndex(ID3v2, 7), 1);
  EXPECT_EQ(VersionComboIndex(ID3v2, 6), 0);
  EXPECT_EQ(VersionFromComboText(ID3v1, "-------", 1), 1);
  EXPECT_EQ(VersionFromComboText(ID3v1, "ID3v1.1", 1), 2);
  EXPECT_EQ(VersionFromComboText(ID3v1, "ID3v2.4", 0), 0);  // not a version of this combo
  EXPECT_EQ(VersionFromComboText(ID3v2, "ID3v2.4", 0), 7);
  EXPECT_EQ(VersionFromComboText(ID3v2, "-------", 6), 6);
  EXPECT_EQ(FileExistsComboItems().back(), "Ask what to do");
  EXPECT_EQ(SaveActionComboItems().size(), 3u);
  const Texts languages = CommentLanguageComboItems();
  ASSERT_EQ(languages.size(), 429u);
  EXPECT_EQ(languages[0] + languages[108] + languages[428], "UnknownEnglish ");
}

TEST(SettingsListName, AnythingButAPlainFileNameOrAnMp3NameIsRefused) {
  for (const char* name : {"List.txt", "names", "my.mp3 list", "a.mp3x", ".list"})
    EXPECT_TRUE(ListNameAcceptable(name, "mp3")) << name;
  for (const char* name : {"", " ", "..", "old.mp3", "OLD.MP3", "old.mp3.", "old.mp3 . ", "a\\b", "a/b", "c:d",
                           "w*", "w?", "\"q\"", "<a>", "p|q", "tab\tname"})
    EXPECT_FALSE(ListNameAcceptable(name, "mp3")) << name;
}

TEST(SettingsSave, TheCopiesGoBackWholeAndTheSessionTakesTheCaps) {
  ProgramFolder folder;
  ScriptedPresenter presenter;
  TConfigBase settings(folder.Place());
  TConfigSession session;
  settings.ReadSettings();
  TSettingsChoices choices = TSettingsChoices::Of(settings);
  EXPECT_EQ(choices.ListName, "List.txt");
  EXPECT_TRUE(choices.ListNameEnabled());
  choices.SaveList = false;
  EXPECT_FALSE(choices.ListNameEnabled());
  choices.ListName = "songs.mp3";
  choices.AllWordsCaps = true;
  EXPECT_FALSE(choices.CanSave(settings));
  EXPECT_FALSE(choices.Save(settings, session));
  EXPECT_FALSE(FileExists(settings.SettingsPath()) || settings.AllWordsCaps || session.AllWordsCaps);
  choices.ListName = "songs.txt";
  choices.DefaultID3v1 = 1;
  EXPECT_TRUE(choices.Save(settings, session));
  EXPECT_EQ(settings.ListPath(), folder.Path() + "songs.txt");
  EXPECT_TRUE(settings.AllWordsCaps && session.AllWordsCaps);
  const std::string written = folder.ReadFile("Settings.ini");
  EXPECT_NE(written.find("AllWordsCaps=1\r\nSaveList=0\r\nListName=songs.txt\r\n"), std::string::npos);
  EXPECT_NE(written.find("DefaultID3v1=1\r\n"), std::string::npos);
  EXPECT_TRUE(presenter.Shown.empty());
}

TEST(SettingsLayout, CaptionsFitTheirTextAndFieldsRunToTheGroupsEnd) {
  EXPECT_EQ(CheckBoxRow(8, 200, 400), (TCaptionRow{{8, 222}, {234, 151}}));
  EXPECT_EQ(LabelRow(8, 90, 400), (TCaptionRow{{8, 90}, {103, 282}}));
  EXPECT_EQ(LabelRow(8, 500, 400).Field.Length, 0);
}

}  // namespace
