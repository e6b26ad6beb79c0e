// The settings dialog without its window.
#include "AppTestSupport.h"

#include "app/settings/Session.h"
#include "app/windowrules/SettingsChoices.h"

#include "base/FileUtils.h"
#include "tags/ID3TagsUtils.h"

#include <gtest/gtest.h>

namespace {

// The combos offer "-------" (0, no such tag) and the version written; a stored version
// they do not offer shows as "-------" and stays stored unless another item is chosen.
TEST(SettingsVersionCombos, StoredVersionsMapToItemsAndBack) {
  using enum TVersionCombo;
  EXPECT_EQ(VersionComboItems(ID3v1), (std::vector<std::string>{"-------", "ID3v1.1"}));
  EXPECT_EQ(VersionComboIndex(ID3v1, 2) + VersionComboIndex(ID3v1, 1) + VersionComboIndex(ID3v2, 6), 1);
  EXPECT_EQ(VersionFromComboText(ID3v1, "-------", 1), 1);
  EXPECT_EQ(VersionFromComboText(ID3v1, "ID3v1.1", 1), 2);
  EXPECT_EQ(VersionFromComboText(ID3v1, "ID3v2.4", 0), 0);  // not a version of this combo
  EXPECT_EQ(VersionFromComboText(ID3v2, "ID3v2.4", 0), 7);
  // "-------" chosen instead of a version stores 0; a text naming no item keeps the number.
  EXPECT_EQ(VersionFromComboText(ID3v1, "-------", 2), 0);
  EXPECT_EQ(VersionFromComboText(ID3v2, "-------", 7), 0);
  EXPECT_EQ(VersionFromComboText(ID3v2, "-------", 6), 6);
  EXPECT_EQ(VersionFromComboText(ID3v2, "", 7), 7);
  // Each number a combo offers shows as its item, and comes back from it when the user
  // chooses that item instead of the other.
  const struct {
    TVersionCombo Combo;
    uint8_t Version, Other;
  } offered[] = {{ID3v1, 0, 2}, {ID3v1, 2, 0}, {ID3v2, 0, 7}, {ID3v2, 7, 0}};
  for (const auto& [combo, version, other] : offered) {
    const std::string shown = VersionComboItems(combo).at(static_cast<size_t>(VersionComboIndex(combo, version)));
    EXPECT_EQ(shown, TagVersionName(version));
    EXPECT_EQ(VersionFromComboText(combo, shown, other), version) << shown;
  }
}

TEST(SettingsListName, AnythingButAPlainFileNameOrAnMp3NameIsRefusedWithItsReason) {
  for (const char* name : {"List.txt", "my.mp3 list", "a.mp3x", ".list"}) {
    EXPECT_TRUE(ListNameAcceptable(name, "mp3")) << name;
    EXPECT_EQ(ListNameNote(ListNameProblem(name, "mp3")), "") << name;
  }
  // Nothing outside the working folder, no device, and not the log, which would replace it.
  for (const char* name : {"", " .", "a\\b", "c:d", "w?", "p|q", "tab\tname", "x.mp3:", "..\\escape.txt",
                           "..\\outside\\List.txt", "sub/List.txt", "C:\\List.txt", "..", "CON", "nul.txt",
                           "Aux .list", "com1", "LPT9.txt", "log.TXT", "CON.mp3"}) {
    EXPECT_FALSE(ListNameAcceptable(name, "mp3")) << name;
    EXPECT_EQ(ListNameNote(ListNameProblem(name, "mp3")), "No valid filename !") << name;
  }
  for (const char* name : {"OLD.MP3", "old.mp3 . "}) {
    EXPECT_FALSE(ListNameAcceptable(name, "mp3")) << name;
    EXPECT_EQ(ListNameNote(ListNameProblem(name, "mp3")), "The list cannot be an MP3 file !") << name;
  }
  EXPECT_EQ(ListNameProblem("list.mp3", "txt"), TListNameProblem::None);
  EXPECT_EQ(ListNameProblem("list.txt", "txt"), TListNameProblem::NamesAnMp3File);
  for (const char* name : {"Conair.txt", "com10.txt", "lpt.txt", "Console.txt", "Logs.txt"})
    EXPECT_TRUE(ListNameAcceptable(name, "mp3")) << name;
}

TEST(SettingsSave, TheCopiesGoBackWholeAndTheSessionTakesTheCaps) {
  ProgramFolder folder;
  ScriptedPresenter presenter;
  TConfigBase settings(folder.Place());
  TConfigSession session;
  settings.ReadSettings();
  TSettingsChoices choices = TSettingsChoices::Of(settings);
  choices.SaveList = false;
  choices.ListName = "songs.mp3";
  choices.AllWordsCaps = true;
  EXPECT_FALSE(choices.Save(settings, session));
  EXPECT_FALSE(FileExists(settings.SettingsPath()) || settings.AllWordsCaps || session.AllWordsCaps);
  choices.ListName = "songs.txt";
  choices.DefaultID3v1 = tvID3v10;
  choices.DefaultID3v2 = tvNone;
  EXPECT_TRUE(choices.Save(settings, session));
  EXPECT_TRUE(settings.AllWordsCaps && session.AllWordsCaps);
  EXPECT_EQ(settings.ListPath(), folder.Path() + "songs.txt");
  const std::string written = folder.ReadFile("Settings.ini");
  EXPECT_NE(written.find("AllWordsCaps=1\r\nSaveList=0\r\nListName=songs.txt\r\n"), std::string::npos);
  EXPECT_NE(written.find("DefaultID3v1=1\r\nDefaultID3v2=0\r\n"), std::string::npos);
  TConfigBase reread(folder.Place());
  reread.ReadSettings();
  EXPECT_EQ(TSettingsChoices::Of(reread).DefaultID3v2, tvNone);
  EXPECT_EQ(CheckBoxRow(8, 200, 400), (TCaptionRow{{8, 222}, {234, 151}}));
  EXPECT_EQ(LabelRow(8, 500, 400), (TCaptionRow{{8, 500}, {513, 0}}));
  EXPECT_EQ(ListNoteSpan(8, 400), (TSpan{26, 359}));
  EXPECT_EQ(ListNoteSpan(8, 30), (TSpan{26, 0}));
}

}  // namespace
