// The skinned edit under Wine, without the keyboard: its frame and background pixel by
// pixel in every state with the flat-colour skin, the sparse skin's fall-backs and the
// default look without a skin; the button's looks; the non-client margins and hit codes
// the system sees; the paint requests; the height a skin or a font gives.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinEdit.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinRects.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const TColor Navy = RGBColor(0, 0, 128);
constexpr TColor Background = RGBColor(1, 2, 3);

const TspDataSkinEditControl& EditEntry(const TspSkinData& Data, const std::string& Name) {
  return dynamic_cast<const TspDataSkinEditControl&>(*Data.CtrlList.at(Data.GetControlIndex(Name)));
}
const TspDataSkinButtonControl& ButtonEntry(const TspSkinData& Data, const std::string& Name) {
  return dynamic_cast<const TspDataSkinButtonControl&>(*Data.CtrlList.at(Data.GetControlIndex(Name)));
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

  // The frame as SP_PAINT_TO_DC paints it, the whole control.
  static std::unique_ptr<TPixelDC> Frame(TspSkinEdit* Edit) {
    auto dc = std::make_unique<TPixelDC>(Edit->Width(), Edit->Height());
    dc->Fill(Background);
    EXPECT_EQ(Edit->Perform(SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc->DC()), 0), SP_PAINT_TO_DC_ANSWER);
    return dc;
  }
  // The client area as its erase paints it.
  static std::unique_ptr<TPixelDC> Client(TspSkinEdit* Edit) {
    auto dc = std::make_unique<TPixelDC>(Edit->ClientWidth(), Edit->ClientHeight());
    dc->Fill(Background);
    Edit->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
    return dc;
  }
  static void NonClient(TspSkinEdit* Edit, UINT Msg, int HitCode) {
    const TPoint p = Edit->ClientToScreen({-1, -1});
    Edit->Perform(Msg, static_cast<WPARAM>(HitCode), PointToLParam(p));
  }
  // The frame's colours: the top-left corner, the right end and the client's middle.
  static std::vector<TColor> Looks(TspSkinEdit* Edit) {
    const auto frame = Frame(Edit);
    const auto client = Client(Edit);
    return {frame->Pixel(0, 0), frame->Pixel(Edit->Width() - 1, Edit->Height() / 2),
            client->Pixel(Edit->ClientWidth() / 2, Edit->ClientHeight() / 2)};
  }

  TSkinTestWindow Window;
};

TEST_F(SkinEditLook, FrameAndTextBackgroundShowTheStateFromTheFlatColourSkin) {
  TspSkinEdit* edit = Add("flatcolour");
  const TspDataSkinEditControl& entry = EditEntry(*Window.Data(), "edit");
  EXPECT_EQ(edit->Height(), RectHeight(entry.SkinRect));  // the skin's height, whatever was asked
  const TColor normal = Colour("edit", entry.SkinRect), hot = Colour("edit", entry.ActiveSkinRect),
               disabled = Colour("edit", entry.DisabledSkinRect);
  EXPECT_EQ(Looks(edit), std::vector<TColor>(3, normal));
  edit->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Looks(edit), std::vector<TColor>(3, hot));
  edit->Perform(CM_MOUSELEAVE);
  edit->SetEnabled(false);
  EXPECT_EQ(Looks(edit), std::vector<TColor>(3, disabled));
  EXPECT_EQ(edit->Font()->Color(), entry.DisabledFontColor);
  // The frame shows on the screen too, around the text area.
  const TPixelImage shown = CaptureWindow(edit->Handle());
  ASSERT_FALSE(shown.Empty());
  EXPECT_EQ(shown.Pixel(0, 0), disabled);
  EXPECT_EQ(shown.Pixel(shown.Width() - 1, shown.Height() - 1), disabled);
}

TEST_F(SkinEditLook, TheButtonShowsItsHotPressedAndDisabledLooks) {
  TspSkinEdit* edit = Add("flatcolour", "buttonedit", true);
  const TspDataSkinEditControl& entry = EditEntry(*Window.Data(), "buttonedit");
  const TRect button = edit->Layout().ButtonRect;
  EXPECT_EQ(button.Right, edit->Width() - (RectWidth(entry.SkinRect) - entry.ButtonRect.Right));
  auto buttonLook = [&] {
    return Frame(edit)->Pixel((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
  };
  EXPECT_EQ(buttonLook(), Colour("buttonedit", entry.SkinRect));  // the frame's own picture
  NonClient(edit, WM_NCMOUSEMOVE, HTHSCROLL);
  EXPECT_TRUE(edit->MouseOverButton());
  EXPECT_EQ(buttonLook(), Colour("buttonedit", entry.ActiveButtonRect));
  NonClient(edit, WM_NCLBUTTONDOWN, HTHSCROLL);
  EXPECT_EQ(buttonLook(), Colour("buttonedit", entry.DownButtonRect));
  NonClient(edit, WM_NCMOUSEMOVE, HTVSCROLL);  // pressed, off the button
  EXPECT_EQ(buttonLook(), Colour("buttonedit", entry.SkinRect));
  edit->SetEnabled(false);
  EXPECT_EQ(buttonLook(), Colour("buttonedit", entry.UnenabledButtonRect));
}

TEST_F(SkinEditLook, WithoutTheSkinFontTheFrameStretchesAndTheButtonComesFromTheButtonEntry) {
  TspSkinEdit* edit = Add("flatcolour", "buttonedit", true);
  edit->SetUseSkinFont(false);
  edit->ChangeSkinData();
  EXPECT_NE(edit->Height(), RectHeight(EditEntry(*Window.Data(), "buttonedit").SkinRect));
  const TspDataSkinButtonControl& button = ButtonEntry(*Window.Data(), "editbutton");
  const TRect r = edit->Layout().ButtonRect;
  EXPECT_EQ(r.Bottom, edit->Height() - 2);  // lowered with the height
  auto buttonLook = [&] { return Frame(edit)->Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); };
  EXPECT_EQ(buttonLook(), Colour("editbutton", button.SkinRect));
  NonClient(edit, WM_NCMOUSEMOVE, HTHSCROLL);
  EXPECT_EQ(buttonLook(), Colour("editbutton", button.ActiveSkinRect));
  NonClient(edit, WM_NCLBUTTONDOWN, HTHSCROLL);
  EXPECT_EQ(buttonLook(), Colour("editbutton", button.DownSkinRect));
  EXPECT_EQ(Frame(edit)->Pixel(0, edit->Height() - 1), Colour("buttonedit", EditEntry(*Window.Data(), "buttonedit").SkinRect));
}

TEST_F(SkinEditLook, TheSparseSkinsLackingLooksFallBack) {
  TspSkinEdit* edit = Add("sparse");
  const TColor normal = Colour("edit", EditEntry(*Window.Data(), "edit").SkinRect);
  edit->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Looks(edit), std::vector<TColor>(3, normal));  // no hot look
  edit->SetEnabled(false);
  EXPECT_EQ(Looks(edit), std::vector<TColor>(3, normal));  // no disabled look

  TspSkinEdit* buttons = Add("", "buttonedit", true);
  const TspDataSkinEditControl& entry = EditEntry(*Window.Data(), "buttonedit");
  const TRect b = buttons->Layout().ButtonRect;
  NonClient(buttons, WM_NCLBUTTONDOWN, HTHSCROLL);
  NonClient(buttons, WM_NCMOUSEMOVE, HTHSCROLL);
  // No pressed look: the hot one.
  EXPECT_EQ(Frame(buttons)->Pixel((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2),
            Colour("buttonedit", entry.ActiveButtonRect));
  // No "editbutton" entry: the "resizebutton" one, which has only its normal look.
  buttons->SetUseSkinFont(false);
  buttons->ChangeSkinData();
  const TRect r = buttons->Layout().ButtonRect;
  EXPECT_EQ(Frame(buttons)->Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2),
            Colour("resizebutton", ButtonEntry(*Window.Data(), "resizebutton").SkinRect));
}

TEST_F(SkinEditLook, WithoutASkinTheDefaultLookInTheSystemColours) {
  TspSkinEdit* edit = Add("", "edit", true);
  edit->SetDefaultColor(RGBColor(200, 210, 220));
  auto frame = Frame(edit);
  EXPECT_EQ(frame->Pixel(0, 5), SysColor(clBtnShadow));
  EXPECT_EQ(frame->Pixel(1, 5), SysColor(clBtnFace));
  EXPECT_EQ(Client(edit)->Pixel(3, 3), RGBColor(200, 210, 220));
  const TRect b = edit->Layout().ButtonRect;
  EXPECT_EQ(b, Rect(120 - edit->Height(), 0, 120, edit->Height()));  // a square
  auto button = [&] {
    const auto f = Frame(edit);
    return std::vector<TColor>{f->Pixel(b.Left, b.Top), f->Pixel(b.Left + 3, b.Top + 3)};
  };
  EXPECT_EQ(button(), (std::vector<TColor>{SysColor(clBtnShadow), SysColor(clBtnFace)}));
  NonClient(edit, WM_NCMOUSEMOVE, HTHSCROLL);
  EXPECT_EQ(button(), (std::vector<TColor>{Navy, DefaultHotFill}));
  NonClient(edit, WM_NCLBUTTONDOWN, HTHSCROLL);
  EXPECT_EQ(button(), (std::vector<TColor>{Navy, DefaultDownFill}));
}

TEST_F(SkinEditLook, TheSystemSeesTheFrameAsNonClientAreaAndTheButtonAndFrameAsScrollBarCodes) {
  TspSkinEdit* edit = Add("flatcolour", "buttonedit", true);
  const TspDataSkinEditControl& entry = EditEntry(*Window.Data(), "buttonedit");
  RECT window{};
  GetWindowRect(edit->Handle(), &window);
  const TPoint origin = edit->ClientOrigin();
  EXPECT_EQ(Point(origin.X - window.left, origin.Y - window.top), entry.ClRect.TopLeft());
  EXPECT_EQ(edit->ClientWidth(), 120 - entry.ClRect.Left - (RectWidth(entry.SkinRect) - entry.ClRect.Right));
  EXPECT_EQ(edit->ClientHeight(), RectHeight(entry.ClRect));
  auto hit = [&](TPoint InWindow) {
    return SendMessageA(edit->Handle(), WM_NCHITTEST, 0,
                        PointToLParam({window.left + InWindow.X, window.top + InWindow.Y}));
  };
  const TRect button = edit->Layout().ButtonRect;
  EXPECT_EQ(hit({button.Left + 1, button.Top + 1}), HTHSCROLL);
  EXPECT_EQ(hit({entry.ClRect.Left + 1, entry.ClRect.Top + 1}), HTCLIENT);
  EXPECT_EQ(hit({0, 0}), HTVSCROLL);
  edit->SetButtonMode(false);
  EXPECT_NE(hit({button.Left + 1, button.Top + 1}), HTHSCROLL);
}

TEST_F(SkinEditLook, AnsweringPaintRequestsTheCheckedOneLeavesTheTextAreaAndOthersGoOn) {
  TspSkinEdit* edit = Add("flatcolour");
  const TColor normal = Colour("edit", EditEntry(*Window.Data(), "edit").SkinRect);
  TPixelDC dc(edit->Width(), edit->Height());
  dc.Fill(Background);
  EXPECT_EQ(edit->Perform(SP_PAINT_TO_DC_CHECKED, reinterpret_cast<WPARAM>(dc.DC()), SP_PAINT_TO_DC_CHECK),
            SP_PAINT_TO_DC_CHECK);
  EXPECT_EQ(dc.Pixel(0, 0), normal);
  const TRect text = edit->Layout().EditRect;
  EXPECT_EQ(dc.Pixel(text.Left + 1, text.Top + 1), Background);
  EXPECT_EQ(edit->Perform(SP_PAINT_TO_DC_CHECKED, 0, 1), 0);
  EXPECT_EQ(edit->Perform(SP_PAINT_TO_DC, 0, 0), SP_PAINT_TO_DC_ANSWER);
}

TEST_F(SkinEditLook, TheHeightFollowsTheSkinOrWithoutTheSkinFontTheFont) {
  TspSkinEdit* edit = Add("flatcolour");
  const int skinHeight = RectHeight(EditEntry(*Window.Data(), "edit").SkinRect);
  const int skinFrame = skinHeight - RectHeight(EditEntry(*Window.Data(), "edit").ClRect);
  edit->SetBounds(10, 10, 150, 60);
  EXPECT_EQ(edit->BoundsRect(), Bounds(10, 10, 150, skinHeight));
  edit->SetUseSkinFont(false);
  edit->DefaultFont()->SetHeight(30);
  edit->ChangeSkinData();
  const int tall = edit->Height();
  EXPECT_GT(tall, skinHeight);
  edit->SetHeight(5);
  EXPECT_EQ(edit->Height(), tall);
  Window.Clear();
  EXPECT_EQ(edit->SkinIndex(), -1);
  EXPECT_EQ(edit->Height(), tall - skinFrame + 4);  // the default frame's
}

}  // namespace
