// How menu levels look under Wine, pixel by pixel: the skinless look against the system's
// colours, the flat-colour skin's rectangles (still with the skin effects off, cross-fades
// and frames with them on), the fall-backs of the sparse skin and of entries that lack a
// picture, and a screenshot of the program's own skin, whose scene the flat-colour skin
// checks.
#include "MenuTestKit.h"

#include "Screenshot.h"
#include "TextDrawRecorder.h"

#include "skin/menus/MenuItemPainter.h"
#include "skin/data/ResourceStrData.h"

#include "classlib/ImageList.h"

#include "PngWriter.h"

#include <cmath>
#include <memory>
#include <tuple>

namespace {

using namespace menutest;

constexpr TColor ImageColour = RGBColor(200, 30, 40);

class MenuLooks : public TMenuTest {
protected:
  MenuLooks() {
    TBitmap picture(16, 16);
    picture.Canvas()->Brush()->SetColor(ImageColour);
    picture.Canvas()->FillRect({0, 0, 16, 16});
    images->Add(&picture, nullptr);
  }
  // Plain (0), checked (1), radio (2), separator (3), submenu (4), section header (5),
  // checked with an image (6).
  void AddLookItems() {
    TMenuItem* root = popupMenu->Items();
    for (const char* caption : {"Plain", "Checked", "Radio", "-", "Sub", "-Header-", "Image"}) Item(root, caption);
    root->Items(2)->SetRadioItem(true);
    for (int checked : {1, 2, 6}) root->Items(checked)->SetChecked(true);
    Item(root->Items(4), "Child");
    root->Items(5)->SetEnabled(false);
    root->Items(6)->SetImageIndex(0);
  }
  // The part (X, Y, W, H) of item Index, and the colour at (X, Y) in it.
  TRect Part(int Index, int X, int Y, int W = 1, int H = 1) const {
    const TRect& r = Level(0)->Items(Index)->ItemRect;
    return Bounds(X < 0 ? r.Right + X : r.Left + X, r.Top + Y, W, H);
  }
  TColor At(int Index, int X, int Y) const { return dc->Pixel(Part(Index, X, Y).Left, Part(Index, X, Y).Top); }
  // The one colour of rectangle R of active picture Index.
  TColor PictureColour(int Index, const TRect& R) const {
    return data->ActivePictures.at(static_cast<size_t>(Index)).Pixel((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  TspDataSkinMenuItem& Entry() const {
    return dynamic_cast<TspDataSkinMenuItem&>(*data->ObjectList.at(static_cast<size_t>(data->GetIndex("menuitem"))));
  }
  TColor EntryColour(TRect TspDataSkinMenuItem::*Rect) const { return PictureColour(Entry().ActivePictureIndex, Entry().*Rect); }
  TspDataSkinControl& Control(const char* Name) const {
    return *data->CtrlList.at(static_cast<size_t>(data->GetControlIndex(Name)));
  }

  TImageList* images = new TImageList(form.get());
};

TEST_F(MenuLooks, WithoutASkinLevelsDrawInTheSystemColours) {
  AddLookItems();
  Item(popupMenu->Items(), "Close")->SetName("DSF_CLOSE");
  ASSERT_TRUE(Open());
  Paint();
  const TColor text = SysColor(clWindowText), face = SysColor(clBtnFace), shadow = SysColor(clBtnShadow);
  EXPECT_EQ(std::pair(dc->Pixel(0, 0), dc->Pixel(1, 1)), std::pair(shadow, SysColor(clWindow)));
  EXPECT_EQ(std::pair(At(0, 0, 0), At(0, 40, 2)), std::pair(RGBColor(0, 0, 128), RGBColor(182, 189, 210)));  // hot
  EXPECT_EQ(std::pair(At(1, 1, 1), At(1, -3, 2)), std::pair(face, SysColor(clWindow)));
  EXPECT_TRUE(Shows(Part(1, 3, 5, 9, 10), text) && Shows(Part(2, 3, 6, 7, 8), text));  // check and radio
  EXPECT_FALSE(Shows(Part(0, 2, 2, 16, 16), text));
  EXPECT_EQ(std::pair(At(3, 10, 2), At(3, 30, 2)), std::pair(face, shadow));  // the separator's line
  EXPECT_TRUE(Shows(Part(4, -9, 6, 4, 8), text));   // the submenu arrow
  EXPECT_TRUE(Shows(Part(7, 2, 4, 12, 12), text));  // the system menu's close glyph
  Level(0)->Items(3)->Active = true;  // a hot separator stays a line
  Paint();
  EXPECT_EQ(At(3, 1, 1), face);

  popupMenu->SetImages(images);  // the list's images; a checked item's is framed
  ASSERT_TRUE(Open());
  Paint();
  EXPECT_EQ(Level(0)->ImageColumnWidth(), 21);
  EXPECT_EQ(std::pair(At(6, 8, 10), At(6, 3, 10)), std::pair(ImageColour, text));
}

TEST_F(MenuLooks, TheSparseSkinsItemsShowInTheSkinlessFrame) {
  LoadSkin("sparse");
  AddLookItems();
  ASSERT_TRUE(Open(nullptr, data));
  Paint();
  EXPECT_EQ(std::pair(menu->PopupSkin(), dc->Pixel(0, 0)),
            std::pair(static_cast<TspDataSkinPopupWindow*>(nullptr), SysColor(clBtnShadow)));
  const TColor normal = EntryColour(&TspDataSkinMenuItem::SkinRect);
  EXPECT_EQ(std::pair(At(0, 1, 1), At(1, 1, 1)), std::pair(EntryColour(&TspDataSkinMenuItem::ActiveSkinRect), normal));
  EXPECT_EQ(std::pair(At(3, 1, 1), Part(4, 0, 0).Top - Part(3, 0, 0).Top), std::pair(normal, 4));  // no divider
  EXPECT_TRUE(Shows(Part(1, 5, 3, 16, 16), EntryColour(&TspDataSkinMenuItem::CheckImageRect)));
  EXPECT_EQ(At(5, 2, 11), normal);  // no header entry: the item's background only
}

TEST_F(MenuLooks, TheSparseSkinsItemsFitTheirLevelInTheirOwnFontCharsetAndMargins) {
  LoadSkin("sparse", false);  // a menu item entry without a popup window entry
  Entry().FontHeight = 22;    // the entry's font wider than the engine's default one
  auto* strings = new TspResourceStrData(form.get());
  strings->SetCharSet(RUSSIAN_CHARSET);
  data->SetResourceStrData(strings);
  TMenuItem* root = popupMenu->Items();
  Item(root, "Open the folder")->SetShortCut(scCtrl | 'O');
  Item(root, "Rename the files")->SetShortCut(scCtrl | scShift | 'R');
  ASSERT_TRUE(Open(nullptr, data));
  ASSERT_EQ(menu->PopupSkin(), nullptr);
  TspSkinPopupWindow* level = Level(0);
  const TFont& measured = *level->Canvas()->Font();
  for (int i = 0; i < level->ItemCount(); ++i) {
    TspSkinMenuItem& item = *level->Items(i);
    TBitmap image(item.ItemRect.Width(), item.ItemRect.Height());
    TTextDrawRecorder texts;
    PaintMenuItem(image, item);
    const TFont& drawn = *image.Canvas()->Font();
    EXPECT_EQ(std::tuple(drawn.Name(), drawn.Height(), drawn.Charset()),
              std::tuple(measured.Name(), measured.Height(), measured.Charset()));
    ASSERT_EQ(texts.Drawn.size(), 2u);  // the caption and the shortcut, apart and within the item
    const TDrawnText &caption = texts.Drawn[0], &shortCut = texts.Drawn[1];
    EXPECT_LE(caption.Needed.Right, shortCut.Needed.Left) << caption.Text;
    EXPECT_LE(shortCut.Needed.Right, image.Width()) << caption.Text;
  }
}

TEST_F(MenuLooks, TheFlatColourSkinDrawsEachRectangleOfItsEntries) {
  LoadSkin("flatcolour", false);
  popupMenu->SetImages(images);
  AddLookItems();
  ASSERT_TRUE(Open(nullptr, data));
  Paint();
  EXPECT_EQ(dc->Pixel(0, 0), PictureColour(data->PopupWindow.WindowPictureIndex, {0, 0, 1, 1}));
  EXPECT_EQ(std::pair(At(0, 1, 1), At(1, -2, 1)),
            std::pair(EntryColour(&TspDataSkinMenuItem::ActiveSkinRect), EntryColour(&TspDataSkinMenuItem::SkinRect)));
  EXPECT_EQ(At(3, 1, 1), EntryColour(&TspDataSkinMenuItem::DividerRect));
  EXPECT_TRUE(Shows(Part(1, 5, 3, 16, 16), EntryColour(&TspDataSkinMenuItem::CheckImageRect)));
  EXPECT_TRUE(Shows(Part(2, 5, 3, 16, 16), EntryColour(&TspDataSkinMenuItem::RadioImageRect)));
  EXPECT_TRUE(Shows(Part(4, -21, 0, 13, 22), EntryColour(&TspDataSkinMenuItem::ArrowImageRect)));
  EXPECT_EQ(std::pair(At(6, 13, 11), At(6, 4, 11)), std::pair(ImageColour, Entry().FontColor));  // framed image
  // The section header: the "menuheader" entry, else "label", else the item's background.
  for (const char* name : {"menuheader", "label"}) {
    EXPECT_EQ(At(5, 2, 11), PictureColour(Control(name).PictureIndex, Control(name).SkinRect)) << name;
    Control(name).IDName = "gone";
    Paint();
  }
  EXPECT_EQ(At(5, 2, 11), EntryColour(&TspDataSkinMenuItem::SkinRect));

  menu->MaxMenuItemsInWindow = 3;  // scrolling: the markers on the items' background
  ASSERT_TRUE(Open(nullptr, data));
  Paint();
  const TRect& items = Level(0)->ItemsRect();
  EXPECT_EQ(dc->Pixel(items.Left + 1, items.Top + 1), EntryColour(&TspDataSkinMenuItem::SkinRect));
  EXPECT_TRUE(Shows({items.Left, items.Top, items.Right, items.Top + 10}, data->PopupWindow.ScrollMarkerColor));
}

TEST_F(MenuLooks, EntriesWithoutTheirPictureFallBackPartByPart) {
  for (const char* caption : {"One", "Two"}) Item(popupMenu->Items(), caption);
  ASSERT_TRUE(Open());
  const TSize skinless{Level(0)->Width(), Level(0)->Height()};
  LoadSkin("flatcolour", false);  // a popup window entry without its picture: no popup skin
  data->PopupWindow.WindowPictureIndex = static_cast<int32_t>(data->ActivePictures.size());
  ASSERT_TRUE(Open(nullptr, data));
  Paint();
  EXPECT_EQ(std::pair(dc->Pixel(0, 0), At(1, 1, 1)), std::pair(SysColor(clBtnShadow), EntryColour(&TspDataSkinMenuItem::SkinRect)));

  LoadSkin("flatcolour", false);  // no menu item entry: skinless items, measured as such
  Entry().IDName = "no menu item";
  ASSERT_TRUE(Open(nullptr, data));
  Paint();
  EXPECT_EQ(At(1, 1, 1), SysColor(clBtnFace));
  EXPECT_EQ(Level(0)->BoundsRect().Width(), skinless.cx);
  EXPECT_EQ(Level(0)->Height(), skinless.cy - 6 + 4 + 4);

  LoadSkin("flatcolour", false);  // a menu item entry without its picture loses its rectangles
  Entry().ActivePictureIndex = -1;
  ASSERT_TRUE(Open(nullptr, data));
  EXPECT_TRUE(IsRectEmpty(Entry().SkinRect) && IsRectEmpty(Entry().ActiveSkinRect));
  EXPECT_EQ(Part(1, 0, 0).Top - Part(0, 0, 0).Top, 20);
}

TEST_F(MenuLooks, AHotItemCrossFadesThenPlaysItsFramesAndFadesBackWhenLeft) {
  LoadSkin("flatcolour");
  for (const char* caption : {"One", "Two"}) Item(popupMenu->Items(), caption);
  ASSERT_TRUE(Open(nullptr, data));
  TTimer* timer = Level(0)->AnimationTimer();
  const TColor normal = EntryColour(&TspDataSkinMenuItem::SkinRect), hot = EntryColour(&TspDataSkinMenuItem::ActiveSkinRect);
  EXPECT_EQ(std::pair(timer->Enabled(), timer->Interval()), std::pair(true, 20u));
  const auto after = [&](int Ticks) {
    for (int i = 0; i < Ticks; ++i) Tick(timer);
    Paint();
    return At(0, 1, 1);
  };
  EXPECT_EQ(after(0), normal);
  const TColor fifth = after(1);  // a fifth of the way to the hot look
  for (int shift : {0, 8, 16}) {
    const double from = (normal >> shift) & 0xFF, to = (hot >> shift) & 0xFF;
    EXPECT_NEAR((fifth >> shift) & 0xFF, 0.8 * from + 0.2 * to, 1) << shift;
  }
  EXPECT_EQ(after(4), hot);
  const TRect strip = Entry().AnimateSkinRect;  // three frames of 60 x 22
  for (int frame = 0; frame < 3; ++frame)
    EXPECT_EQ(after(1), PictureColour(Entry().ActivePictureIndex, Bounds(strip.Left + 60 * frame, strip.Top, 60, 22)));
  EXPECT_EQ(after(1), hot);  // at rest on the hot look
  Tick(timer);
  EXPECT_FALSE(timer->Enabled());
  Level(0)->ProcessKey(VK_DOWN);
  EXPECT_EQ(after(5), normal);
  EXPECT_EQ(At(1, 1, 1), hot);
}

// A menu as the program has them, its submenu open: an image (0), a plain item (1),
// separators (2, 6), a checked item (3), a checked radio item (4) and one not (5), a
// disabled item (7), the hot item with the open submenu (8) and one more (9).
class MenuShowcase : public MenuLooks {
protected:
  void OpenShowcase(const std::string& Skin, bool Effects) {
    LoadSkin(Skin, Effects);
    popupMenu->SetImages(images);
    TMenuItem* root = popupMenu->Items();
    const auto add = [&](const char* Caption, TShortCut Key = scNone) {
      Item(root, Caption)->SetShortCut(Key);
      return root->Items(root->Count() - 1);
    };
    add("&Open folder...", ShortCut('O', {ssCtrl}))->SetImageIndex(0);
    add("&Save tags", ShortCut('S', {ssCtrl}));
    add("-");
    add("&Word wrap")->SetChecked(true);
    add("By &artist")->SetRadioItem(true);
    add("By &title")->SetRadioItem(true);
    root->Items(4)->SetChecked(true);
    add("-");
    add("&Undo rename")->SetEnabled(false);
    TMenuItem* recent = add("&Recent folders");
    for (const char* caption : {"Music", "Podcasts", "Audio books"}) Item(recent, caption);
    add("E&xit", ShortCut(VK_F4, {ssAlt}));
    ASSERT_TRUE(Open(nullptr, data));
    Hover(Level(0), 8);
    Tick(menu->SubmenuTimer());
    ASSERT_EQ(Levels(), 2u);
  }
};

TEST_F(MenuShowcase, EachItemShowsItsLookAndTheSubmenuOpensBesideItsItem) {
  OpenShowcase("flatcolour", false);
  Paint(0);
  const TColor normal = EntryColour(&TspDataSkinMenuItem::SkinRect);
  const TColor hot = EntryColour(&TspDataSkinMenuItem::ActiveSkinRect);
  EXPECT_EQ(At(8, 1, 1), hot);  // hot while its submenu shows
  for (int index : {1, 7, 9}) EXPECT_EQ(At(index, 1, 1), normal) << index;
  for (int index : {2, 6}) EXPECT_EQ(At(index, 1, 1), EntryColour(&TspDataSkinMenuItem::DividerRect)) << index;
  EXPECT_TRUE(Shows(Part(0, 0, 0, 24, 20), ImageColour));
  EXPECT_TRUE(Shows(Part(3, 5, 3, 16, 16), EntryColour(&TspDataSkinMenuItem::CheckImageRect)));
  const TColor radio = EntryColour(&TspDataSkinMenuItem::RadioImageRect);
  EXPECT_TRUE(Shows(Part(4, 5, 3, 16, 16), radio));
  EXPECT_FALSE(Shows(Part(5, 5, 3, 16, 16), radio));
  EXPECT_TRUE(Shows(Part(8, -21, 0, 13, 22), EntryColour(&TspDataSkinMenuItem::ActiveArrowImageRect)));
  const TColor arrow = EntryColour(&TspDataSkinMenuItem::ArrowImageRect);
  for (int index : {8, 9}) EXPECT_FALSE(Shows(Part(index, -21, 0, 13, 22), arrow)) << index;
  // The submenu starts right of the item at its height, its first item hot, the rest not.
  const TRect item = OffsetRect(Level(0)->Items(8)->ItemRect, Level(0)->Left(), Level(0)->Top());
  EXPECT_GE(Level(1)->Left(), item.Right - 10);
  EXPECT_LE(std::abs(Level(1)->Top() - item.Top), 10);
  EXPECT_EQ(Level(1)->ItemCount(), 3);
  Paint(1);
  for (int index : {0, 1, 2}) {
    const TRect& r = Level(1)->Items(index)->ItemRect;
    EXPECT_EQ(dc->Pixel(r.Left + 1, r.Top + 1), index == 0 ? hot : normal) << index;
  }
}

TEST_F(MenuShowcase, SlateScreenshot) {
  OpenShowcase("slate", true);
  // Both levels at rest, in their shapes, on a plain ground.
  const TRect all = InflateRect({Level(0)->Left(), Level(0)->Top(), Level(1)->BoundsRect().Right,
                                 std::max(Level(0)->BoundsRect().Bottom, Level(1)->BoundsRect().Bottom)}, 12, 12);
  TPixelImage picture(all.Width(), all.Height());
  for (int i = 0; i < all.Width() * all.Height(); ++i) picture.SetPixel(i % all.Width(), i / all.Width(), RGBColor(226, 230, 236));
  for (TspSkinPopupWindow* level : menu->PopupWindows()) {
    for (int ticks = 0; level->AnimationTimer()->Enabled() && ticks < 50; ++ticks) Tick(level->AnimationTimer());
    const TPixelImage shot = CaptureWindow(level->Handle());
    const TGdiObject<HRGN> shape(CreateRectRgn(0, 0, 0, 0));
    const bool shaped = GetWindowRgn(level->Handle(), shape.get()) != ERROR;
    for (int i = 0; i < shot.Width() * shot.Height(); ++i)
      if (const int x = i % shot.Width(), y = i / shot.Width(); !shaped || PtInRegion(shape.get(), x, y))
        picture.SetPixel(level->Left() - all.Left + x, level->Top() - all.Top + y, shot.Pixel(x, y));
  }
  if (!DirectoryExists(ExcludeTrailingBackslash(ScreenshotFolder()))) CreateDir(ExcludeTrailingBackslash(ScreenshotFolder()));
  WritePngFile(picture, ScreenshotFolder() + "menu-slate.png");
}

}  // namespace
