// How menu levels look under Wine, pixel by pixel: the skinless look against the system's
// colours, the flat-colour skin's rectangles (still with the skin effects off, cross-fades
// and frames with them on), the sparse skin's fall-backs, and a screenshot of the
// program's own skin.
#include "MenuTestKit.h"

#include "Screenshot.h"

#include "classlib/ImageList.h"

#include "PngWriter.h"

#include <cmath>
#include <memory>

namespace {

using namespace menutest;

constexpr TColor ImageColour = RGBColor(200, 30, 40);

class MenuLooks : public TMenuTest {
protected:
  MenuLooks() {
    images->SetSize(16, 16);
    TBitmap picture(16, 16);
    picture.Canvas()->Brush()->SetColor(ImageColour);
    picture.Canvas()->FillRect({0, 0, 16, 16});
    images->Add(&picture, nullptr);
  }

  // Plain, checked, radio, separator, submenu, section header, image.
  void AddLookItems() {
    TMenuItem* root = popupMenu->Items();
    Item(root, "Plain");
    Item(root, "Checked")->SetChecked(true);
    TMenuItem* radio = Item(root, "Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    Item(root, "-");
    Item(Item(root, "Sub"), "Child");
    Item(root, "-Header-", false);
    TMenuItem* image = Item(root, "Image");
    image->SetImageIndex(0);
    image->SetChecked(true);
  }

  // Level Index painted now, into a DC of its own.
  std::unique_ptr<TPixelDC> Paint(size_t Index = 0) const {
    TspSkinPopupWindow* level = Level(Index);
    auto dc = std::make_unique<TPixelDC>(level->Width(), level->Height());
    SendMessageA(level->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
    return dc;
  }
  // Item Index's rectangle moved by (DX, DY), or its part (X, Y, X + W, Y + H).
  TRect ItemPart(int Index, int X, int Y, int W, int H) const {
    const TRect& r = Level(0)->Items(Index)->ItemRect;
    return Bounds(r.Left + X, r.Top + Y, W, H);
  }
  TColor ItemPixel(const TPixelDC& DC, int Index, int X, int Y) const {
    const TRect r = ItemPart(Index, X, Y, 1, 1);
    return DC.Pixel(r.Left, r.Top);
  }
  static bool Shows(const TPixelDC& DC, const TRect& R, TColor Colour) {
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (DC.Pixel(x, y) == Colour) return true;
    return false;
  }
  // The one colour of rectangle R of active picture Index.
  TColor PictureColour(int Index, const TRect& R) const {
    return data->ActivePictures.at(static_cast<size_t>(Index)).Pixel((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  TspDataSkinMenuItem& ItemEntry() const {
    return dynamic_cast<TspDataSkinMenuItem&>(*data->ObjectList.at(static_cast<size_t>(data->GetIndex("menuitem"))));
  }
  TColor ItemColour(TRect TspDataSkinMenuItem::*Rect) const {
    return PictureColour(ItemEntry().ActivePictureIndex, ItemEntry().*Rect);
  }

  TImageList* images = new TImageList(form.get());
};

TEST_F(MenuLooks, WithoutASkinLevelsDrawInTheSystemColours) {
  AddLookItems();
  Item(popupMenu->Items(), "Close")->SetName("DSF_CLOSE");
  ASSERT_TRUE(Open());
  std::unique_ptr<TPixelDC> dc = Paint();
  const TColor text = SysColor(clWindowText), face = SysColor(clBtnFace), window = SysColor(clWindow);
  const TColor shadow = SysColor(clBtnShadow);
  EXPECT_EQ(std::pair(dc->Pixel(0, 0), dc->Pixel(1, 1)), std::pair(shadow, window));
  EXPECT_EQ(std::pair(ItemPixel(*dc, 0, 0, 0), ItemPixel(*dc, 0, 40, 2)),
            std::pair(RGBColor(0, 0, 128), RGBColor(182, 189, 210)));  // the hot item
  EXPECT_EQ(std::pair(ItemPixel(*dc, 1, 1, 1), ItemPixel(*dc, 1, 60, 2)), std::pair(face, window));
  EXPECT_TRUE(Shows(*dc, ItemPart(1, 3, 5, 9, 10), text));      // the check mark
  EXPECT_TRUE(Shows(*dc, ItemPart(2, 3, 6, 7, 8), text));       // the radio mark
  EXPECT_EQ(std::pair(ItemPixel(*dc, 3, 10, 2), ItemPixel(*dc, 3, 30, 2)), std::pair(face, shadow));
  const int width = Level(0)->Items(4)->ItemRect.Right - Level(0)->Items(4)->ItemRect.Left;
  EXPECT_TRUE(Shows(*dc, ItemPart(4, width - 9, 6, 4, 8), text));  // the submenu arrow
  EXPECT_TRUE(Shows(*dc, ItemPart(7, 2, 4, 12, 12), text));       // the system menu's close glyph
  EXPECT_FALSE(Shows(*dc, ItemPart(0, 2, 2, 16, 16), text));       // no mark on a plain item

  // A skinless hot separator stays a line.
  Level(0)->Items(3)->Active = true;
  EXPECT_EQ(ItemPixel(*Paint(), 3, 1, 1), face);

  // With an image list, its images; a checked item's image is framed.
  popupMenu->SetImages(images);
  ASSERT_TRUE(Open());
  EXPECT_EQ(Level(0)->ImageColumnWidth(), 21);
  dc = Paint();
  const int middle = (Level(0)->Items(6)->ItemRect.Bottom - Level(0)->Items(6)->ItemRect.Top) / 2;
  EXPECT_EQ(std::pair(ItemPixel(*dc, 6, 8, middle), ItemPixel(*dc, 6, 3, middle)), std::pair(ImageColour, text));
}

TEST_F(MenuLooks, TheSparseSkinsItemsShowInTheSkinlessFrame) {
  LoadSkin("sparse");
  AddLookItems();
  ASSERT_TRUE(Open(nullptr, data));
  EXPECT_EQ(menu->PopupSkin(), nullptr);
  std::unique_ptr<TPixelDC> dc = Paint();
  EXPECT_EQ(dc->Pixel(0, 0), SysColor(clBtnShadow));
  const TColor normal = ItemColour(&TspDataSkinMenuItem::SkinRect);
  EXPECT_EQ(ItemPixel(*dc, 0, 1, 1), ItemColour(&TspDataSkinMenuItem::ActiveSkinRect));
  EXPECT_EQ(ItemPixel(*dc, 1, 1, 1), normal);
  EXPECT_EQ(ItemPixel(*dc, 3, 1, 1), normal);  // no divider: the item's background
  EXPECT_EQ(Level(0)->Items(3)->ItemRect.Bottom - Level(0)->Items(3)->ItemRect.Top, 4);
  EXPECT_TRUE(Shows(*dc, ItemPart(1, 5, 3, 16, 16), ItemColour(&TspDataSkinMenuItem::CheckImageRect)));
  EXPECT_EQ(ItemPixel(*dc, 5, 2, 11), normal);  // no header entry: the background only
}

TEST_F(MenuLooks, TheFlatColourSkinDrawsEachRectangleOfItsEntries) {
  LoadSkin("flatcolour");
  data->SetEnableSkinEffects(false);
  popupMenu->SetImages(images);
  AddLookItems();
  ASSERT_TRUE(Open(nullptr, data));
  std::unique_ptr<TPixelDC> dc = Paint();
  EXPECT_EQ(dc->Pixel(0, 0), PictureColour(data->PopupWindow.WindowPictureIndex, {0, 0, 1, 1}));
  const int width = Level(0)->Items(1)->ItemRect.Right - Level(0)->Items(1)->ItemRect.Left;
  EXPECT_EQ(ItemPixel(*dc, 0, 1, 1), ItemColour(&TspDataSkinMenuItem::ActiveSkinRect));
  EXPECT_EQ(ItemPixel(*dc, 1, width - 2, 1), ItemColour(&TspDataSkinMenuItem::SkinRect));
  EXPECT_EQ(ItemPixel(*dc, 3, 1, 1), ItemColour(&TspDataSkinMenuItem::DividerRect));
  EXPECT_TRUE(Shows(*dc, ItemPart(1, 5, 3, 16, 16), ItemColour(&TspDataSkinMenuItem::CheckImageRect)));
  EXPECT_TRUE(Shows(*dc, ItemPart(2, 5, 3, 16, 16), ItemColour(&TspDataSkinMenuItem::RadioImageRect)));
  EXPECT_TRUE(Shows(*dc, ItemPart(4, width - 21, 0, 13, 22), ItemColour(&TspDataSkinMenuItem::ArrowImageRect)));
  EXPECT_EQ(std::pair(ItemPixel(*dc, 6, 13, 11), ItemPixel(*dc, 6, 4, 11)),
            std::pair(ImageColour, ItemEntry().FontColor));  // a checked item's image, framed

  // The section header: the "menuheader" entry, else "label", else the item's background.
  const auto headerColour = [this](const char* Name) {
    const auto& entry = *data->CtrlList.at(static_cast<size_t>(data->GetControlIndex(Name)));
    return PictureColour(entry.PictureIndex, entry.SkinRect);
  };
  const TColor menuHeader = headerColour("menuheader"), label = headerColour("label");
  EXPECT_EQ(ItemPixel(*dc, 5, 2, 11), menuHeader);
  data->CtrlList.at(static_cast<size_t>(data->GetControlIndex("menuheader")))->IDName = "gone";
  EXPECT_EQ(ItemPixel(*Paint(), 5, 2, 11), label);
  data->CtrlList.at(static_cast<size_t>(data->GetControlIndex("label")))->IDName = "gone too";
  EXPECT_EQ(ItemPixel(*Paint(), 5, 2, 11), ItemColour(&TspDataSkinMenuItem::SkinRect));
}

TEST_F(MenuLooks, ALevelScrollingInTheSkinDrawsItsMarkersOnTheItemBackground) {
  LoadSkin("flatcolour");
  data->SetEnableSkinEffects(false);
  menu->MaxMenuItemsInWindow = 3;
  for (int i = 0; i < 6; ++i) Item(popupMenu->Items(), "Item");
  ASSERT_TRUE(Open(nullptr, data));
  std::unique_ptr<TPixelDC> dc = Paint();
  const TRect up = Level(0)->ItemsRect();
  const TRect marker{up.Left, up.Top, up.Right, up.Top + 10};
  EXPECT_EQ(dc->Pixel(marker.Left + 1, marker.Top + 1), ItemColour(&TspDataSkinMenuItem::SkinRect));
  EXPECT_TRUE(Shows(*dc, marker, data->PopupWindow.ScrollMarkerColor));
}

TEST_F(MenuLooks, SkinsWithoutAPictureForAnEntryFallBackPartByPart) {
  for (const char* caption : {"One", "Two"}) Item(popupMenu->Items(), caption);
  ASSERT_TRUE(Open());
  const TSize skinless{Level(0)->Width(), Level(0)->Height()};

  // A popup window entry without its picture: the skinless frame, the skin's items.
  LoadSkin("flatcolour");
  data->SetEnableSkinEffects(false);
  data->PopupWindow.WindowPictureIndex = static_cast<int32_t>(data->ActivePictures.size());
  ASSERT_TRUE(Open(nullptr, data));
  std::unique_ptr<TPixelDC> dc = Paint();
  EXPECT_EQ(dc->Pixel(0, 0), SysColor(clBtnShadow));
  EXPECT_EQ(ItemPixel(*dc, 1, 1, 1), ItemColour(&TspDataSkinMenuItem::SkinRect));

  // A popup window without a menu item entry: skinless items, measured as such.
  LoadSkin("flatcolour");
  data->SetEnableSkinEffects(false);
  ItemEntry().IDName = "not a menu item";
  ASSERT_TRUE(Open(nullptr, data));
  EXPECT_EQ(ItemPixel(*Paint(), 1, 1, 1), SysColor(clBtnFace));
  EXPECT_EQ(Level(0)->Width(), skinless.cx);  // the same room beside the text
  EXPECT_EQ(Level(0)->Height(), skinless.cy - 6 + 4 + 4);

  // A menu item entry without its picture loses its rectangles for every later item.
  LoadSkin("flatcolour");
  data->SetEnableSkinEffects(false);
  ItemEntry().ActivePictureIndex = -1;
  ASSERT_TRUE(Open(nullptr, data));
  EXPECT_TRUE(IsRectEmpty(ItemEntry().SkinRect) && IsRectEmpty(ItemEntry().ActiveSkinRect));
  EXPECT_EQ(Level(0)->Items(1)->ItemRect.Bottom - Level(0)->Items(1)->ItemRect.Top, 20);
}

// Each channel of A and B mixed by Kf (0: A, 1: B).
TColor Mix(TColor A, TColor B, double Kf) {
  const auto channel = [&](int shift) {
    const double a = (A >> shift) & 0xFF, b = (B >> shift) & 0xFF;
    return static_cast<TColor>(std::nearbyint((1 - Kf) * a + Kf * b)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}
bool Near(TColor A, TColor B) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((A >> shift) & 0xFF) - static_cast<int>((B >> shift) & 0xFF)) > 1) return false;
  return true;
}

TEST_F(MenuLooks, AHotItemCrossFadesThenPlaysItsFramesAndFadesBackWhenLeft) {
  LoadSkin("flatcolour");
  for (const char* caption : {"One", "Two"}) Item(popupMenu->Items(), caption);
  ASSERT_TRUE(Open(nullptr, data));
  TspSkinPopupWindow* level = Level(0);
  TTimer* timer = level->AnimationTimer();
  const TColor normal = ItemColour(&TspDataSkinMenuItem::SkinRect);
  const TColor hot = ItemColour(&TspDataSkinMenuItem::ActiveSkinRect);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 20u);
  EXPECT_EQ(ItemPixel(*Paint(), 0, 1, 1), normal);
  Tick(timer);
  EXPECT_TRUE(Near(ItemPixel(*Paint(), 0, 1, 1), Mix(normal, hot, 0.2)));
  for (int i = 0; i < 4; ++i) Tick(timer);
  EXPECT_EQ(ItemPixel(*Paint(), 0, 1, 1), hot);
  for (int frame = 1; frame <= 3; ++frame) {
    Tick(timer);
    const TRect strip = ItemEntry().AnimateSkinRect;
    const TRect cell = Bounds(strip.Left + (frame - 1) * 60, strip.Top, 60, 22);
    EXPECT_EQ(ItemPixel(*Paint(), 0, 1, 1), PictureColour(ItemEntry().ActivePictureIndex, cell)) << frame;
  }
  Tick(timer);  // back at rest on the hot look
  EXPECT_EQ(ItemPixel(*Paint(), 0, 1, 1), hot);
  Tick(timer);
  EXPECT_FALSE(timer->Enabled());

  level->ProcessKey(VK_DOWN);
  EXPECT_TRUE(timer->Enabled());
  for (int i = 0; i < 5; ++i) Tick(timer);
  std::unique_ptr<TPixelDC> dc = Paint();
  EXPECT_EQ(std::pair(ItemPixel(*dc, 0, 1, 1), ItemPixel(*dc, 1, 1, 1)), std::pair(normal, hot));
}

// The levels as they show, in their shapes, on a plain ground.
TPixelImage LevelsPicture(const std::vector<TspSkinPopupWindow*>& Levels) {
  TRect all{Levels.front()->Left(), Levels.front()->Top(), Levels.front()->Left(), Levels.front()->Top()};
  for (TspSkinPopupWindow* level : Levels) {
    const TRect r = level->BoundsRect();
    all = {std::min(all.Left, r.Left), std::min(all.Top, r.Top), std::max(all.Right, r.Right),
           std::max(all.Bottom, r.Bottom)};
  }
  all = InflateRect(all, 12, 12);
  TPixelImage picture(all.Width(), all.Height());
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, RGBColor(226, 230, 236));
  for (TspSkinPopupWindow* level : Levels) {
    const TPixelImage shot = CaptureWindow(level->Handle());
    const TGdiObject<HRGN> shape(CreateRectRgn(0, 0, 0, 0));
    const bool shaped = GetWindowRgn(level->Handle(), shape.get()) != ERROR;
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x)
        if (!shaped || PtInRegion(shape.get(), x, y))
          picture.SetPixel(level->Left() - all.Left + x, level->Top() - all.Top + y, shot.Pixel(x, y));
  }
  return picture;
}

TEST_F(MenuLooks, SlateScreenshot) {
  LoadSkin("slate");
  TBitmap icon(16, 16);
  icon.Canvas()->Brush()->SetColor(RGBColor(70, 110, 170));
  icon.Canvas()->FillRect({0, 0, 16, 16});
  icon.Canvas()->Brush()->SetColor(RGBColor(250, 250, 250));
  icon.Canvas()->FillRect({3, 4, 13, 12});
  images->Clear();
  images->Add(&icon, nullptr);
  popupMenu->SetImages(images);
  TMenuItem* root = popupMenu->Items();
  TMenuItem* open = Item(root, "&Open folder...");
  open->SetImageIndex(0);
  open->SetShortCut(ShortCut('O', {ssCtrl}));
  Item(root, "&Save tags")->SetShortCut(ShortCut('S', {ssCtrl}));
  Item(root, "-");
  Item(root, "&Word wrap")->SetChecked(true);
  for (const char* caption : {"By &artist", "By &title"}) {
    TMenuItem* radio = Item(root, caption);
    radio->SetRadioItem(true);
    radio->SetGroupIndex(1);
  }
  root->Items(4)->SetChecked(true);
  Item(root, "-");
  Item(root, "&Undo rename", false);
  TMenuItem* recent = Item(root, "&Recent folders");
  for (const char* caption : {"Music", "Podcasts", "Audio books"}) Item(recent, caption);
  Item(root, "E&xit")->SetShortCut(ShortCut(VK_F4, {ssAlt}));
  ASSERT_TRUE(Open(nullptr, data));
  Hover(Level(0), 8);
  Tick(menu->SubmenuTimer());
  ASSERT_EQ(Levels(), 2u);
  for (size_t i = 0; i < Levels(); ++i)
    for (int ticks = 0; Level(i)->AnimationTimer()->Enabled() && ticks < 50; ++ticks) Tick(Level(i)->AnimationTimer());
  const TPixelImage picture = LevelsPicture(menu->PopupWindows());
  ASSERT_FALSE(picture.Empty());
  const std::string folder = ExcludeTrailingBackslash(ScreenshotFolder());
  if (!DirectoryExists(folder)) CreateDir(folder);
  WritePngFile(picture, ScreenshotFolder() + "menu-slate.png");
}

}  // namespace
