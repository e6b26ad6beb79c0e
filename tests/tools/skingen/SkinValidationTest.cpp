// The skins the build paints, loaded from their containers as the program loads its
// stored skin: each carries the entries the windows look up, with the class their
// keyword names, and is sound: every rectangle inside its picture, corner points inside
// their rectangle, no empty strip to tile, picture indexes in range, all ten skin colours
// given, and state pictures drawn in each other's place of one size.
#include "FlatTestSkin.h"
#include "SkinCatalog.h"
#include "SkinEntryList.h"
#include "SparseTestSkin.h"

#include "RuntimePath.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinDataFactory.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/SkinViewData.h"

#include "base/IniFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <typeinfo>

namespace {

std::string SkinFolder() { return RuntimePath(VQ_SKIN_FOLDER); }  // relative to the test's working folder

// One skin, loaded from its container, with the INI text it carries.
struct TLoadedSkin {
  explicit TLoadedSkin(const std::string& Name) {
    Stored.LoadFromCompressedFile(SkinFolder() + Name + ".skn");
    Data.LoadCompressedStoredSkin(&Stored);
    TMemoryStream payload;
    Stored.DeCompressToStream(payload);
    payload.SetPosition(0);
    TspSkinPayload parts;
    ReadSkinPayload(payload, parts);
    Ini.SetStrings(parts.IniText);
  }

  TspCompressedStoredSkin Stored{nullptr};
  TspSkinData Data{nullptr};
  TMemIniFile Ini;
};

bool IsMissingFrom(const std::string& Skin, const char* IDName) {
  if (Skin != "sparse") return false;
  const auto missing = SparseMissingEntries();
  return std::any_of(missing.begin(), missing.end(),
                     [&](const char* m) { return std::string(m) == IDName; });
}

// Picture number Picture, or nothing for a picture the skin lacks.
const TPixelImage* PictureOf(const TspSkinData& Skin, int Picture) {
  if (Picture == MainPicture) return &Skin.Picture;
  if (Picture == RollUpPicture) return Skin.RollUpPicture.Empty() ? nullptr : &Skin.RollUpPicture;
  if (Picture < 0 || Picture >= static_cast<int>(Skin.ActivePictures.size())) return nullptr;
  return &Skin.ActivePictures[static_cast<size_t>(Picture)];
}

std::optional<TRect> PictureBounds(const TspSkinData& Skin, int Picture) {
  const TPixelImage* image = PictureOf(Skin, Picture);
  if (!image) return std::nullopt;
  return TRect{0, 0, image->Width(), image->Height()};
}

template <class T>
const T& ControlOf(const TspSkinData& Skin, const char* IDName) {
  return dynamic_cast<const T&>(
      *Skin.CtrlList.at(static_cast<size_t>(Skin.GetControlIndex(IDName))));
}

template <class T>
const T& ObjectOf(const TspSkinData& Skin, const char* IDName) {
  return dynamic_cast<const T&>(*Skin.ObjectList.at(static_cast<size_t>(Skin.GetIndex(IDName))));
}

bool Contains(const TRect& Outer, const TRect& Inner) {
  return Inner.Left >= Outer.Left && Inner.Top >= Outer.Top && Inner.Right <= Outer.Right &&
         Inner.Bottom <= Outer.Bottom;
}

// The frame anchors an object to the window's size by the corner areas of the frame
// picture that its corners lie in (a point on the picture's far edge lies in none).
bool InArea(TPoint P, const TRect& Area) {
  return P.X >= Area.Left && P.X < Area.Right && P.Y >= Area.Top && P.Y < Area.Bottom;
}
bool InArea(const TRect& R, const TRect& Area) {
  return InArea(R.TopLeft(), Area) && InArea(R.BottomRight(), Area);
}

class SkinValidationTest : public ::testing::TestWithParam<const char*> {
protected:
  static void SetUpTestSuite() {
    for (const char* name : {"slate", "flatcolour", "sparse", "flatframe"})
      Skins[name] = std::make_unique<TLoadedSkin>(name);
  }
  static void TearDownTestSuite() { Skins.clear(); }

  const TLoadedSkin& Skin() const { return *Skins.at(GetParam()); }
  const TspSkinData& Data() const { return Skin().Data; }
  TSkinCatalog Catalog() const { return CatalogSkin(Data()); }

  static std::map<std::string, std::unique_ptr<TLoadedSkin>> Skins;
};

std::map<std::string, std::unique_ptr<TLoadedSkin>> SkinValidationTest::Skins;

TEST_P(SkinValidationTest, EveryEntryOfTheListIsThereWithTheClassItsKeywordNames) {
  EXPECT_FALSE(Data().Empty());
  for (const TSkinEntryName& e : RequiredSkinControls()) {
    const int index = Data().GetControlIndex(e.IDName);
    if (IsMissingFrom(GetParam(), e.IDName)) {
      EXPECT_EQ(index, -1) << e.IDName;
      continue;
    }
    ASSERT_NE(index, -1) << e.IDName;
    const auto& entry = *Data().CtrlList[static_cast<size_t>(index)];
    EXPECT_EQ(typeid(entry), typeid(*CreateSkinControlData(e.Keyword, e.IDName))) << e.IDName;
  }
  for (const TSkinEntryName& e : RequiredSkinObjects()) {
    const int index = Data().GetIndex(e.IDName);
    if (IsMissingFrom(GetParam(), e.IDName)) {
      EXPECT_EQ(index, -1) << e.IDName;
      continue;
    }
    ASSERT_NE(index, -1) << e.IDName;
    const auto& entry = *Data().ObjectList[static_cast<size_t>(index)];
    EXPECT_EQ(typeid(entry), typeid(*CreateSkinObjectData(e.Keyword, e.IDName))) << e.IDName;
  }
}

TEST_P(SkinValidationTest, EveryRectangleLiesInItsPictureAndInsideItsOwner) {
  const TSkinCatalog catalog = Catalog();
  ASSERT_FALSE(catalog.Rects.empty());
  for (const TSkinRectRef& ref : catalog.Rects) {
    const std::optional<TRect> bounds = PictureBounds(Data(), ref.Picture);
    ASSERT_TRUE(bounds) << ref.Entry << " " << ref.Key << " names picture " << ref.Picture;
    EXPECT_TRUE(Contains(*bounds, ref.Rect)) << ref.Entry << " " << ref.Key;
    if (!IsRectEmpty(ref.Within)) {
      EXPECT_TRUE(Contains(ref.Within, ref.Rect)) << ref.Entry << " " << ref.Key;
    }
  }
  if (!Data().InActivePicture.Empty()) {
    EXPECT_EQ(Data().InActivePicture.Width(), Data().Picture.Width());
    EXPECT_EQ(Data().InActivePicture.Height(), Data().Picture.Height());
  }
  if (!Data().Mask.Empty()) {
    EXPECT_EQ(Data().Mask.Width(), Data().Picture.Width());
  }
  if (!Data().RollUpMask.Empty()) {
    EXPECT_EQ(Data().RollUpMask.Width(), Data().RollUpPicture.Width());
    EXPECT_EQ(Data().RollUpMask.Height(), Data().RollUpPicture.Height());
  }
}

TEST_P(SkinValidationTest, CornerPointsLieInTheirRectangleAndNoStripIsEmpty) {
  const TSkinCatalog catalog = Catalog();
  for (const TSkinPointRef& p : catalog.Points)
    EXPECT_TRUE(p.Point.X >= p.Within.Left && p.Point.X <= p.Within.Right &&
                p.Point.Y >= p.Within.Top && p.Point.Y <= p.Within.Bottom)
        << p.Entry << " " << p.Key;
  for (const TSkinStrip& s : catalog.Strips) EXPECT_GE(s.Length, 1) << s.Entry << " " << s.Part;
}

TEST_P(SkinValidationTest, PictureIndexesAreInRangeAndAllTenColoursAreGiven) {
  const int count = static_cast<int>(Data().ActivePictures.size());
  for (const TSkinPictureIndex& i : Catalog().PictureIndexes)
    EXPECT_TRUE(i.Index >= -1 && i.Index < count) << i.Entry << " " << i.Key << " = " << i.Index;
  for (const char* key :
       {"cbtnface", "cbtntext", "cwindow", "cwindowtext", "chighlight", "chighlighttext",
        "cbtnhighlight", "cbtnshadow", "c3dlight", "c3ddkshadow"})
    EXPECT_TRUE(const_cast<TMemIniFile&>(Skin().Ini).ValueExists("SKINCOLORS", key)) << key;
}

TEST_P(SkinValidationTest, StatePicturesDrawnInEachOthersPlaceAreOfOneSize) {
  for (const TSkinStateGroup& group : Catalog().StateGroups)
    for (const auto& [key, rect] : group.States)
      EXPECT_TRUE(rect.Width() == group.States[0].second.Width() &&
                  rect.Height() == group.States[0].second.Height())
          << group.Entry << ": " << key << " differs from " << group.States[0].first;
}

// The caption starts in the left-top corner area and ends in the right-top one, so it
// widens with the window.
TEST_P(SkinValidationTest, TheCaptionWidensWithTheWindow) {
  const auto& caption = ObjectOf<TspDataSkinCaption>(Data(), "caption");
  const TspSkinData& d = Data();
  EXPECT_TRUE(InArea(caption.SkinRect.TopLeft(), {0, 0, d.LTPoint.X, d.LTPoint.Y}));
  EXPECT_TRUE(
      InArea(caption.SkinRect.BottomRight(), {d.RTPoint.X, 0, d.Picture.Width(), d.RTPoint.Y}));
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinValidationTest,
                         ::testing::Values("slate", "flatcolour", "sparse", "flatframe"));

// The program's skin fits the sizes its windows are designed for, and its menus and
// hints are shaped by masks.
TEST(SlateSkinTest, BarsHaveTheSizesTheWindowsAreDesignedFor) {
  const TLoadedSkin skin("slate");
  const TspSkinData& data = skin.Data;
  const auto rect = [&](const char* id) {
    return ControlOf<TspDataSkinControl>(data, id).SkinRect;
  };
  EXPECT_EQ(rect("mainmenubar").Height(), 22);
  EXPECT_EQ(rect("statusbar").Height(), 19);
  EXPECT_EQ(rect("vscrollbar").Width(), 16);
  EXPECT_EQ(rect("hscrollbar").Height(), 16);
  EXPECT_EQ(rect("bothhscrollbar").Height(), 16);
  EXPECT_FALSE(data.Mask.Empty());
  for (const auto* window :
       {&data.PopupWindow.WindowPictureIndex, &data.HintWindow.WindowPictureIndex})
    EXPECT_NE(*window, -1);
  const TPixelImage& menu =
      data.ActivePictures[static_cast<size_t>(data.PopupWindow.WindowPictureIndex)];
  const TPixelImage& menuMask =
      data.ActivePictures[static_cast<size_t>(data.PopupWindow.MaskPictureIndex)];
  EXPECT_EQ(menuMask.Width(), menu.Width());
  EXPECT_EQ(menuMask.Pixel(0, 0), clWhite);  // the rounded corner is cut
  EXPECT_EQ(menuMask.Pixel(menu.Width() / 2, menu.Height() / 2), clBlack);
}

// A client part that is tiled over a control shows no seams: it is one colour.
TEST(SlateSkinTest, TiledClientPartsAreOneColour) {
  const TLoadedSkin skin("slate");
  const TspSkinData& data = skin.Data;
  const auto uniform = [&](const std::string& id, int picture, const TRect& skinRect,
                           const TRect& client) {
    const TPixelImage& image = data.ActivePictures.at(static_cast<size_t>(picture));
    const TRect r = OffsetRect(client, skinRect.Left, skinRect.Top);
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x)
        ASSERT_EQ(image.Pixel(x, y), image.Pixel(r.Left, r.Top)) << id << " at " << x << "," << y;
  };
  int checked = 0;
  for (const auto& control : data.CtrlList) {
    if (const auto* c = dynamic_cast<const TspDataSkinCustomControl*>(control.get());
        c && c->RBPoint.X != 0 && c->RBPoint.Y != 0 && !c->StretchEffect) {
      uniform(c->IDName, c->PictureIndex, c->SkinRect, c->ClRect);
      ++checked;
    }
  }
  const auto& tab = ControlOf<TspDataSkinTabControl>(data, "tab");
  uniform("tab", tab.PictureIndex, tab.SkinRect, tab.ClRect);
  EXPECT_GT(checked, 20);
}

// In the flat-colour skins one pixel tells which rectangle was drawn: every rectangle of an
// entry is one colour that no other rectangle has, in the atlas and the frame pictures
// alike, the inactive frame picture's included.
class FlatSkinTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FlatSkinTest, EveryRectangleIsOneColourNoOtherHas) {
  const TLoadedSkin skin(GetParam());
  const TspSkinData& data = skin.Data;
  std::map<TColor, std::string> owners;
  const auto check = [&](const TPixelImage& picture, const TRect& r, const std::string& owner) {
    const TColor colour = picture.Pixel(r.Left, r.Top);
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x) {
        const bool keyPixel =
            x == r.Left && y == r.Bottom - 1 && picture.Pixel(x, y) == FlatKeyColor;
        if (!keyPixel) {
          ASSERT_EQ(picture.Pixel(x, y), colour) << owner << " at " << x << "," << y;
        }
      }
    const auto [it, fresh] = owners.emplace(colour, owner);
    EXPECT_TRUE(fresh) << owner << " has the colour of " << it->second;
  };
  const auto isEntry = [&](const std::string& name) {
    return data.GetIndex(name) != -1 || data.GetControlIndex(name) != -1;
  };
  for (const TSkinRectRef& ref : CatalogSkin(data).Rects) {
    // Window sections share their frame's parts; inner rectangles their owner's colour.
    if (!isEntry(ref.Entry) || !IsRectEmpty(ref.Within) || ref.Key == "animateskinrect") continue;
    const TPixelImage* picture = PictureOf(data, ref.Picture);
    ASSERT_NE(picture, nullptr) << ref.Entry << " " << ref.Key;
    check(*picture, ref.Rect, ref.Entry + " " + ref.Key);
    if (ref.Picture == MainPicture && !data.InActivePicture.Empty())
      check(data.InActivePicture, ref.Rect, "inactive " + ref.Entry + " " + ref.Key);
  }
  EXPECT_GT(owners.size(), 300u);
  // Animation strips hold one colour per frame.
  const auto& item = ObjectOf<TspDataSkinMenuItem>(data, "menuitem");
  EXPECT_EQ(item.FrameCount, 3);
  EXPECT_TRUE(item.Morphing);
  const TPixelImage& atlas = *PictureOf(data, item.ActivePictureIndex);
  const int32_t frame = item.AnimateSkinRect.Width() / 3;
  EXPECT_NE(atlas.Pixel(item.AnimateSkinRect.Left, item.AnimateSkinRect.Top),
            atlas.Pixel(item.AnimateSkinRect.Left + frame, item.AnimateSkinRect.Top));
}

INSTANTIATE_TEST_SUITE_P(Skins, FlatSkinTest, ::testing::Values("flatcolour", "flatframe"));

// The frame test skin's objects lie where the frame tests expect them: the main-menu row
// widens, the buttons rectangle holds every caption button and moves with the right edge,
// and the bottom band's objects stay clear of its stretched middle, each moving with its
// corner, the size grip with the right-bottom one, as large as the status bar's grip.
TEST(FrameTestSkinTest, ObjectsLieInTheAreasThatMoveThemWithTheFrame) {
  const TLoadedSkin skin("flatframe");
  const TspSkinData& d = skin.Data;
  const int32_t w = d.Picture.Width(), h = d.Picture.Height();
  const TRect leftTop{0, 0, d.LTPoint.X, d.LTPoint.Y}, rightTop{d.RTPoint.X, 0, w, d.RTPoint.Y},
      leftBottom{0, d.LBPoint.Y, d.LBPoint.X, h}, rightBottom{d.RBPoint.X, d.RBPoint.Y, w, h};
  EXPECT_TRUE(InArea(d.MainMenuRect.TopLeft(), leftTop));
  EXPECT_TRUE(InArea(d.MainMenuRect.BottomRight(), rightTop));
  EXPECT_GT(d.ButtonsRect.Left, w / 2);
  EXPECT_TRUE(InArea(d.ButtonsRect, rightTop));
  EXPECT_LE(ObjectOf<TspDataSkinCaption>(d, "caption").SkinRect.Right, d.ButtonsRect.Left);

  int32_t row = -d.ButtonsOffset;
  for (const auto& object : d.ObjectList)
    if (const auto* b = dynamic_cast<const TspDataSkinStdButton*>(object.get());
        b && b->SkinRectInAPicture && b->Command != cmsysmenu &&
        !dynamic_cast<const TspDataSkinMainMenuBarButton*>(b)) {
      row += b->SkinRect.Width() + d.ButtonsOffset;
      EXPECT_LE(b->SkinRect.Height(), d.ButtonsRect.Height()) << b->IDName;
    }
  EXPECT_LE(row, d.ButtonsRect.Width());

  for (const char* id : {"trackbarobject", "switchobject", "framegaugeobject", "regulatorobject",
                         "gaugeobject", "labelobject", "userobject", "animateobject",
                         "bitlabelobject", "pushbutton", "groupbutton1", "groupbutton2"}) {
    const TRect& r = ObjectOf<TspDataSkinObject>(d, id).SkinRect;
    EXPECT_TRUE(r.Top >= d.ClRect.Bottom && (InArea(r, leftBottom) || InArea(r, rightBottom)))
        << id;
  }
  EXPECT_TRUE(InArea(d.SizeGripArea, rightBottom));
  const TRect& grip = ControlOf<TspDataSkinPanelControl>(d, d.StatusBarName.c_str()).GripperRect;
  EXPECT_TRUE(grip.Width() == d.SizeGripArea.Width() && grip.Height() == d.SizeGripArea.Height());
}

// A rolled-up window widens the roll-up picture between its points: the roll-up caption
// spans them, the unroll button lies beyond them. An inactive window's frame is inverted,
// and one pixel tells which frame was drawn: no frame colour is another one inverted.
TEST(FrameTestSkinTest, RolledUpAndInactiveFramesHaveLooksOfTheirOwn) {
  const TLoadedSkin skin("flatframe");
  const TspSkinData& d = skin.Data;
  const int32_t left = d.RollUpLeftPoint.X, right = d.RollUpRightPoint.X;
  const TRect& caption = ObjectOf<TspDataSkinCaption>(d, "rollupcaption").SkinRect;
  EXPECT_TRUE(left < right && caption.Left <= left && caption.Right >= right);
  EXPECT_GE(ObjectOf<TspDataSkinStdButton>(d, "unrollbutton").SkinRect.Left, right);

  EXPECT_TRUE(d.AutoRenderingInActiveImage && d.InActiveEffect == ieinvert);
  std::set<TColor> colours;
  for (const TPixelImage* picture : {&d.Picture, &d.InActivePicture})
    for (int32_t y = 0; y < picture->Height(); ++y)
      for (int32_t x = 0; x < picture->Width(); ++x) colours.insert(picture->Pixel(x, y));
  for (const TColor c : colours)
    EXPECT_EQ(colours.count(RGBColor(static_cast<uint8_t>(255 - RedOf(c)),
                                     static_cast<uint8_t>(255 - GreenOf(c)),
                                     static_cast<uint8_t>(255 - BlueOf(c)))),
              0u);
}

// The sparse skin lacks what it says it lacks.
TEST(SparseTestSkinTest, OptionalPartsAreAbsent) {
  const TLoadedSkin skin("sparse");
  const TspSkinData& data = skin.Data;
  EXPECT_EQ(data.PopupWindow.WindowPictureIndex, -1);
  EXPECT_EQ(data.HintWindow.WindowPictureIndex, -1);
  EXPECT_TRUE(data.Mask.Empty());
  EXPECT_TRUE(data.InActivePicture.Empty());
  const auto& button = ControlOf<TspDataSkinButtonControl>(data, "button");
  EXPECT_TRUE(IsRectEmpty(button.ActiveSkinRect));
  EXPECT_TRUE(IsRectEmpty(button.DownSkinRect));
  const auto& tab = ControlOf<TspDataSkinTabControl>(data, "tab");
  EXPECT_TRUE(IsRectEmpty(tab.ActiveTabRect));
  EXPECT_TRUE(IsRectEmpty(tab.CloseButtonRect));
  const auto& caption = ObjectOf<TspDataSkinCaption>(data, "caption");
  EXPECT_TRUE(IsRectEmpty(caption.ActiveSkinRect));
  EXPECT_EQ(data.GetIndex("MAINMENUITEM"), -1);
}

}  // namespace
