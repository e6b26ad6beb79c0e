// The tag editor's grid menu in every language: each caption of both its levels shows
// whole, nothing of it cut by the box it is drawn in or by the end of its item. The
// pictures (tag-editor-popup-DE.png, ...) show the menu open on the editor.
#include "ProgramWindowsKit.h"
#include "Screenshot.h"
#include "TagFixtures.h"
#include "UnclippedTexts.h"

#include "ui/FormTagEditor.h"

#include "app/language/Translation.h"

#include "grid/SkinStringGrid.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/MenuItemPainter.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

#include "base/StrUtils.h"

#include <optional>

namespace {

using Texts = std::vector<std::string>;

// How the texts are drawn while an item paints for the test.
enum class TTextDrawing { AsAsked, Unclipped, CaptionLeftOut };

// The item painted as its level paints it, its texts drawn as How says.
TPixelImage PaintedItem(TspSkinMenuItem& Item, TTextDrawing How) {
  std::optional<TUnclippedTexts> altered;
  if (How != TTextDrawing::AsAsked)
    altered.emplace(How == TTextDrawing::CaptionLeftOut ? Item.MenuItem->Caption() : std::string());
  TBitmap image(Item.ItemRect.Width(), Item.ItemRect.Height());
  PaintMenuItem(image, Item);
  return image.ToPixelImage();
}

// The last column the item's caption takes when the item has all the room it could want
// (its caption lies where it does in an item of any width), -1 when it draws nothing.
int32_t CaptionEnd(TspSkinMenuItem& Item) {
  const TRect kept = Item.ItemRect;
  Item.ItemRect.Right += 400;
  const int32_t end =
      LastDifferingColumn(PaintedItem(Item, TTextDrawing::Unclipped), PaintedItem(Item, TTextDrawing::CaptionLeftOut));
  Item.ItemRect = kept;
  return end;
}

// What keeps a level's captions from showing whole, one line per caption.
Texts CutCaptions(TspSkinPopupWindow& level) {
  Texts cut;
  for (int i = 0; i < level.ItemCount(); ++i) {
    TspSkinMenuItem& item = *level.Items(i);
    if (item.IsSeparator()) continue;
    const std::string caption = item.MenuItem->Caption();
    const TPixelImage shown = PaintedItem(item, TTextDrawing::AsAsked);
    if (LastDifferingColumn(shown, PaintedItem(item, TTextDrawing::Unclipped)) >= 0)
      cut.push_back("'" + caption + "' is cut by the box it is drawn in");
    const int32_t end = CaptionEnd(item);
    if (end < 0)
      cut.push_back("'" + caption + "' is not drawn");
    else if (end >= shown.Width())
      cut.push_back("'" + caption + "' reaches column " + IntToStr(end) + " of an item " + IntToStr(shown.Width()) +
                    " wide");
  }
  return cut;
}

class TagEditorPopup : public ProgramWindows, public ::testing::WithParamInterface<TLangID> {
protected:
  TagEditorPopup() {
    Program.WriteFile("Settings.ini", "[Program]\r\nLanguage=" + IntToStr(GetParam()) + "\r\n");
    Music.WriteFile("a - Beta.mp3", Frames({3, 1, 9, 0}, 417, 150));
    OpenMainWindow();
  }

  std::string Language() const { return std::string(LanguageFiles[GetParam()].FileName).substr(0, 2); }
};

TEST_P(TagEditorPopup, EveryCaptionOfBothLevelsShowsWhole) {
  TDynSkinStringGrid& files = *Window->PanelGrid_GridFileNames;
  files.SetCellSelected(0, files.FixedRows(), true);
  Window->PanelSpeedButtons_SpeedButtonTagsClick(nullptr);
  InDialog<TFormTagEditor>([&] { Window->PanelID3Tags_ButtonReadTagsClick(nullptr); }, [&](TFormTagEditor& editor) {
    ParkPointer();
    TDynSkinStringGrid& grid = *editor.PanelGrid_GridTags;
    const TRect cell = grid.CellRect(3, 1);
    PostClick(&grid, {cell.Left + 20, cell.Top + 4}, mbRight);
    ParkPointer();  // off the first item: the keys alone choose
    TspSkinMenu& menu = *editor.DynSkinForm->SkinMenu();
    ASSERT_TRUE(menu.Active());
    PressKey(VK_DOWN);   // the conversion from file names,
    PressKey(VK_RIGHT);  // whose submenu opens
    ASSERT_TRUE(PumpUntil([&] { return menu.PopupWindows().size() == 2; }));
    TspSkinPopupWindow& first = *menu.PopupWindows()[0];
    TspSkinPopupWindow& second = *menu.PopupWindows()[1];
    using enum TLangText;
    Texts captions;
    for (TspSkinPopupWindow* level : {&first, &second})
      for (int i = 0; i < level->ItemCount(); ++i) captions.push_back(level->Items(i)->MenuItem->Caption());
    EXPECT_EQ(captions, (Texts{LangText(TagToFilenameMenu), LangText(FilenameToTagMenu), LangText(RemoveTagsMenu),
                               LangText(AddTagFromFilenameMenu), LangText(ReplaceTagByFilenameMenu)}));
    const HWND windows[] = {editor.Handle(), first.Handle(), second.Handle()};
    SaveWindowsScreenshot(windows, "tag-editor-popup-" + Language());
    EXPECT_EQ(CutCaptions(first), Texts{});
    EXPECT_EQ(CutCaptions(second), Texts{});
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !menu.Active(); }));
  });
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TagEditorPopup, ::testing::Values(lfDE, lfEN, lfES, lfNL),
                         [](const ::testing::TestParamInfo<TLangID>& language) {
                           return std::string(LanguageFiles[language.param].FileName).substr(0, 2);
                         });

}  // namespace
