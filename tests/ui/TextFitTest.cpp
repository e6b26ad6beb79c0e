// Every caption of every window fits in every language: each control is painted alone
// while the text functions are recorded, each text it draws is measured in the font it
// drew with against the room it had (combo boxes with every item they offer, the status
// bars with the largest count, the box whose caption changes with each of its captions),
// and no label's or check box's text runs into a control beside it.
#include "ProgramWindowsKit.h"
#include "Screenshot.h"
#include "TagFixtures.h"
#include "TextDrawRecorder.h"

#include "ui/FormAbout.h"
#include "ui/FormConfig.h"
#include "ui/FormFormatDialog.h"
#include "ui/FormTagEditor.h"

#include "app/language/Translation.h"
#include "app/rename/FileGridContents.h"
#include "app/rename/Rename.h"
#include "app/settings/Config.h"
#include "app/windowrules/SettingsChoices.h"

#include "grid/SkinStringGrid.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinPageControl.h"
#include "skin/controls/ControlInput.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"

#include "classlib/Menus.h"

#include "base/StrUtils.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace {

using Texts = std::vector<std::string>;

// Boxes that list the tag tables' names (data, some of them long), not texts.
const std::set<std::string> kDataBoxes = {"GroupBoxTags_ComboBoxLanguage", "PanelPrimaryTags_ComboBoxGenre",
                                          "PanelPrimaryTags_ComboBoxLanguage"};
// Labels that show data (names, folders, MPEG values), not texts.
bool ShowsData(const TControl& control) {
  const std::string& name = control.Name();
  return name == "StatusBar_PanelCurrentDir" ||
         (name.rfind("GroupBoxMpegInfo_Label", 0) == 0 && name.size() > 4 && name.substr(name.size() - 4) == "Text");
}

std::string Describe(const TRect& r) {
  return IntToStr(r.Left) + ".." + IntToStr(r.Right) + " x " + IntToStr(r.Top) + ".." + IntToStr(r.Bottom);
}

// Measures what the windows draw and collects what does not fit.
class TTextFit {
public:
  explicit TTextFit(std::string Language) : FLanguage(std::move(Language)) {}

  // The showing controls of the window; Captions gives the other captions a control
  // takes (by name), which are measured where its caption is drawn.
  void CheckWindow(TForm& window, const std::map<std::string, Texts>& Captions = {}) {
    for (int i = 0; i < window.ComponentCount(); ++i) {
      auto* control = dynamic_cast<TControl*>(window.Components(i));
      if (control == nullptr || !ControlShowing(*control)) continue;
      const auto others = Captions.find(control->Name());
      CheckControl(window, *control, others == Captions.end() ? Texts{} : others->second);
    }
    CheckRoomBeside(window);
    FTexts.clear();
  }

  Texts Problems;

private:
  void CheckControl(TForm& window, TControl& control, const Texts& others) {
    if (auto* grid = dynamic_cast<TDynSkinStringGrid*>(&control)) {
      Texts headings;  // of the columns in view (the tag editor's scroll sideways)
      for (int32_t column = 0; column < grid->ColCount(); ++column)
        if (const TRect cell = grid->CellRect(column, 0); cell.Width() >= grid->ColWidths(column))
          headings.push_back(grid->Cells(column, 0));
      CheckDrawn(window, control, headings);
    } else if (auto* pages = dynamic_cast<TspSkinPageControl*>(&control)) {
      Texts tabs;
      for (int i = 0; i < pages->PageCount(); ++i) tabs.push_back(pages->Pages(i)->Caption());
      CheckDrawn(window, control, tabs);
    } else if (auto* combo = dynamic_cast<TspSkinComboBox*>(&control)) {
      if (kDataBoxes.count(combo->Name()) != 0 || combo->Text().empty()) return;
      Texts items;
      for (int i = 0; i < combo->Items()->Count(); ++i) items.push_back(combo->Items()->Strings(i));
      CheckDrawn(window, control, {combo->Text()}, items);
    } else if (IsCaptioned(control) && !ShowsData(control) && !control.Caption().empty()) {
      const std::optional<TRect> text = CheckDrawn(window, control, {control.Caption()}, others);
      if (text)
        FTexts[&control] = Rect(control.Left() + text->Left, control.Top() + std::max(text->Top, 0),
                                control.Left() + text->Right, control.Top() + std::min(text->Bottom, control.Height()));
    }
  }

  static bool IsLabel(TControl& control) {
    return dynamic_cast<TspSkinStdLabel*>(&control) || dynamic_cast<TspSkinLabel*>(&control) ||
           dynamic_cast<TspSkinCheckRadioBox*>(&control);
  }

  // A label's or a check box's text keeps clear of the other labels' texts, and 4 pixels
  // from every other control beside it.
  void CheckRoomBeside(TForm& window) {
    for (const auto& [control, text] : FTexts) {
      if (!IsLabel(*control)) continue;
      TWinControl* parent = control->Parent();
      for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl& other = *parent->Controls(i);
        if (&other == control || !ControlShowing(other)) continue;
        const auto otherText = FTexts.find(&other);
        const bool clash = IsLabel(other)
                               ? otherText != FTexts.end() && !IsRectEmpty(IntersectRect(text, otherText->second))
                               : !IsRectEmpty(IntersectRect(Rect(text.Left - 4, text.Top, text.Right + 4, text.Bottom),
                                                            other.BoundsRect()));
        if (clash)
          Problems.push_back(FLanguage + " " + window.Name() + "." + control->Name() + ": '" + control->Caption() +
                             "' runs into " + other.Name());
      }
    }
  }

  static bool IsCaptioned(TControl& control) {
    return dynamic_cast<TspSkinStdLabel*>(&control) || dynamic_cast<TspSkinLabel*>(&control) ||
           dynamic_cast<TspSkinCheckRadioBox*>(&control) || dynamic_cast<TspSkinButton*>(&control) ||
           dynamic_cast<TspSkinSpeedButton*>(&control) || dynamic_cast<TspSkinGroupBox*>(&control) ||
           dynamic_cast<TspSkinStatusPanel*>(&control);
  }

  // Paints the control alone with its texts measured; each of Expected must be drawn
  // whole within its room, and so must the stand-ins of the first. The first text's
  // place in the control, when it was drawn.
  std::optional<TRect> CheckDrawn(TForm& window, TControl& control, const Texts& expected,
                                  const Texts& standIns = {}) {
    TTextDrawRecorder recorder;
    if (!expected.empty()) recorder.SetStandIns(expected[0], standIns);
    TPixelDC dc(std::max(control.Width(), 1), std::max(control.Height(), 1));
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
    const std::string where = FLanguage + " " + window.Name() + "." + control.Name() + ": ";
    std::optional<TRect> first;
    for (size_t i = 0; i < expected.size(); ++i) {
      const std::string& text = expected[i];
      if (Trim(text).empty()) continue;
      const auto drawn = std::find_if(recorder.Drawn.begin(), recorder.Drawn.end(),
                                      [&](const TDrawnText& d) { return d.Text == text; });
      if (drawn == recorder.Drawn.end()) {
        std::string shown;
        for (const TDrawnText& d : recorder.Drawn) shown += "'" + d.Text + "' ";
        Problems.push_back(where + "'" + text + "' not drawn whole (drawn: " + shown + ")");
        continue;
      }
      if (i == 0) first = drawn->Needed;
      const size_t measured = i == 0 ? 1 + standIns.size() : 1;
      for (auto d = drawn; d != drawn + static_cast<std::ptrdiff_t>(measured); ++d)
        if (!d->Fits())
          Problems.push_back(where + "'" + d->Text + "' needs " + Describe(d->Needed) + ", has " + Describe(d->Room));
    }
    return first;
  }

  std::string FLanguage;
  std::map<TControl*, TRect> FTexts;  // the captions' places in their parents, this window's
};

class TextFit : public ProgramWindows, public ::testing::WithParamInterface<TLangID> {
protected:
  TextFit() {
    Program.WriteFile("Settings.ini", "[Program]\r\nLanguage=" + IntToStr(GetParam()) + "\r\n");
    Music.WriteFile("a - Beta.mp3", Frames({3, 1, 9, 0}, 417, 150));
    Music.WriteFile("b - Alpha.mp3", Frames({3, 1, 9, 0}, 417, 150));
    OpenMainWindow();
  }

  std::string Language() const { return LanguageFiles[GetParam()].FileName; }
  // Screenshots of the German windows, for a person to look at.
  void Picture(TForm& window, const std::string& name) const {
    if (GetParam() == lfDE) SaveWindowScreenshot(window.Handle(), "de-" + name);
  }
};

TEST_P(TextFit, EveryCaptionOfEveryWindowFitsItsRoom) {
  TTextFit fit(Language());
  const std::string LargestCount = SelectedFilesText(MaxListedFiles);
  Window->StatusBar_PanelSelectedFiles->SetCaption(LargestCount);
  fit.CheckWindow(*Window);
  Picture(*Window, "main-window-rebuild");
  Window->PanelRename_PageControlRename->SetActivePageIndex(1);
  fit.CheckWindow(*Window);
  Picture(*Window, "main-window-switch");
  Settings->RenamePending = true;  // the warning shows too
  Window->PanelSpeedButtons_SpeedButtonTagsClick(nullptr);
  fit.CheckWindow(*Window);
  Settings->RenamePending = false;
  Window->PanelSpeedButtons_SpeedButtonRenameClick(nullptr);

  InDialog<TFormConfig>([&] { Window->Menu_Settings->Click(); }, [&](TFormConfig& dialog) {
    dialog.GroupBoxSaving_EditListName->SetText("");  // the note shows, with either text
    fit.CheckWindow(dialog, {{"GroupBoxSaving_LabelListNameNote",
                              {ListNameNote(TListNameProblem::NamesAnMp3File)}}});
    Picture(dialog, "settings-rename");
    dialog.GroupBoxSaving_EditListName->SetText(Settings->ListName());
    static_cast<TPageControl*>(dialog.PageControl_TabRename->Parent())->SetActivePageIndex(1);
    fit.CheckWindow(dialog);
    Picture(dialog, "settings-tags");
  });
  InDialog<TFormAbout>([&] { Window->Menu_About->Click(); }, [&](TFormAbout& about) {
    fit.CheckWindow(about);
    Picture(about, "about");
  });
  InDialog<TFormFormatDialog>([&] { Window->GroupBoxOptions_SpeedButtonFormatsClick(nullptr); },
                              [&](TFormFormatDialog& dialog) {
                                fit.CheckWindow(dialog);
                                Picture(dialog, "format-builder");
                              });

  TDynSkinStringGrid& grid = *Window->PanelGrid_GridFileNames;
  for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row) grid.SetCellSelected(0, row, true);
  Window->PanelSpeedButtons_SpeedButtonTagsClick(nullptr);
  InDialog<TFormTagEditor>([&] { Window->PanelID3Tags_ButtonReadTagsClick(nullptr); }, [&](TFormTagEditor& editor) {
    editor.StatusBar_PanelSelectedFiles->SetCaption(LargestCount);
    using enum TLangText;
    fit.CheckWindow(editor, {{"PanelFieldOptions_CheckBoxSelectedFields",
                              {LangText(AllFieldsSelected), LangText(FieldSelectionOff),
                               LangText(NoFieldsSelected)}}});
    Picture(editor, "tag-editor");
  });
  EXPECT_EQ(fit.Problems, Texts{});
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextFit, ::testing::Values(lfDE, lfEN, lfES, lfNL),
                         [](const ::testing::TestParamInfo<TLangID>& language) {
                           return std::string(LanguageFiles[language.param].FileName).substr(0, 2);
                         });

}  // namespace
