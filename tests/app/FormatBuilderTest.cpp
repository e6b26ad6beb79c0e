// The format builder without its window: building, checking, adding, erasing and the
// preferred format of both modes.
#include "AppTestSupport.h"

#include "app/FormatBuilder.h"

#include "base/FileUtils.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using Texts = std::vector<std::string>;
using enum TFormatElement;
constexpr TFormatElement Dir = TFormatElement::Folder;  // the fixture has a Folder

class FormatBuilding : public ::testing::Test {
protected:
  FormatBuilding() { Settings.ReadSettings(); }
  std::string Build(TFormatBuilder& builder, std::initializer_list<TFormatElement> elements) {
    builder.ClearCurrent();
    for (TFormatElement element : elements) builder.Append(element);
    return builder.CurrentFormat();
  }
  std::string Stored() const {
    return FileExists(Settings.SettingsPath()) ? Folder.ReadFile("Settings.ini") : "";
  }

  ProgramFolder Folder;
  ScriptedPresenter Presenter;
  TConfigBase Settings{Folder.Place()};
};

TEST_F(FormatBuilding, ElementsJoinByTheModesSyntaxAndEachPlaceholderOnce) {
  TFormatBuilder rename(0, Settings), tags(1, Settings);
  EXPECT_EQ(rename.Caption(), "Filename format builder");
  EXPECT_EQ(tags.Caption(), "Tag format builder");
  EXPECT_FALSE(rename.FolderElementsVisible());
  EXPECT_EQ(Build(rename, {Artist, Title}), "<A> - <T>");
  EXPECT_FALSE(rename.ElementEnabled(Artist));
  EXPECT_TRUE(rename.ElementEnabled(Album));
  EXPECT_EQ(rename.CurrentExample(), "Artist - Title.mp3");
  EXPECT_EQ(Build(rename, {Dir, Artist, Artist}), "<A>");  // no folders in mode 0
  EXPECT_EQ(Build(tags, {Artist, Title}), "\\ <A> - <T>");
  EXPECT_EQ(Build(tags, {Dir, Artist, Dir, Title}), "\\ <A> \\ <T>");
  EXPECT_EQ(Build(tags, {Dir, Dir, Unused, Unused, Year}), "\\ <X> - <X> - <Y>");
  EXPECT_EQ(Build(tags, {Genre, Dir, Dir}), "\\ <G> \\");
  EXPECT_EQ(tags.CurrentExample(), "\\ Genre \\.mp3");
  tags.ClearCurrent();
  EXPECT_TRUE(tags.ElementEnabled(Genre));
  EXPECT_FALSE(tags.CurrentButtonsEnabled());
  EXPECT_EQ(tags.CurrentExample(), "");
}

TEST(FormatAcceptance, APlaceholderMustFollowTheLastFolderAndOutweighUnusedParts) {
  for (const char* format : {"<A>", "<N> - <A> - <T>", "\\ <A> - <T>", "\\ <A> \\ <T>", "\\ <X> - <A>",
                             "\\ <A> \\ <X> - <T>", "\\ <X> - <T> \\ <A>"})
    EXPECT_TRUE(FormatAcceptable(format)) << format;
  for (const char* format : {"", "<X>", "\\ <X>", "\\ <A> \\", "\\ <A> \\ <X>", "\\ <X> \\ <A>", "\\"})
    EXPECT_FALSE(FormatAcceptable(format)) << format;
}

TEST_F(FormatBuilding, AddStoresNewFormatsAndReportsTheOthers) {
  TFormatBuilder builder(1, Settings);
  Build(builder, {Dir, Unused});
  EXPECT_EQ(builder.Add(), TFormatAddResult::Refused);
  EXPECT_EQ(builder.CurrentFormat(), "");
  Build(builder, {Artist, Title});  // the first stored format
  EXPECT_EQ(builder.Add(), TFormatAddResult::Duplicate);
  EXPECT_EQ(builder.CurrentFormat(), "\\ <A> - <T>");
  Build(builder, {Year, Dir, Title});
  EXPECT_EQ(builder.Add(), TFormatAddResult::Added);
  EXPECT_EQ(Presenter.Texts(), (Texts{"Error / Format not acceptable, please use the syntax wisely.\\ Unused.mp3",
                                      "Error / No files have been changed."}));
  EXPECT_EQ(builder.StoredItems().back(), "\\ Year \\ Title.mp3");
  EXPECT_TRUE(builder.FormatsChanged());
  EXPECT_EQ(Stored(), "");  // written when the dialog is left with Ok
  builder.Accept();
  EXPECT_NE(Stored().find("Formats=|\\ <A> - <T>|,|\\ <N> - <T>|,|\\ <A> - <N> - <T>|,|\\ <N> - <A> - <T>|,"
                          "|\\ <Y> \\ <T>|\r\nPreferredFormat=0\r\n"),
            std::string::npos);
  EXPECT_EQ(Settings.RenameFormats.Count(), 4);
}

// Four formats, the third preferred.
TEST_F(FormatBuilding, ThePreferredFormatStaysItselfWhileItIsStored) {
  Settings.PreferredRenameFormat = 2;
  TFormatBuilder builder(0, Settings);
  EXPECT_EQ(builder.InitialSelection(), 0);
  EXPECT_TRUE(builder.PreferenceEnabled(0));
  EXPECT_FALSE(builder.PreferenceEnabled(2));
  EXPECT_FALSE(builder.EraseEnabled(-1) || builder.EraseEnabled(4));
  EXPECT_EQ(builder.Erase(0), 1);  // one before it: it moves up with its format
  EXPECT_EQ(Settings.RenameFormats.Strings(1), "<A> - <N> - <T>");
  EXPECT_NE(Stored().find("PreferredFormat=1"), std::string::npos);
  EXPECT_EQ(builder.Erase(2), 1);  // one after it
  EXPECT_EQ(builder.Erase(1), 0);  // itself, and the last: the one before it
  builder.Prefer(0);               // the preferred one already
  EXPECT_EQ(builder.Erase(0), -1);
  EXPECT_EQ(builder.Preferred(), 0);
  EXPECT_NE(Stored().find("Formats=\r\nPreferredFormat=0"), std::string::npos);
  Settings.TagFormats.SetDelimitedText("a,b,c");
  Settings.PreferredTagFormat = 9;  // out of the list: brought into it
  TFormatBuilder tags(1, Settings);
  EXPECT_EQ(tags.Preferred(), 2);
  tags.Prefer(1);
  EXPECT_EQ(Settings.PreferredTagFormat, 1);
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST_F(FormatBuilding, AListThatCannotBeWrittenIsReported) {
  Folder.WriteFile("Settings.ini", std::string(1, '\0'));
  Settings.ReadSettings();
  TFormatBuilder builder(0, Settings);
  builder.Erase(3);
  EXPECT_EQ(Settings.RenameFormats.Count(), 3);
  EXPECT_EQ(Presenter.Texts(),
            (Texts{"Error / Settings file could not be read !", "Error / Settings file could not be made !"}));
}

}  // namespace
