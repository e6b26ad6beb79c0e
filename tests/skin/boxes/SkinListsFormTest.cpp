// A form of list boxes and combo boxes read from its text with the program's skin: a
// list box with its caption band and 30 items, a plain one, and a combo box of each
// style. Saved as build/screenshots/boxes-lists.png, and with the first combo box's list
// dropped down as boxes-combo-dropped.png.
#include "BoxesFormKit.h"

#include "skin/boxes/CustomEdit.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinListBox.h"
#include "skin/controls/SkinScrollBar.h"


#include "PngWriter.h"
#include "Screenshot.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Lines(int Count, const std::string& Prefix) {
  std::string text;
  for (int i = 1; i <= Count; ++i) text += " '" + Prefix + " " + std::to_string(i) + "'";
  return text;
}

std::string FormText() {
  return "object ListsForm: TSkinnedForm\n  Left = 30\n  Top = 30\n  Width = 520\n  Height = 330\n"
         "  BorderStyle = bsNone\n  Color = clBtnFace\n"
         "  object SkinData: TspSkinData\n  end\n"
         "  object Tracks: TspSkinListBox\n    Left = 10\n    Top = 10\n    Width = 200\n    Height = 220\n"
         "    Caption = 'Tracks'\n    CaptionMode = True\n    SkinDataName = 'captionlistbox'\n"
         "    Items.Strings = (" + Lines(30, "Track") + ")\n    ItemIndex = 2\n    SkinData = SkinData\n  end\n"
         "  object Genres: TspSkinListBox\n    Left = 220\n    Top = 10\n    Width = 130\n    Height = 120\n"
         "    Items.Strings = ('Blues' 'Classical' 'Folk' 'Jazz')\n    ItemIndex = 1\n    SkinData = SkinData\n  end\n"
         "  object Fixed: TspSkinComboBox\n    Left = 360\n    Top = 10\n    Width = 150\n"
         "    Items.Strings = (" + Lines(12, "Format") + ")\n    ItemIndex = 0\n    SkinData = SkinData\n  end\n"
         "  object Editable: TspSkinComboBox\n    Left = 360\n    Top = 50\n    Width = 150\n    Style = spcbEditStyle\n"
         "    Items.Strings = ('Madrid' 'Paris')\n    Text = 'Madrid'\n    SkinData = SkinData\n  end\n"
         "  object Tool: TspSkinComboBox\n    Left = 360\n    Top = 90\n    Width = 150\n    Height = 24\n"
         "    ToolButtonStyle = True\n    Items.Strings = ('Artist' 'Title')\n    ItemIndex = 1\n"
         "    SkinData = SkinData\n  end\n"
         "end\n";
}

// Windows as they show on the screen, the later ones over the first, in the first one's
// area.
void SaveComposedScreenshot(std::initializer_list<HWND> Windows, const std::string& Name) {
  TPixelImage picture;
  RECT area{};
  for (HWND window : Windows) {
    const TPixelImage part = CaptureWindow(window);
    ASSERT_FALSE(part.Empty()) << Name;
    RECT r{};
    GetWindowRect(window, &r);
    if (picture.Empty()) {
      picture = part;
      area = r;
      continue;
    }
    for (int32_t y = 0; y < part.Height(); ++y)
      for (int32_t x = 0; x < part.Width(); ++x) {
        const int32_t px = r.left - area.left + x, py = r.top - area.top + y;
        if (px >= 0 && py >= 0 && px < picture.Width() && py < picture.Height())
          picture.SetPixel(px, py, part.Pixel(x, y));
      }
  }
  WritePngFile(picture, ScreenshotFolder() + Name + ".png");
}

TEST(SkinListsForm, AFormOfListsAndComboBoxesReadsAndTakesTheProgramsSkin) {
  const TOwned<TSkinnedForm> form = ReadBoxesForm(FormText(), "The lists form", "slate");
  form->Show();
  PumpFor(50);

  auto* tracks = Found<TspSkinListBox>(form.get(), "Tracks");
  auto* genres = Found<TspSkinListBox>(form.get(), "Genres");
  auto* fixed = Found<TspSkinComboBox>(form.get(), "Fixed");
  auto* editable = Found<TspSkinComboBox>(form.get(), "Editable");
  auto* tool = Found<TspSkinComboBox>(form.get(), "Tool");
  ASSERT_TRUE(tracks && genres && fixed && editable && tool);
  EXPECT_EQ(tracks->ItemIndex(), 2);
  ASSERT_NE(tracks->VScrollBar(), nullptr);
  EXPECT_NE(tracks->VScrollBar()->SkinIndex(), -1);
  EXPECT_EQ(genres->VScrollBar(), nullptr);
  EXPECT_EQ(fixed->Text(), "Format 1");
  EXPECT_EQ(fixed->Height(), 21);  // the entry's height
  ASSERT_NE(editable->EditPart(), nullptr);
  EXPECT_EQ(editable->EditPart()->Text(), "Madrid");
  EXPECT_EQ(tool->Height(), 24);
  SaveWindowScreenshot(form->Handle(), "boxes-lists");

  fixed->DropDown();
  PumpFor(50);
  ASSERT_TRUE(fixed->DroppedDown());
  EXPECT_NE(fixed->ListBox()->SkinIndex(), -1);  // the entry's "listbox"
  SaveComposedScreenshot({form->Handle(), fixed->ListBox()->Handle()}, "boxes-combo-dropped");
  fixed->CloseUp(false);
}

}  // namespace
