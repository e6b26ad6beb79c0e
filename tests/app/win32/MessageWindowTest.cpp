#include "app/win32/FormMessageDialog.h"

#include "RuntimePath.h"
#include "Screenshot.h"
#include "UiTest.h"

#include "skin/boxes/SkinMemo.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/DynamicSkinForm.h"

#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<TFormMessageDialog*> MessageWindows() {
  std::vector<TFormMessageDialog*> windows;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (auto* window = dynamic_cast<TFormMessageDialog*>(Screen->Forms(i))) windows.push_back(window);
  return windows;
}

void Click(TWinControl* button) {
  PostMouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(button, WM_LBUTTONUP, 5, 5);
}

// The window's buttons by TDialogButton: Ok, Yes, No, Cancel.
std::array<TWinControl*, 4> Buttons(const TFormMessageDialog& window) {
  return {window.ButtonOk, window.ButtonYes, window.ButtonNo, window.ButtonCancel};
}

// Every message of a test is shown in the message window. Each window runs the test's
// OnWindow once it is on screen, from inside its modal loop; a window still open after
// five seconds is closed, so that a broken test fails instead of hanging.
class MessageWindow : public ::testing::Test {
protected:
  MessageWindow() : FPrevious(SetMessagePresenter(&FPresenter)), FTimer(SetTimer(nullptr, 0, 20, Tick)) {
    Current = this;
    ParkPointer();
  }
  ~MessageWindow() override {
    KillTimer(nullptr, FTimer);
    SetMessagePresenter(FPrevious);
    Current = nullptr;
  }

  std::function<void(TFormMessageDialog&)> OnWindow;
  int WindowsSeen = 0;

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    for (TFormMessageDialog* window : MessageWindows()) {
      if (Current == nullptr || !window->HandleAllocated() || !IsWindowVisible(window->Handle())) continue;
      if (window->Tag() == 0) {
        window->SetTag(static_cast<int>(GetTickCount()));
        ++Current->WindowsSeen;
        if (Current->OnWindow) Current->OnWindow(*window);
      } else if (GetTickCount() - static_cast<DWORD>(window->Tag()) > 5000) {
        PostMessageA(window->Handle(), WM_CLOSE, 0, 0);
      }
    }
  }

  static inline MessageWindow* Current = nullptr;
  TMessageWindowPresenter FPresenter;
  TMessagePresenter* FPrevious;
  UINT_PTR FTimer;
};

struct TKindCase {
  uint8_t Kind;
  std::vector<std::string> Shown;  // "name caption", in the order Ok, Yes, No, Cancel
  std::string Focused;
  std::vector<std::pair<int, uint8_t>> Answers;  // by button; -1 closes the window
};

const TKindCase kKinds[] = {
    {mtOk, {"ButtonOk Ok"}, "ButtonOk", {{dbOk, 0}, {-1, 0}}},
    {mtYesNo, {"ButtonYes Yes", "ButtonNo No"}, "ButtonNo", {{dbYes, 1}, {dbNo, 2}, {-1, 0}}},
    {mtYesCancel, {"ButtonYes Yes", "ButtonCancel Cancel"}, "ButtonCancel", {{dbYes, 1}, {dbCancel, 3}}},
    {mtYesNoAll, {"ButtonOk All yes", "ButtonYes Yes", "ButtonNo No", "ButtonCancel All no"},
     "ButtonCancel", {{dbYes, 1}, {dbNo, 2}, {dbOk, 4}, {dbCancel, 5}}},
    {mtFileExists, {"ButtonOk Skip", "ButtonYes Add number", "ButtonNo Overwrite", "ButtonCancel Cancel"},
     "ButtonCancel", {{dbYes, 6}, {dbNo, 7}, {dbOk, 8}, {dbCancel, 3}, {-1, 0}}},
    {mtList, {"ButtonOk Ok"}, "ButtonOk", {{dbOk, 0}}},
};

TEST_F(MessageWindow, EachKindShowsItsButtonsAndAnswersWithTheOneClicked) {
  int shownCount = 0;
  for (const TKindCase& c : kKinds) {
    for (const auto& [button, answer] : c.Answers) {
      SCOPED_TRACE(std::to_string(c.Kind) + " " + std::to_string(button));
      std::vector<std::string> shown;
      OnWindow = [&, button = button](TFormMessageDialog& window) {
        for (TWinControl* b : Buttons(window))
          if (b->Visible() && IsWindowVisible(b->Handle())) shown.push_back(b->Name() + " " + b->Caption());
        shown.push_back(window.ActiveControl()->Name() + " / " + window.Caption() + " / " + window.Memo->Text());
        if (button < 0)
          PostMessageA(window.Handle(), WM_CLOSE, 0, 0);
        else
          Click(Buttons(window)[button]);
      };
      EXPECT_EQ(ShowMessageDialog(c.Kind, "Question", "Text", nullptr), answer);
      std::vector<std::string> expected = c.Shown;
      expected.push_back(c.Focused + " / Question / Text");
      EXPECT_EQ(shown, expected);
      EXPECT_TRUE(MessageWindows().empty());  // freed on return
      ++shownCount;
    }
  }
  EXPECT_EQ(WindowsSeen, shownCount);
}

// As in the system's own message boxes. A window Escape leaves up is answered by its Yes.
TEST_F(MessageWindow, EscapeAnswersOkWhereItStandsAloneAndCancelWhereACancelShows) {
  const std::pair<uint8_t, uint8_t> kinds[] = {{mtOk, maOk},           {mtList, maOk},
                                               {mtYesCancel, maCancel}, {mtFileExists, maCancel},
                                               {mtYesNo, maYes},       {mtYesNoAll, maYes}};
  for (const auto& [kind, answer] : kinds) {
    SCOPED_TRACE(static_cast<int>(kind));
    bool stayed = false;
    OnWindow = [&](TFormMessageDialog& window) {
      PostKey(window.ActiveControl(), VK_ESCAPE);
      stayed = window.ModalResult() == mrNone;
      if (stayed) Click(window.ButtonYes);
    };
    EXPECT_EQ(ShowMessageDialog(kind, "Question", "Text", nullptr), answer);
    EXPECT_EQ(stayed, answer == maYes);
  }
}

TEST_F(MessageWindow, TheTextSetsTheSizeAndKindsThreeAndFourTheirOwnWidth) {
  std::vector<std::array<TRect, 4>> seen;  // window, memo, Ok and Yes buttons
  OnWindow = [&](TFormMessageDialog& window) {
    seen.push_back({window.BoundsRect(), window.Memo->BoundsRect(), window.ButtonOk->BoundsRect(),
                    window.ButtonYes->BoundsRect()});
    Click(window.ActiveControl());
  };
  ShowMessageOk("c", "short", nullptr);
  ShowMessageOk("c", std::string(60, 'x') + "\r\nsecond line", nullptr);
  ShowMessageOk("c", std::string(25, 'a') + " " + std::string(25, 'b'), nullptr);  // 51: wrapped
  ShowMessageDialog(mtYesNoAll, "c", std::string(100, 'x') + "\r\ny", nullptr);
  ShowMessageFileExists("c", "short", nullptr);
  ASSERT_EQ(seen.size(), 5u);
  const int width = seen[0][0].Width(), height = seen[0][0].Height();
  EXPECT_EQ(seen[0][2], Bounds(141, 77, 60, 23));
  EXPECT_EQ(seen[1][0].Width(), 430);
  EXPECT_EQ(seen[1][0].Height(), height + 15);
  EXPECT_EQ(seen[1][1], Bounds(8, 21, 330 + 430 - width, 14 + 15));  // the memo follows the window
  EXPECT_EQ(seen[1][2].Top, 77 + 15);  // the buttons stay at the bottom
  EXPECT_EQ(seen[2][0], Bounds(seen[2][0].Left, seen[2][0].Top, width, height + 15));
  EXPECT_EQ(seen[3][0].Width(), 440);
  EXPECT_EQ(seen[3][2], Bounds(193, 77 + 15, 90, 23));
  EXPECT_EQ(seen[4][0].Width(), 550);
  EXPECT_EQ(seen[4][3], Bounds(26, 77, 130, 23));
}

TEST_F(MessageWindow, AListShowsInABorderedMemoAndALongOneScrollsWithinTheWorkArea) {
  TRect (*savedWorkArea)() = Seams::WorkArea;
  Seams::WorkArea = [] { return Rect(40, 30, 840, 630); };
  std::vector<std::vector<int>> seen;  // memo style, scroll bar, lines, first visible line
  std::vector<std::array<TRect, 4>> places;  // window, memo, client area, Ok button
  std::vector<TColor> edge;  // the short list's memo: outer and inner frame line, inside
  OnWindow = [&](TFormMessageDialog& window) {
    HWND memo = window.Memo->Handle();
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    if (edge.empty()) {
      const TPixelImage shot = CaptureWindow(window.Handle());
      RECT m{};
      GetWindowRect(memo, &m);
      const int x = m.left - r.left, y = m.top - r.top;
      edge = {shot.Pixel(x, y), shot.Pixel(x + 1, y + 1), shot.Pixel(m.right - r.left - 4, y + 3)};
      SaveWindowScreenshot(window.Handle(), "message-list");
    }
    SendMessageA(memo, WM_VSCROLL, SB_BOTTOM, 0);
    places.push_back({FromRECT(r), window.Memo->BoundsRect(), window.ClientRect(), window.ButtonOk->BoundsRect()});
    seen.push_back({window.Memo->BorderStyle() == bsSingle && window.Memo->Alignment() == taLeftJustify &&
                        window.Memo->Color() == clWindow && window.Memo->BevelOuter() == TBevelCut::bvLowered,
                    window.MemoScrollBar->Visible() && window.MemoScrollBar->Enabled(),
                    static_cast<int>(SendMessageA(memo, EM_GETLINECOUNT, 0, 0)),
                    static_cast<int>(SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0)) > 250});
    Click(window.ButtonOk);
  };
  ShowMessageList("Report", "a.mp3\r\nb.mp3", nullptr);
  std::string lines = "Line 1";
  for (int i = 2; i <= 300; ++i) lines += "\r\nLine " + std::to_string(i);
  ShowMessageList("Report", lines, nullptr);
  Seams::WorkArea = savedWorkArea;
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], (std::vector<int>{1, 0, 2, 0}));  // every line has room
  // The box sits lowered in the window: a shadow line, then the face, around the white.
  EXPECT_EQ(edge, (std::vector<TColor>{ColorToRGB(clBtnShadow), ColorToRGB(clBtnFace), ColorToRGB(clWindow)}));
  EXPECT_EQ(places[0][1], Bounds(6, 8, 330, 45 + 15));
  EXPECT_EQ(seen[1], (std::vector<int>{1, 1, 300, 1}));
  const TRect& window = places[1][0];
  EXPECT_EQ(window.Height(), 600);
  EXPECT_TRUE(window.Left >= 40 && window.Top >= 30 && window.Right <= 840 && window.Bottom <= 630);
  // The buttons stay on screen, at the bottom.
  EXPECT_TRUE(places[1][3].Bottom <= places[1][2].Bottom && places[1][3].Top >= places[1][2].Bottom - 40);
}

TEST_F(MessageWindow, IsCentredOnTheMainFormOrElseOnTheVirtualScreen) {
  TRect bounds;
  TComponent* owner = nullptr;
  TForm* mainForm = nullptr;
  bool mainFormEnabled = true;
  OnWindow = [&](TFormMessageDialog& window) {
    bounds = window.BoundsRect();
    owner = window.Owner();
    mainFormEnabled = mainForm != nullptr && IsWindowEnabled(mainForm->Handle());
    Click(window.ButtonOk);
  };
  ShowMessageOk("c", "t", nullptr);
  EXPECT_EQ(bounds.Left, GetSystemMetrics(SM_CXVIRTUALSCREEN) / 2 - bounds.Width() / 2);
  EXPECT_EQ(bounds.Top, GetSystemMetrics(SM_CYVIRTUALSCREEN) / 2 - bounds.Height() / 2);
  Application->CreateForm(mainForm);
  mainForm->SetBounds(101, 80, 601, 401);
  mainForm->Show();
  ShowMessageOk("c", "t", nullptr);
  EXPECT_EQ(owner, mainForm);
  EXPECT_FALSE(mainFormEnabled);  // modal over it
  EXPECT_TRUE(IsWindowEnabled(mainForm->Handle()));
  EXPECT_EQ(bounds.TopLeft(), Point(101 + 601 / 2 - bounds.Width() / 2, 80 + 401 / 2 - bounds.Height() / 2));
  EXPECT_EQ(mainForm->ComponentCount(), 0);  // the window went
  mainForm->Free();
}

TEST_F(MessageWindow, ARequestWhileAMessageIsOpenShowsNothingAndAnswers0) {
  int nestedAnswer = 99;
  size_t windowsMeanwhile = 0;
  OnWindow = [&](TFormMessageDialog& window) {
    nestedAnswer = ShowMessageYesNo("nested", "t", nullptr);
    windowsMeanwhile = MessageWindows().size();
    Click(window.ButtonYes);
  };
  EXPECT_EQ(ShowMessageYesNo("outer", "t", nullptr), maYes);
  EXPECT_EQ(nestedAnswer, 0);
  EXPECT_EQ(windowsMeanwhile, 1u);
  EXPECT_EQ(WindowsSeen, 1);
  EXPECT_EQ(MessageDialogForm, nullptr);
}

// The program's skin as the main window's stored skin holds it.
class TProgramSkin {
public:
  TProgramSkin() { Stored.LoadFromCompressedFile(RuntimePath(std::string(VQ_SKIN_FOLDER) + "slate.skn")); }
  TspCompressedStoredSkin Stored{nullptr};
};

TspDynamicSkinForm* FrameOf(TFormMessageDialog& Window) {
  return dynamic_cast<TspDynamicSkinForm*>(Window.FindComponent("DynSkinForm"));
}

TEST_F(MessageWindow, FrameMemoAndButtonsComeFromTheMessagesSkinOrWithoutOneTheSystemsFrameShows) {
  TProgramSkin skin;
  const std::vector<uint8_t> stored = skin.Stored.CompressedStream().Bytes();
  std::vector<std::string> seen;
  OnWindow = [&](TFormMessageDialog& window) {
    TspSkinData& data = *window.SkinData;
    auto* yes = dynamic_cast<TspSkinButton*>(window.ButtonYes);
    const bool framed = FrameOf(window)->Skinnable();
    seen.push_back(std::string(data.SkinnableForm() ? "skinnable " : "") + (framed ? "framed " : "") +
                   (window.Memo->SkinIndex() != -1 ? "memo " : "") + (yes->SkinIndex() != -1 ? "button" : "") +
                   (framed ? "" : std::to_string(window.ClientWidth())));  // inside the system's frame
    if (framed) {
      // The frame's corner is the skin's frame picture's, unscaled.
      ASSERT_TRUE(data.LTPoint.X > 2 && data.LTPoint.Y > 2);
      TPixelDC dc(window.Width(), window.Height());
      window.Perform(SP_PAINT_TO_DC_CHECKED, reinterpret_cast<WPARAM>(dc.DC()), SP_PAINT_TO_DC_CHECK);
      EXPECT_EQ(dc.Pixel(2, 2), data.Picture.Pixel(2, 2));
      if (seen.size() == 2) SaveWindowScreenshot(window.Handle(), "message-slate");
    }
    Click(yes);
  };
  ShowMessageYesNo("Velorandquistmar", "Do you want to rename the selected files?", nullptr);
  EXPECT_EQ(ShowMessageYesNo("Velorandquistmar", "Do you want to rename the selected files?", &skin.Stored), maYes);
  EXPECT_EQ(skin.Stored.CompressedStream().Bytes(), stored);  // the next window finds it as it was
  ShowMessageYesNo("Velorandquistmar", "Again?", &skin.Stored);
  EXPECT_EQ(seen, (std::vector<std::string>{"344", "skinnable framed memo button", "skinnable framed memo button"}));
}

// A window whose owner holds the message's skin loaded already draws with that data and
// decodes none of its own, and looks exactly as a window that loads the skin itself. The
// owner's data going first leaves the window without a skin, never with freed data.
TEST_F(MessageWindow, ASkinItsOwnerHasLoadedIsDrawnWithAndLooksAsLoadedByTheWindow) {
  TProgramSkin skin;
  TMessageDialog dialog(&skin.Stored);
  dialog.PrepareLayout("Velorandquistmar", "Do you want to rename the selected files?", mtYesNo);
  TComponent owner(nullptr);
  auto* effects = new TspSkinData(&owner);  // draws with effects, unlike the message window
  effects->SetCompressedStoredSkin(&skin.Stored);
  auto* plain = new TspSkinData(&owner);
  plain->SetEnableSkinEffects(false);
  plain->SetCompressedStoredSkin(&skin.Stored);
  auto picture = [&](TComponent* windowOwner) {
    auto* window = new TFormMessageDialog(windowOwner, dialog);
    window->PrepareLayout();
    window->Show();
    TPixelImage shown = CaptureWindow(window->Handle());
    window->Free();
    return shown;
  };
  // The first window after other tests may still show a button hot from their posted mouse
  // messages: one window first settles that.
  picture(nullptr);
  const TPixelImage loaded = picture(nullptr);
  const TPixelImage shared = picture(&owner);
  ASSERT_GT(loaded.Width(), 0);
  ASSERT_EQ(shared.Width(), loaded.Width());
  ASSERT_EQ(shared.Height(), loaded.Height());
  EXPECT_EQ(std::memcmp(shared.Bits(), loaded.Bits(), loaded.ByteSize()), 0);

  auto* window = new TFormMessageDialog(&owner, dialog);
  EXPECT_TRUE(window->SkinData->Empty());
  EXPECT_EQ(FrameOf(*window)->SkinData(), plain);
  EXPECT_EQ(window->Memo->SkinData(), plain);
  EXPECT_EQ(window->MemoScrollBar->SkinData(), plain);
  EXPECT_EQ(dynamic_cast<TspSkinBevel*>(window->Bevel)->SkinData(), plain);
  EXPECT_EQ(dynamic_cast<TspSkinButton*>(window->ButtonNo)->SkinData(), plain);
  EXPECT_NE(dynamic_cast<TspSkinButton*>(window->ButtonNo)->SkinIndex(), -1);
  plain->Free();
  EXPECT_EQ(FrameOf(*window)->SkinData(), nullptr);
  EXPECT_EQ(window->Memo->SkinData(), nullptr);
  EXPECT_EQ(dynamic_cast<TspSkinButton*>(window->ButtonNo)->SkinData(), nullptr);
  window->Free();
}

// The limit warning's way: the window takes the skin data its owner has loaded while it
// is still hidden. It changes its frame and size for it once, keeping the designed client
// area (so its controls are not laid out again), gives itself its region once, and the
// size message of the show gives no region again.
TEST_F(MessageWindow, TakingTheOwnersSkinChangesTheWindowOnceAndTheShowGivesNoRegionAgain) {
  TProgramSkin skin;
  TMessageDialog dialog(&skin.Stored);
  dialog.PrepareLayout("Warning", "The file limit is reached.", mtOk);
  TComponent owner(nullptr);
  auto* data = new TspSkinData(&owner);
  data->SetEnableSkinEffects(false);
  data->SetCompressedStoredSkin(&skin.Stored);
  TSentMessages sent({WM_WINDOWPOSCHANGED, WM_SIZE, WM_NCPAINT});
  auto* window = new TFormMessageDialog(&owner, dialog);
  HWND handle = window->Handle();
  // The frame and size change and the region, no size message; the memo's is its creation's.
  EXPECT_EQ(sent.Count(handle, WM_WINDOWPOSCHANGED), 2);
  EXPECT_EQ(sent.Count(handle, WM_SIZE), 0);
  EXPECT_EQ(sent.Count(window->Memo->Handle(), WM_SIZE), 1);
  sent.Clear();
  window->PrepareLayout();
  EXPECT_EQ(sent.Count(handle, WM_NCPAINT), 0);  // the caption of a hidden window
  sent.Clear();
  window->Show();
  // Placed and shown; the show's size message sets no region.
  EXPECT_EQ(sent.Count(handle, WM_WINDOWPOSCHANGED), 2);
  EXPECT_EQ(sent.Count(handle, WM_SIZE), 1);
  EXPECT_EQ(window->ClientRect(), Rect(0, 0, 344, 110));
  EXPECT_EQ(window->Memo->BoundsRect(), Bounds(8, 21, 330, 14));
  // The first paint leaves the whole window as painting it again would.
  Application->ProcessMessages();
  const TPixelImage firstPaint = WindowPixelsAsShown(handle);
  const TPixelImage repainted = CaptureWindow(handle);
  ASSERT_GT(firstPaint.Width(), 0);
  ASSERT_EQ(firstPaint.ByteSize(), repainted.ByteSize());
  EXPECT_EQ(std::memcmp(firstPaint.Bits(), repainted.Bits(), repainted.ByteSize()), 0);
  SaveWindowScreenshot(handle, "message-owners-skin");
  window->Free();
}

// The skin's frame is thinner or thicker than the system's: the window keeps its designed
// client area under it, so that the memo, which follows the window's height, still has
// room for every line.
TEST_F(MessageWindow, TheSkinnedFrameKeepsTheDesignedClientAreaSoEveryLineShows) {
  TProgramSkin skin;
  std::vector<int> seen;  // client height and memo height of each window
  OnWindow = [&](TFormMessageDialog& window) {
    seen.push_back(window.ClientHeight());
    seen.push_back(window.Memo->Height());
    Click(window.ButtonOk);
  };
  ShowMessageOk("c", "one line", &skin.Stored);
  ShowMessageOk("c", "first line\r\nsecond line", &skin.Stored);
  EXPECT_EQ(seen, (std::vector<int>{110, 14, 110 + 15, 14 + 15}));
}

TEST_F(MessageWindow, ALongReportWithTheSkinScrollsByItsSkinnedBarWithItsButtonsOnScreen) {
  TProgramSkin skin;
  TSeamOverride workArea(Seams::WorkArea, [] { return Rect(40, 30, 840, 630); });
  std::vector<int> seen;  // bar shown, its range's end, first visible line after the bar's end
  TRect client, ok, memo, bar;
  OnWindow = [&](TFormMessageDialog& window) {
    TspSkinScrollBar& scroll = *window.MemoScrollBar;
    seen = {scroll.Visible() && scroll.Enabled(), scroll.Max()};
    scroll.SetPosition(scroll.Max());
    seen.push_back(static_cast<int>(SendMessageA(window.Memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)));
    client = window.ClientRect();
    ok = window.ButtonOk->BoundsRect();
    memo = window.Memo->BoundsRect();
    bar = scroll.BoundsRect();
    SaveWindowScreenshot(window.Handle(), "message-slate-report");
    Click(window.ButtonOk);
  };
  std::string lines = "Line 1";
  for (int i = 2; i <= 300; ++i) lines += "\r\nLine " + std::to_string(i);
  ShowMessageList("Report", lines, &skin.Stored);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], 1);
  EXPECT_GE(seen[1], 299);
  EXPECT_GT(seen[2], 250);
  EXPECT_TRUE(ok.Bottom <= client.Bottom && ok.Top >= client.Bottom - 40);
  EXPECT_EQ(bar.Left, memo.Right);  // beside the memo
  EXPECT_EQ(bar.Height(), memo.Height());
}

}  // namespace
