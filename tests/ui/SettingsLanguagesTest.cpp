// The settings dialog in every language: the caption of each of its check boxes shows
// whole, nothing of it cut by the box it is drawn in or by the end of the box. The
// pictures (settings-DE.png, ...) show the dialog.
#include "ProgramWindowsKit.h"
#include "Screenshot.h"
#include "UnclippedTexts.h"

#include "ui/FormConfig.h"

#include "app/language/Translation.h"

#include "skin/controls/SkinCheckRadioBox.h"

#include "classlib/Bitmap.h"
#include "classlib/Menus.h"

#include "base/StrUtils.h"

#include <optional>

namespace {

using Texts = std::vector<std::string>;

// How the box's texts are drawn while it paints for the test.
enum class TTextDrawing { AsAsked, Unclipped, CaptionLeftOut };

// The box painted as it paints itself, Wider pixels wider than it is, its texts drawn as
// How says.
TPixelImage PaintedBox(TspSkinCheckRadioBox& Box, TTextDrawing How, int32_t Wider = 0) {
  const int32_t width = Box.Width();
  Box.SetWidth(width + Wider);
  TBitmap image(Box.Width(), Box.Height());
  {
    std::optional<TUnclippedTexts> altered;
    if (How != TTextDrawing::AsAsked)
      altered.emplace(How == TTextDrawing::CaptionLeftOut ? Box.Caption() : std::string());
    Box.Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas()->Handle()), 0);
  }
  Box.SetWidth(width);
  return image.ToPixelImage();
}

// What keeps the boxes' captions from showing whole, one line per caption.
Texts CutCaptions(const std::vector<TspSkinCheckRadioBox*>& Boxes) {
  Texts cut;
  for (TspSkinCheckRadioBox* box : Boxes) {
    const std::string caption = "'" + box->Caption() + "'";
    if (LastDifferingColumn(PaintedBox(*box, TTextDrawing::AsAsked), PaintedBox(*box, TTextDrawing::Unclipped)) >= 0)
      cut.push_back(caption + " is cut by the box it is drawn in");
    // Where the caption ends when the box has all the room it could want (the caption
    // lies where it does in a box of any width).
    const int32_t end = LastDifferingColumn(PaintedBox(*box, TTextDrawing::Unclipped, 400),
                                            PaintedBox(*box, TTextDrawing::CaptionLeftOut, 400));
    if (end < 0)
      cut.push_back(caption + " is not drawn");
    else if (end >= box->Width())
      cut.push_back(caption + " reaches column " + IntToStr(end) + " of a box " + IntToStr(box->Width()) + " wide");
  }
  return cut;
}

class SettingsDialog : public ProgramWindows, public ::testing::WithParamInterface<TLangID> {
protected:
  SettingsDialog() {
    Program.WriteFile("Settings.ini", "[Program]\r\nLanguage=" + IntToStr(GetParam()) + "\r\n");
    OpenMainWindow();
  }

  std::string Language() const { return std::string(LanguageFiles[GetParam()].FileName).substr(0, 2); }
};

TEST_P(SettingsDialog, EveryCheckBoxShowsItsCaptionWhole) {
  InDialog<TFormConfig>([&] { Window->Menu_Settings->Click(); }, [&](TFormConfig& dialog) {
    using enum TLangText;
    TspSkinCheckRadioBox& allWordsCaps = *dialog.GroupBoxOptions_CheckBoxAllWordsCaps;
    TspSkinCheckRadioBox& saveList = *dialog.GroupBoxSaving_CheckBoxSaveToList;
    EXPECT_EQ(Texts({allWordsCaps.Caption(), saveList.Caption()}),
              Texts({LangText(AllWordsCapsOption), LangText(SaveListOption)}));
    SaveWindowScreenshot(dialog.Handle(), "settings-" + Language());
    EXPECT_EQ(CutCaptions({&allWordsCaps, &saveList}), Texts{});
  });
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, SettingsDialog, ::testing::Values(lfDE, lfEN, lfES, lfNL),
                         [](const ::testing::TestParamInfo<TLangID>& language) {
                           return std::string(LanguageFiles[language.param].FileName).substr(0, 2);
                         });

}  // namespace
