// The skinned edit under Wine, without the keyboard: its frame and background pixel by
// pixel in every state with the flat-colour skin, the sparse skin's fall-backs and the
// default look without a skin; the button's looks; the non-client margins, hit codes
// and paint requests the system sees; heights and disabled text.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinRects.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TColors = std::vector<TColor>;
constexpr TColor Background = RGBColor(1, 2, 3);

const TspDataSkinEditControl& EditEntry(const TspSkinData& Data, const std::string& Name = "edit") {
  return dynamic_cast<const TspDataSkinEditControl&>(*Data.CtrlList.at(Data.GetControlIndex(Name)));
}
const TspDataSkinButtonControl& ButtonEntry(const TspSkinData& Data, const std::string& Name) {
  return dynamic_cast<const TspDataSkinButtonControl&>(*Data.CtrlList.at(Data.GetControlIndex(Name)));
}
TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

// The pixels of a control's client area as its erase paints it.
std::unique_ptr<TPixelDC> Client(TWinControl* Control) {
  auto dc = std::make_unique<TPixelDC>(Control->ClientWidth(), Control->ClientHeight());
  dc->Fill(Background);
  Control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
  return dc;
}
std::vector<TColor> ClientPicture(TWinControl* Control) {
  const auto dc = Client(Control);
  std::vector<TColor> pixels;
  for (int y = 0; y < Control->ClientHeight(); ++y)
    for (int x = 0; x < Control->ClientWidth(); ++x) pixels.push_back(dc->Pixel(x, y));
  return pixels;
}

class SkinEditLook : public ::testing::Test {
protected:
  SkinEditLook() { ParkPointer(); }

  TspSkinEdit* Add(const std::string& Skin, const std::string& Entry = "edit", bool ButtonMode = false) {
    if (!Skin.empty()) Window.Load(Skin);
    auto* edit = Window.Add<TspSkinEdit>(Bounds(10, 10, 120, 30));
    edit->SetTabStop(false);  // no focus, which shows the hot look (a test of its own)
    edit->SetSkinDataName(Entry);
    edit->SetButtonMode(ButtonMode);
    edit->SetSkinData(Window.Data());
    Window.Show();
    return edit;
  }
  TColor Colour(const std::string& Entry, const TRect& R) const { return EntryColour(*Window.Data(), Entry, R); }
  // The whole control as SP_PAINT_TO_DC paints its frame.
  static std::unique_ptr<TPixelDC> Frame(TspSkinEdit* Edit) {
    auto dc = std::make_unique<TPixelDC>(Edit->Width(), Edit->Height());
    dc->Fill(Background);
    EXPECT_EQ(Edit->Perform(SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc->DC()), 0), SP_PAINT_TO_DC_ANSWER);
    return dc;
  }
  static TColor ButtonLook(TspSkinEdit* Edit) {
    const TPoint c = Centre(Edit->Layout().ButtonRect);
    return Frame(Edit)->Pixel(c.X, c.Y);
  }
  static void NonClient(TspSkinEdit* Edit, UINT Msg, int HitCode) {
    Edit->Perform(Msg, static_cast<WPARAM>(HitCode), PointToLParam(Edit->ClientToScreen({-1, -1})));
  }
  // The frame's top-left corner and right end, and the client's middle.
  static TColors Looks(TspSkinEdit* Edit) {
    const auto frame = Frame(Edit);
    const auto client = Client(Edit);
    return {frame->Pixel(0, 0), frame->Pixel(Edit->Width() - 1, Edit->Height() / 2),
            client->Pixel(Edit->ClientWidth() / 2, Edit->ClientHeight() / 2)};
  }

  TSkinTestWindow Window;
};

TEST_F(SkinEditLook, FrameAndTextBackgroundShowTheStateFromTheFlatColourSkin) {
  TspSkinEdit* edit = Add("flatcolour");
  const TspDataSkinEditControl& entry = EditEntry(*Window.Data());
  EXPECT_EQ(edit->Height(), RectHeight(entry.SkinRect));  // the skin's height, whatever was asked
  EXPECT_EQ(Looks(edit), TColors(3, Colour("edit", entry.SkinRect)));
  edit->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Looks(edit), TColors(3, Colour("edit", entry.ActiveSkinRect)));
  edit->Perform(CM_MOUSELEAVE);
  edit->SetEnabled(false);
  const TColor disabled = Colour("edit", entry.DisabledSkinRect);
  EXPECT_EQ(Looks(edit), TColors(3, disabled));
  EXPECT_EQ(edit->Font()->Color(), entry.DisabledFontColor);
  const TPixelImage shown = CaptureWindow(edit->Handle());  // on the screen too
  ASSERT_FALSE(shown.Empty());
  EXPECT_EQ(shown.Pixel(0, 0), disabled);
  EXPECT_EQ(shown.Pixel(shown.Width() - 1, shown.Height() - 1), disabled);
}

TEST_F(SkinEditLook, TheButtonShowsItsHotPressedAndDisabledLooksAtBothHeights) {
  TspSkinEdit* edit = Add("flatcolour", "buttonedit", true);
  const TspDataSkinEditControl& entry = EditEntry(*Window.Data(), "buttonedit");
  EXPECT_EQ(ButtonLook(edit), Colour("buttonedit", entry.SkinRect));  // the frame's own picture
  NonClient(edit, WM_NCMOUSEMOVE, HTHSCROLL);
  EXPECT_EQ(ButtonLook(edit), Colour("buttonedit", entry.ActiveButtonRect));
  NonClient(edit, WM_NCLBUTTONDOWN, HTHSCROLL);
  EXPECT_EQ(ButtonLook(edit), Colour("buttonedit", entry.DownButtonRect));
  NonClient(edit, WM_NCMOUSEMOVE, HTVSCROLL);  // pressed, the pointer off it
  EXPECT_EQ(ButtonLook(edit), Colour("buttonedit", entry.SkinRect));
  edit->SetEnabled(false);
  EXPECT_EQ(ButtonLook(edit), Colour("buttonedit", entry.UnenabledButtonRect));
  edit->SetEnabled(true);
  // Without the skin font: a nine-part frame and the "editbutton" entry's button.
  edit->SetUseSkinFont(false);
  edit->ChangeSkinData();
  EXPECT_EQ(edit->Layout().ButtonRect.Bottom, edit->Height() - 2);  // lowered with the height
  const TspDataSkinButtonControl& button = ButtonEntry(*Window.Data(), "editbutton");
  EXPECT_EQ(ButtonLook(edit), Colour("editbutton", button.SkinRect));
  NonClient(edit, WM_NCMOUSEMOVE, HTHSCROLL);
  EXPECT_EQ(ButtonLook(edit), Colour("editbutton", button.DownSkinRect));
  EXPECT_EQ(Frame(edit)->Pixel(0, edit->Height() - 1), Colour("buttonedit", entry.SkinRect));
}

TEST_F(SkinEditLook, TheSparseSkinsLackingLooksFallBack) {
  TspSkinEdit* edit = Add("sparse");
  const TColor normal = Colour("edit", EditEntry(*Window.Data()).SkinRect);
  edit->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Looks(edit), TColors(3, normal));  // no hot look
  edit->SetEnabled(false);
  EXPECT_EQ(Looks(edit), TColors(3, normal));  // no disabled look
  TspSkinEdit* buttons = Add("", "buttonedit", true);
  NonClient(buttons, WM_NCMOUSEMOVE, HTHSCROLL);
  NonClient(buttons, WM_NCLBUTTONDOWN, HTHSCROLL);
  EXPECT_EQ(ButtonLook(buttons), Colour("buttonedit", EditEntry(*Window.Data(), "buttonedit").ActiveButtonRect));
  // No "editbutton" entry: the "resizebutton" one, which has only its normal look.
  buttons->SetUseSkinFont(false);
  buttons->ChangeSkinData();
  EXPECT_EQ(ButtonLook(buttons), Colour("resizebutton", ButtonEntry(*Window.Data(), "resizebutton").SkinRect));
}

TEST_F(SkinEditLook, WithoutASkinTheDefaultLookInTheSystemColours) {
  TspSkinEdit* edit = Add("", "edit", true);
  edit->SetDefaultColor(RGBColor(200, 210, 220));
  EXPECT_EQ(Frame(edit)->Pixel(0, 5), SysColor(clBtnShadow));
  EXPECT_EQ(Frame(edit)->Pixel(1, 5), SysColor(clBtnFace));
  EXPECT_EQ(Client(edit)->Pixel(3, 3), RGBColor(200, 210, 220));
  const TRect b = edit->Layout().ButtonRect;
  EXPECT_EQ(b, Rect(120 - edit->Height(), 0, 120, edit->Height()));  // a square
  auto button = [&] {
    const auto f = Frame(edit);
    return TColors{f->Pixel(b.Left, b.Top), f->Pixel(b.Left + 3, b.Top + 3)};
  };
  EXPECT_EQ(button(), (TColors{SysColor(clBtnShadow), SysColor(clBtnFace)}));
  NonClient(edit, WM_NCMOUSEMOVE, HTHSCROLL);
  EXPECT_EQ(button(), (TColors{RGBColor(0, 0, 128), DefaultHotFill}));
  NonClient(edit, WM_NCLBUTTONDOWN, HTHSCROLL);
  EXPECT_EQ(button(), (TColors{RGBColor(0, 0, 128), DefaultDownFill}));
}

TEST_F(SkinEditLook, TheSystemSeesTheFrameAsNonClientAreaWithScrollBarCodesAndPaintRequests) {
  TspSkinEdit* edit = Add("flatcolour", "buttonedit", true);
  const TspDataSkinEditControl& entry = EditEntry(*Window.Data(), "buttonedit");
  RECT window{};
  GetWindowRect(edit->Handle(), &window);
  const TPoint origin = edit->ClientOrigin();
  EXPECT_EQ(Point(origin.X - window.left, origin.Y - window.top), entry.ClRect.TopLeft());
  EXPECT_EQ(edit->ClientWidth(), 120 - entry.ClRect.Left - (RectWidth(entry.SkinRect) - entry.ClRect.Right));
  EXPECT_EQ(edit->ClientHeight(), RectHeight(entry.ClRect));
  auto hit = [&](TPoint P) {
    return SendMessageA(edit->Handle(), WM_NCHITTEST, 0, PointToLParam({window.left + P.X, window.top + P.Y}));
  };
  const TPoint button = Centre(edit->Layout().ButtonRect);
  EXPECT_EQ(hit(button), HTHSCROLL);
  EXPECT_EQ(hit(entry.ClRect.TopLeft()), HTCLIENT);
  EXPECT_EQ(hit({0, 0}), HTVSCROLL);
  TPixelDC dc(edit->Width(), edit->Height());
  dc.Fill(Background);
  EXPECT_EQ(edit->Perform(SP_PAINT_TO_DC_CHECKED, reinterpret_cast<WPARAM>(dc.DC()), SP_PAINT_TO_DC_CHECK),
            SP_PAINT_TO_DC_CHECK);
  EXPECT_EQ(dc.Pixel(0, 0), Colour("buttonedit", entry.SkinRect));
  EXPECT_EQ(dc.Pixel(origin.X - window.left, origin.Y - window.top), Background);  // the text area left alone
  EXPECT_EQ(edit->Perform(SP_PAINT_TO_DC_CHECKED, 0, 1), 0);  // the default handling
  edit->SetButtonMode(false);
  EXPECT_NE(hit(button), HTHSCROLL);
}

TEST_F(SkinEditLook, TheHeightFollowsTheSkinOrWithoutTheSkinFontTheFont) {
  TspSkinEdit* edit = Add("flatcolour");
  const int skinHeight = RectHeight(EditEntry(*Window.Data()).SkinRect);
  const int skinFrame = skinHeight - RectHeight(EditEntry(*Window.Data()).ClRect);
  edit->SetBounds(10, 10, 150, 60);
  EXPECT_EQ(edit->BoundsRect(), Bounds(10, 10, 150, skinHeight));
  edit->SetUseSkinFont(false);
  edit->DefaultFont()->SetHeight(30);
  edit->ChangeSkinData();
  const int tall = edit->Height();
  EXPECT_GT(tall, skinHeight);
  edit->SetHeight(5);
  EXPECT_EQ(edit->Height(), tall);
  Window.Clear();  // the skin goes: the default frame's height
  EXPECT_EQ(edit->Height(), tall - skinFrame + 4);
}

TEST_F(SkinEditLook, AFontReadWithTheFormFitsTheHeightUnlessADesignerReadsIt) {
  TspSkinEdit* edit = Add("");
  edit->SetUseSkinFont(false);
  edit->Loading();
  edit->Font()->SetHeight(-30);
  edit->Loaded();
  const int tall = edit->Height();
  EXPECT_GE(tall, 30 + 4);
  // A designer's form keeps the height it stores.
  edit->SetDesigning(true);
  edit->Loading();
  edit->Font()->SetHeight(-11);
  edit->Loaded();
  EXPECT_EQ(edit->Height(), tall);
}

TEST_F(SkinEditLook, ADisabledPasswordEditShowsItsPasswordCharactersAndADisabledMemoItsOnlyLine) {
  TspSkinEdit* secret = Add("flatcolour");
  secret->SetPasswordChar('*');
  secret->SetText("abc");
  TspSkinEdit* stars = Add("");
  stars->SetText("***");
  for (TspSkinEdit* edit : {secret, stars}) edit->SetEnabled(false);
  EXPECT_EQ(ClientPicture(secret), ClientPicture(stars));  // whatever the font draws
  auto* empty = Window.Add<TspSkinMemo>(Bounds(10, 60, 150, 20));
  auto* line = Window.Add<TspSkinMemo>(Bounds(10, 90, 150, 20));
  line->SetText("A memo of one line");
  for (TspSkinMemo* memo : {empty, line}) {
    memo->SetBorderStyle(bsSingle);
    memo->SetEnabled(false);
  }
  EXPECT_NE(ClientPicture(line), ClientPicture(empty));
}

}  // namespace
