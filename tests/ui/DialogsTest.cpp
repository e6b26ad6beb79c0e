// The main window's dialogs, opened from its menus and buttons and driven inside their
// modal loops: the settings dialog, the about box and the format builder.
#include "AtFree.h"
#include "ProgramWindowsKit.h"
#include "Screenshot.h"

#include "ui/FormAbout.h"
#include "ui/FormConfig.h"
#include "ui/FormFormatDialog.h"
#include "ui/FormTagEditor.h"
#include "ui/WindowParts.h"

#include "app/language/Translation.h"
#include "app/settings/Config.h"
#include "app/windowrules/AboutBox.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinListBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinData.h"
#include "tags/ID3TagsUtils.h"

#include "classlib/Menus.h"
#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include <cstdlib>


namespace {

class Dialogs : public ProgramWindows {
protected:
  Dialogs() {
    Mp3("b - Alpha");
    OpenMainWindow();
  }

  void InFormatBuilder(const std::function<void(TFormFormatDialog&)>& Act) {
    InDialog<TFormFormatDialog>([&] { Window->GroupBoxOptions_SpeedButtonFormatsClick(nullptr); }, Act);
  }
};

// The dialog's rectangle centred on the main window's, to a pixel.
void ExpectCentredOnMainWindow(const TForm& dialog, const TForm& main) {
  EXPECT_LE(std::abs((dialog.Left() + dialog.Width() / 2) - (main.Left() + main.Width() / 2)), 1);
  EXPECT_LE(std::abs((dialog.Top() + dialog.Height() / 2) - (main.Top() + main.Height() / 2)), 1);
}

TEST_F(Dialogs, SettingsCancelWritesNothingAndSaveWritesTheEditedCopies) {
  const std::string before = SettingsText();
  InSettings([&](TFormConfig& dialog) {
    ExpectCentredOnMainWindow(dialog, *Window);
    EXPECT_EQ(dialog.ActiveControl(), dialog.Form_ButtonCancel);
    EXPECT_EQ(dialog.GroupBoxTags_ComboBoxID3v2->Text(), "ID3v2.4");
    EXPECT_EQ(dialog.GroupBoxSaving_ComboBoxFileExists->Items()->Count(), 4);
    SaveWindowScreenshot(dialog.Handle(), "settings");
    PostClick(dialog.GroupBoxOptions_CheckBoxAllWordsCaps);
    PostClick(dialog.Form_ButtonCancel);
  });
  EXPECT_EQ(SettingsText(), before);
  EXPECT_FALSE(Window->GroupBoxOptions_CheckBoxAllWordsCaps->Checked());

  InSettings([&](TFormConfig& dialog) {
    TspSkinEdit& listName = *dialog.GroupBoxSaving_EditListName;
    // The list name stands on its box's row, 4 pixels after it, up to 15 before the
    // group's end.
    const TspSkinCheckRadioBox& saveList = *dialog.GroupBoxSaving_CheckBoxSaveToList;
    EXPECT_EQ(listName.Left(), saveList.Left() + saveList.Width() + 4);
    EXPECT_EQ(listName.Left() + listName.Width(), dialog.TabRename_GroupBoxSaving->Width() - 15);
    EXPECT_LT(listName.Top(), saveList.Top() + saveList.Height());
    EXPECT_GT(listName.Top() + listName.Height(), saveList.Top());
    PostClick(dialog.GroupBoxSaving_CheckBoxSaveToList);
    EXPECT_FALSE(listName.Enabled());
    PostClick(dialog.GroupBoxSaving_CheckBoxSaveToList);
    EXPECT_TRUE(listName.Enabled());
    // Save is disabled, and the note under the name says why, in the window's language.
    TspSkinStdLabel& note = *dialog.GroupBoxSaving_LabelListNameNote;
    EXPECT_EQ(note.Caption(), "");
    listName.SetText("");
    EXPECT_FALSE(dialog.Form_ButtonSave->Enabled());
    EXPECT_EQ(note.Caption(), LangText(TLangText::ListNameInvalidNote));
    listName.SetText("old names.mp3");  // would replace an MP3 of the folder
    EXPECT_FALSE(dialog.Form_ButtonSave->Enabled());
    EXPECT_EQ(note.Caption(), LangText(TLangText::ListNameMp3Note));
    EXPECT_TRUE(note.Visible() && note.Top() >= listName.Top() + listName.Height());
    SaveWindowScreenshot(dialog.Handle(), "settings-list-name-refused");
    listName.SetText("Old names.txt");
    EXPECT_TRUE(dialog.Form_ButtonSave->Enabled());
    EXPECT_EQ(note.Caption(), "");
    PostClick(dialog.GroupBoxOptions_CheckBoxAllWordsCaps);
    PostClick(dialog.Form_ButtonSave);
  });
  const std::string after = SettingsText();
  EXPECT_NE(after.find("AllWordsCaps=1"), std::string::npos);
  EXPECT_NE(after.find("ListName=Old names.txt"), std::string::npos);
  EXPECT_TRUE(Settings->AllWordsCaps);
}

// A stored ID3v1.0, which the combo does not offer, shows as "-------" and is written back
// as it was while the combo is left alone.
TEST_F(Dialogs, AStoredVersionTheComboDoesNotOfferIsWrittenBackWhileTheComboIsLeftAlone) {
  Settings->DefaultID3v1 = tvID3v10;  // as read from a "Settings.ini" that holds it
  InSettings([&](TFormConfig& dialog) {
    EXPECT_EQ(dialog.GroupBoxTags_ComboBoxID3v1->Text(), "-------");
    PostClick(dialog.GroupBoxOptions_CheckBoxAllWordsCaps);
    PostClick(dialog.Form_ButtonSave);
  });
  EXPECT_NE(SettingsText().find("AllWordsCaps=1"), std::string::npos);
  EXPECT_NE(SettingsText().find("DefaultID3v1=1\r\n"), std::string::npos);
}

TEST_F(Dialogs, CtrlASelectsAllOfTheSettingsListName) {
  InSettings([&](TFormConfig& dialog) {
    TspSkinEdit& listName = *dialog.GroupBoxSaving_EditListName;
    PostClick(dialog.GroupBoxSaving_CheckBoxSaveToList);
    if (!listName.Enabled()) PostClick(dialog.GroupBoxSaving_CheckBoxSaveToList);
    listName.SetText("Old names.txt");
    listName.SetFocus();
    listName.SetSelStart(3);
    listName.SetSelLength(0);
    PressKey('A', {ssCtrl});
    EXPECT_EQ(listName.SelStart(), 0);
    EXPECT_EQ(listName.SelLength(), 13);
    EXPECT_EQ(listName.Text(), "Old names.txt");  // the key typed nothing
  });
}

TEST_F(Dialogs, TheAboutBoxShowsTheProductInTheLanguageChosenAndOpensItsAddresses) {
  std::vector<std::string> opened;
  static std::vector<std::string>* openedList = nullptr;
  openedList = &opened;
  TSeamOverride shell(Seams::ShellExecute, [](HWND, const char*, const char* file, const char*, const char*,
                                               int) -> HINSTANCE {
    openedList->push_back(file);
    return reinterpret_cast<HINSTANCE>(33);
  });
  InDialog<TFormAbout>([&] { Window->Menu_About->Click(); }, [&](TFormAbout& about) {
    ExpectCentredOnMainWindow(about, *Window);
    EXPECT_EQ(about.Caption(), "Product information");
    EXPECT_EQ(about.AboutPanelLabelName->Caption(), "Velorandquistmar");
    EXPECT_EQ(about.AboutPanelLabelVersion->Caption(), "Version 0.4.8");
    EXPECT_EQ(about.AboutPanelLabelTranslators->Caption(), "Translation: ");  // English names no translator
    TspSkinLabel& web = *about.AboutPanelLabelWebAddress;
    PostMouse(&web, WM_MOUSEMOVE, 2, 2);
    PumpUntil([&] { return web.DefaultFont()->Color() == TColor(10526303); }, 1000);
    EXPECT_EQ(web.DefaultFont()->Color(), TColor(10526303));
    EXPECT_EQ(web.Cursor(), crHandPoint);
    SaveWindowScreenshot(about.Handle(), "about");
    // Off the pointer an address takes back its own colour: white would vanish on the
    // skin's light panel.
    const TColor own = about.AboutPanelLabelEmailAddress->DefaultFont()->Color();
    PostMouse(about.AboutPanelLabelName, WM_MOUSEMOVE, 2, 2);
    PumpUntil([&] { return web.Cursor() == crDefault; }, 1000);
    EXPECT_EQ(web.DefaultFont()->Color(), own);
    EXPECT_NE(web.DefaultFont()->Color(), clWhite);
    EXPECT_EQ(web.Cursor(), crDefault);
    SaveWindowScreenshot(about.Handle(), "about-address-left");
    PostClick(about.AboutPanelLabelEmailAddress);
    PostClick(&web);
    PostKey(about.FormAboutButtonOk, VK_ESCAPE);
    EXPECT_EQ(about.ModalResult(), mrOk);  // the Ok button is the cancel button
  });
  EXPECT_EQ(opened, (std::vector<std::string>{std::string("mailto:") + MakerEmailAddress,
                                              std::string("http://") + MakerWebAddress}));

  Window->Menu_Language->Items(0)->Click();  // German, whose file names its translator
  InDialog<TFormAbout>([&] { Window->Menu_About->Click(); }, [&](TFormAbout& about) {
    EXPECT_EQ(about.Caption(), LangText(TLangText::AboutWindowCaption));
    EXPECT_NE(about.Caption(), "Product information");
    EXPECT_EQ(about.AboutPanelLabelTranslators->Caption(),
              LangText(TLangText::TranslationLabel) + " The Velorandquistmar team");
  });
}

TEST_F(Dialogs, TheFormatBuilderAddsAFormatThatTheRebuildPageThenOffers) {
  const int formats = Window->GroupBoxOptions_ComboBoxFormats->Items()->Count();
  InFormatBuilder([&](TFormFormatDialog& dialog) {
    ExpectCentredOnMainWindow(dialog, *Window);
    EXPECT_EQ(dialog.Caption(), "Filename format builder");
    EXPECT_FALSE(NamedComponent<TspSkinCheckRadioBox>(dialog, "PanelSyntax_RadioButtonDir").Visible());
    auto& title = NamedComponent<TspSkinCheckRadioBox>(dialog, "PanelSyntax_RadioButtonTitle");
    auto& artist = NamedComponent<TspSkinCheckRadioBox>(dialog, "PanelSyntax_RadioButtonArtist");
    PostClick(&title);
    PostClick(&artist);
    EXPECT_FALSE(title.Enabled());
    EXPECT_FALSE(title.Checked());
    EXPECT_EQ(dialog.PanelCurrentFormat_EditFormat->Text(), "Title - Artist.mp3");
    SaveWindowScreenshot(dialog.Handle(), "format-builder");
    PostClick(dialog.PanelCurrentFormat_ButtonAdd);
    EXPECT_EQ(dialog.PanelCurrentFormat_EditFormat->Text(), "");
    EXPECT_TRUE(title.Enabled());
    EXPECT_EQ(dialog.PanelAllFormats_ListBoxFormats->Items()->Count(), formats + 1);
    PostClick(dialog.Form_ButtonOk);
  });
  EXPECT_NE(SettingsText().find("|<T> - <A>|"), std::string::npos);
  EXPECT_EQ(Window->GroupBoxOptions_ComboBoxFormats->Items()->Count(), formats + 1);
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST_F(Dialogs, TheFormatBuilderRefusesAListedFormatAndMovesThePreferredOne) {
  InFormatBuilder([&](TFormFormatDialog& dialog) {
    TspSkinListBox& list = *dialog.PanelAllFormats_ListBoxFormats;
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_FALSE(dialog.PanelAllFormats_ButtonPreference->Enabled());  // the preferred one
    list.SetItemIndex(2);
    dialog.PanelAllFormats_ListBoxFormatsClick(&list);
    EXPECT_TRUE(dialog.PanelAllFormats_ButtonPreference->Enabled());
    PostClick(dialog.PanelAllFormats_ButtonPreference);
    EXPECT_EQ(Settings->PreferredRenameFormat, 2);
    EXPECT_NE(SettingsText().find("PreferredFormat=2"), std::string::npos);  // written at once
    // "Artist - Title" is listed already.
    PostClick(&NamedComponent<TspSkinCheckRadioBox>(dialog, "PanelSyntax_RadioButtonArtist"));
    PostClick(&NamedComponent<TspSkinCheckRadioBox>(dialog, "PanelSyntax_RadioButtonTitle"));
    PostClick(dialog.PanelCurrentFormat_ButtonAdd);
    EXPECT_EQ(list.Items()->Count(), 4);
    PostClick(dialog.Form_ButtonOk);
  });
  EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{"Error / No files have been changed."});
  EXPECT_EQ(Window->GroupBoxOptions_ComboBoxFormats->ItemIndex(), 2);
}

// Freed as the program frees them, the settings dialog, the about box and the tag editor
// let the program's skin go while their skin data is still there (they once did so
// afterwards, through the freed skin data); the format builder keeps it.
TEST_F(Dialogs, EveryDialogButTheFormatBuilderLetsTheProgramsSkinGoBeforeItsSkinDataGoes) {
  ASSERT_NE(Settings->StoredSkin, nullptr);
  const auto skinAtFree = [](TForm* window, TspSkinData* data) {
    EXPECT_EQ(data->CompressedStoredSkin(), Settings->StoredSkin);
    TspCompressedStoredSkin* named = nullptr;
    const TAtFree watch(data, [&] { named = data->CompressedStoredSkin(); });
    window->Free();
    EXPECT_TRUE(watch.Freed());
    return named;
  };
  auto* config = new TFormConfig(Application);
  EXPECT_EQ(skinAtFree(config, config->SkinData), nullptr);
  auto* about = new TFormAbout(Application);
  EXPECT_EQ(skinAtFree(about, about->SkinData), nullptr);
  auto* editor = new TFormTagEditor(Application);
  EXPECT_EQ(skinAtFree(editor, editor->SkinDataEffects), nullptr);
  auto* builder = new TFormFormatDialog(Application, 0);
  EXPECT_EQ(skinAtFree(builder, builder->SkinData), Settings->StoredSkin);
}

}  // namespace
