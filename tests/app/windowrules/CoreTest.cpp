// The core objects, the message service's portable logic and the charset of the locale
// the settings name.
#include "AppTestSupport.h"

#include "app/messages/MessageDialog.h"
#include "app/rename/Rename.h"
#include "app/settings/Session.h"
#include "app/tageditor/LocaleCharset.h"
#include "app/tageditor/TagServices.h"
#include "app/windowrules/Core.h"

#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2Frame.h"
#include "tags/TagEnvironment.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Texts = std::vector<std::string>;
// The main window's stored skin is only handed on, never looked into.
TspCompressedStoredSkin* const kStoredSkin = reinterpret_cast<TspCompressedStoredSkin*>(0x5000);

class CoreObjects : public ::testing::Test {
protected:
  ~CoreObjects() override { FreeCore(); }
  ProgramFolder Folder;
  ScriptedPresenter Presenter;
};

// The texts, the messages' button captions among them, follow the table in use.
TEST_F(CoreObjects, MadeWithTheConfiguredLanguageAndFreed) {
  Folder.InstallBuiltLanguage("NL.lng");
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=3\r\n");
  ASSERT_TRUE(CreateCore(kStoredSkin, Folder.Place()));
  ASSERT_TRUE(Settings && Session && Lang && FileList);
  EXPECT_EQ(Settings->StoredSkin, kStoredSkin);
  EXPECT_EQ(Settings->WorkingFolder, Folder.Path());
  EXPECT_TRUE(Presenter.Shown.empty());
  ShowMessageFileExists(LangText(TLangText::ErrorCaption), "t", nullptr);
  FreeCore();
  EXPECT_FALSE(Settings || Session || Lang || FileList);
  ShowMessageFileExists(LangText(TLangText::ErrorCaption), "t", nullptr);
  using Captions = std::array<std::string, 4>;
  EXPECT_EQ(Presenter.Shown[0].ButtonCaptions,
            (Captions{"Overslaan", "Nummer toevoegen", "Overschrijven", "Annuleren"}));
  EXPECT_EQ(Presenter.Shown[1].ButtonCaptions, (Captions{"Skip", "Add number", "Overwrite", "Cancel"}));
  EXPECT_EQ(Presenter.Shown[0].Caption + Presenter.Shown[1].Caption, "FoutError");
}

TEST_F(CoreObjects, UnreadableSettingsOrLanguageFilesDoNotEndStartUp) {
  Folder.WriteLanguage("DE.lng", "");
  Folder.WriteFile("Settings.ini", "[Program]");
  ASSERT_TRUE(CreateCore(kStoredSkin, Folder.Place()));
  EXPECT_EQ(Settings->LangConfig.Language, lfEN);
  EXPECT_EQ(Presenter.Shown[0].Skin, kStoredSkin);
  EXPECT_EQ(Presenter.Shown[0].ButtonCaptions[dbOk], "Ok");  // before Lang exists
  FreeCore();
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=0\r\n");
  ASSERT_TRUE(CreateCore(kStoredSkin, Folder.Place()));
  EXPECT_EQ(LangText(TLangText::CancelButton), "Cancel");
  const char notFound[] =
      "Error / The selected translation file has not been found ! Default language will be english";
  EXPECT_EQ(Presenter.Texts(), (Texts{"Error / Settings file could not be read !", notFound,
                                      "Error / No valid translation file !"}));
}

TEST_F(CoreObjects, FailureFreesWhatWasMadeAndTellsTheCaller) {
  Presenter.WhileOpen = [&](TMessageDialog&) {  // the first message fails to show
    if (Presenter.Shown.size() == 1) throw Exception("no window");
  };
  EXPECT_FALSE(CreateCore(kStoredSkin, Folder.Place()));
  EXPECT_FALSE(Settings || Session || Lang || FileList);
  EXPECT_EQ(Presenter.Texts().back(), "CreateCore / Fatal error !");
  EXPECT_EQ(Presenter.Shown.back().Skin, nullptr);
}

// The tag library's errors reach the user under the table's "Error" caption, or "Error"
// as it stands where the library says so, with the main window's skin, and its text
// frames take the configured locale's character set.
TEST_F(CoreObjects, TheTagLibraryReportsThroughTheMessageServiceInTheConfiguredLocale) {
  Folder.InstallBuiltLanguage("NL.lng");
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=3\r\n");
  ASSERT_TRUE(CreateCore(kStoredSkin, Folder.Place()));
  InstallTagServices();
  ShowTagError(TTagErrorCaption::Translated, "Negative length not allowed!");
  EXPECT_EQ(Presenter.Texts(), Texts{"Fout / Negative length not allowed!"});
  EXPECT_EQ(Presenter.Shown[0].Skin, kStoredSkin);
  Settings->LangConfig.Locale = 0x0419;
  EXPECT_EQ(LocaleCharset(), 204);
  // A text frame told to convert 8-bit text on a Unicode locale complains in English.
  bool ok = false;
  auto title = CreateFrameCategory(fcText, fiTIT2, ok);
  title->SetEncoding(0);
  title->SetTextFlag1(1);
  title->SetText({'a'});
  EXPECT_EQ(Presenter.Texts().back(), "Error / Encoding in Unicode not yet implemented!");
  EXPECT_EQ(Presenter.Shown.back().Skin, kStoredSkin);
  Settings->LangConfig.Locale = 0x0409;
  EXPECT_EQ(LocaleCharset(), 0);
  SetTagErrorHandler({});
  SetCharsetSource({});
}

TEST(LocaleToCharset, AnsiOtherAndUnicodeOnlyLocales) {
  ScriptedPresenter presenter;
  EXPECT_EQ(LocaleToCharset(0x0409), 0);    // code page 1252: 8-bit text
  EXPECT_EQ(LocaleToCharset(0x0419), 204);  // code page 1251
  EXPECT_TRUE(presenter.Shown.empty());
  EXPECT_EQ(LocaleToCharset(0x0439), 1);  // Hindi has no ANSI code page: DEFAULT_CHARSET
  EXPECT_EQ(presenter.Texts(), Texts{"Fout / Onbekend type vanTFontCharSet"});
  EXPECT_EQ(presenter.Shown[0].Skin, nullptr);
}

// Reports may run to thousands of lines: more lines than a byte and a line longer than a
// 16-bit word can count are measured whole (the window itself is tested under Wine).
TEST(MessageLayout, LongReportsAreCountedWhole) {
  TMessageLayout layout = LayoutMessageText(std::string(3000, '\r'));
  EXPECT_EQ(layout.Lines, 3001);
  EXPECT_EQ(layout.ExtraHeight, 15 * 3000);
  layout = LayoutMessageText("x\r" + std::string(70000, 'y'));
  EXPECT_EQ(layout.Longest, 70000);
  EXPECT_EQ(layout.Width, 70000 * 7 + 10);
}

// As in the system's message boxes: Escape is Ok where Ok stands alone, Cancel where a
// Cancel shows, and nothing where each button is a choice ("All no" is no Cancel).
TEST(MessageLayout, EscapeAnswersOkWhereItStandsAloneAndCancelWhereACancelShows) {
  const std::pair<uint8_t, std::optional<uint8_t>> kinds[] = {
      {mtOk, maOk},         {mtYesNo, std::nullopt},      {mtYesCancel, maCancel},
      {mtYesNoAll, std::nullopt}, {mtFileExists, maCancel}, {mtList, maOk}, {9, maOk}};
  for (const auto& [kind, answer] : kinds) {
    SCOPED_TRACE(static_cast<int>(kind));
    const TMessageButtons layout = LayoutMessageButtons(kind);
    ASSERT_EQ(layout.EscapeButton.has_value(), answer.has_value());
    if (!answer) continue;
    const TMessageButtonPlace& button = layout.Buttons[*layout.EscapeButton];
    EXPECT_TRUE(button.Visible);
    EXPECT_TRUE(button.Caption == TLangText::OkButton || button.Caption == TLangText::CancelButton);
    EXPECT_EQ(AnswerOf(kind, *layout.EscapeButton), *answer);
  }
}

TEST(MessageService, AWindowThatFailsStillClosesTheMessage) {
  ScriptedPresenter presenter;
  presenter.WhileOpen = [](TMessageDialog&) { throw Exception("window failed"); };
  EXPECT_THROW(ShowMessageOk("c", "t", nullptr), Exception);
  EXPECT_EQ(MessageDialogForm, nullptr);
  presenter.WhileOpen = nullptr;
  presenter.Press(mtYesNo, dbNo);
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), maNo);
}

}  // namespace
