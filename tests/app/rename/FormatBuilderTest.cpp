// The format builder without its window: building, checking, adding, erasing and the
// preferred format of both modes.
#include "AppTestSupport.h"

#include "app/rename/FormatBuilder.h"

#include "base/FileUtils.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using Texts = std::vector<std::string>;
using enum TFormatElement;
constexpr TFormatElement Dir = TFormatElement::Folder;  // the fixture has a Folder

class FormatBuilding : public ::testing::Test {
protected:
  std::string Build(TFormatBuilder& builder, std::initializer_list<TFormatElement> elements) {
    builder.ClearCurrent();
    for (TFormatElement element : elements) builder.Append(element);
    return builder.CurrentFormat();
  }
  std::string Stored() const { return FileExists(Settings.SettingsPath()) ? Folder.ReadFile("Settings.ini") : ""; }

  ProgramFolder Folder;
  ScriptedPresenter Presenter;
  TConfigBase Settings{Folder.Place()};
};

TEST_F(FormatBuilding, ElementsJoinByTheModesSyntaxAndEachPlaceholderOnce) {
  Settings.ReadSettings();
  TFormatBuilder rename(0, Settings), tags(1, Settings);
  EXPECT_EQ(Build(rename, {Artist, Title}), "<A> - <T>");
  EXPECT_FALSE(rename.ElementEnabled(Artist));
  EXPECT_EQ(rename.CurrentExample(), "Artist - Title.mp3");
  EXPECT_EQ(Build(rename, {Dir, Artist, Artist}), "<A>");  // no folders in mode 0
  EXPECT_EQ(Build(tags, {Artist, Title}), "\\ <A> - <T>");
  EXPECT_EQ(Build(tags, {Dir, Artist, Dir, Title}), "\\ <A> \\ <T>");
  EXPECT_EQ(Build(tags, {Dir, Dir, Unused, Unused, Year}), "\\ <X> - <X> - <Y>");
  EXPECT_EQ(Build(tags, {Genre, Dir, Dir}), "\\ <G> \\");
  EXPECT_EQ(tags.CurrentExample(), "\\ Genre \\.mp3");
}

TEST(FormatAcceptance, APlaceholderMustFollowTheLastFolderAndOutweighUnusedParts) {
  for (const char* format : {"<A>", "\\ <X> - <A>", "\\ <A> \\ <X> - <T>", "\\ <X> - <T> \\ <A>"})
    EXPECT_TRUE(FormatAcceptable(format)) << format;
  for (const char* format : {"", "<X>", "\\ <A> \\", "\\ <A> \\ <X>", "\\ <X> \\ <A>"})
    EXPECT_FALSE(FormatAcceptable(format)) << format;
}

TEST_F(FormatBuilding, AddStoresNewFormatsAndReportsTheOthers) {
  Settings.ReadSettings();
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
  EXPECT_EQ(Stored(), "");  // written when the dialog is left with Ok
  builder.Accept();
  EXPECT_NE(Stored().find("<N> - <A> - <T>|,|\\ <Y> \\ <T>|\r\nPreferredFormat=0\r\n"), std::string::npos);
}

// Four formats, the third preferred.
TEST_F(FormatBuilding, ThePreferredFormatStaysItselfWhileItIsStored) {
  Settings.ReadSettings();
  Settings.PreferredRenameFormat = 2;
  TFormatBuilder builder(0, Settings);
  EXPECT_FALSE(builder.PreferenceEnabled(2) || builder.EraseEnabled(4));
  EXPECT_EQ(builder.Erase(0), 1);  // one before it: it moves up with its format
  EXPECT_NE(Stored().find("PreferredFormat=1"), std::string::npos);
  EXPECT_EQ(builder.Erase(2), 1);  // one after it
  EXPECT_EQ(builder.Erase(1), 0);  // itself, and the last: the one before it
  EXPECT_EQ(builder.Erase(0), -1);
  EXPECT_EQ(builder.Preferred(), 0);
  Settings.TagFormats.SetDelimitedText("a,b,c");
  Settings.PreferredTagFormat = 9;  // out of the list: brought into it
  TFormatBuilder tags(1, Settings);
  EXPECT_EQ(tags.Preferred(), 2);
  tags.Prefer(1);
  EXPECT_EQ(Settings.PreferredTagFormat, 1);
  EXPECT_TRUE(Presenter.Shown.empty());
  Folder.WriteFile("Settings.ini", std::string(1, '\0'));  // unreadable: the erase is reported
  Settings.ReadSettings();
  tags.Erase(0);
  EXPECT_EQ(Presenter.Texts().back(), "Error / Settings file could not be made !");
}

}  // namespace
