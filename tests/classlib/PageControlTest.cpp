#include "TestControls.h"
#include "UiTest.h"

#include "classlib/Edit.h"
#include "classlib/PageControl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Moves the pages' area in from every side, in its window procedure, as a page control
// with its own frame does.
class TFramedPageControl : public TPageControl {
public:
  using TPageControl::TPageControl;
  void WndProc(TMessage& Message) override {
    TPageControl::WndProc(Message);
    if (Message.Msg == TCM_ADJUSTRECT && Message.WParam == FALSE) {
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      InflateRect(r, -4, -4);
    }
  }
};

struct TPages {
  explicit TPages(TPageControl* control) : Control(control) {
    for (const char* caption : {"First", "Second", "Third"}) {
      auto* sheet = new TTabSheet(GetParentForm(control));
      sheet->SetPageControl(control);
      sheet->SetCaption(caption);
      Sheets.push_back(sheet);
    }
    Control->OnChanging = [this](TObject*, bool& allow) {
      ++Changings;
      allow = Allow;
    };
    Control->OnChange = [this](TObject*) { ++Changes; };
  }

  std::string TabText(int index) {
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Control->Handle(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  int TabCount() { return static_cast<int>(SendMessageA(Control->Handle(), TCM_GETITEMCOUNT, 0, 0)); }
  void ClickTab(int index) {
    RECT r{};
    SendMessageA(Control->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    PostMouse(Control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    PostMouse(Control, WM_LBUTTONUP, x, y);
    PumpFor(30);
  }

  TPageControl* Control;
  std::vector<TTabSheet*> Sheets;
  bool Allow = true;
  int Changings = 0;
  int Changes = 0;
};

TEST(PageControl, TheUserSwitchesPagesThroughOnChangingAndOnChange) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* control = AddChild<TPageControl>(form.get(), Bounds(10, 10, 380, 280));
  TPages pages(control);
  form->Show();
  ASSERT_EQ(control->ActivePage(), pages.Sheets[0]);  // the first page shows by itself
  EXPECT_EQ(pages.TabCount(), 3);
  EXPECT_EQ(pages.TabText(1), "Second");

  pages.Allow = false;  // vetoed: nothing changes
  pages.ClickTab(1);
  EXPECT_EQ(pages.Changings, 1);
  EXPECT_EQ(pages.Changes, 0);
  EXPECT_EQ(control->ActivePage(), pages.Sheets[0]);
  EXPECT_EQ(control->TabIndex(), 0);

  pages.Allow = true;
  pages.ClickTab(1);
  EXPECT_EQ(pages.Changings, 2);
  EXPECT_EQ(pages.Changes, 1);
  EXPECT_EQ(control->ActivePage(), pages.Sheets[1]);
  EXPECT_TRUE(IsWindowVisible(pages.Sheets[1]->Handle()));
  EXPECT_FALSE(IsWindowVisible(pages.Sheets[0]->Handle()));

  // The tabs take the arrows from the keyboard (the form does not move the focus).
  control->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(GetFocus(), control->Handle());
  EXPECT_EQ(control->ActivePage(), pages.Sheets[2]);
  EXPECT_EQ(pages.Changes, 2);
  ParkPointer();
}

TEST(PageControl, PagesChosenByTheProgramFireNothing) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* control = AddChild<TPageControl>(form.get(), Bounds(10, 10, 380, 280));
  TPages pages(control);
  auto* edit = AddChild<TEdit>(pages.Sheets[0], Bounds(10, 10, 100, 21));
  form->Show();
  edit->SetFocus();

  control->SetActivePage(pages.Sheets[2]);
  EXPECT_EQ(control->TabIndex(), 2);
  EXPECT_EQ(control->ActivePageIndex(), 2);
  EXPECT_EQ(GetFocus(), control->Handle());  // not left on the hidden page
  control->SetActivePageIndex(1);
  EXPECT_EQ(control->ActivePage(), pages.Sheets[1]);
  control->SetTabIndex(0);
  EXPECT_EQ(control->ActivePage(), pages.Sheets[0]);
  EXPECT_EQ(pages.Changings, 0);
  EXPECT_EQ(pages.Changes, 0);
}

TEST(PageControl, TabIndexCountsTheVisibleTabsOnly) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* control = AddChild<TPageControl>(form.get(), Bounds(10, 10, 380, 280));
  TPages pages(control);
  form->Show();
  control->SetActivePage(pages.Sheets[2]);
  pages.Sheets[1]->SetTabVisible(false);
  EXPECT_EQ(pages.TabCount(), 2);
  EXPECT_EQ(pages.TabText(1), "Third");
  EXPECT_EQ(pages.Sheets[2]->TabIndex(), 1);
  EXPECT_EQ(pages.Sheets[1]->TabIndex(), -1);
  EXPECT_EQ(control->TabIndex(), 1);
  EXPECT_EQ(control->FindNextPage(pages.Sheets[0], true, true), pages.Sheets[2]);
  EXPECT_EQ(control->FindNextPage(pages.Sheets[0], true, false), pages.Sheets[1]);

  // The shown page losing its tab hands over to the next visible one.
  pages.Sheets[2]->SetTabVisible(false);
  EXPECT_EQ(control->ActivePage(), pages.Sheets[0]);
  pages.Sheets[1]->SetTabVisible(true);
  pages.Sheets[2]->SetTabVisible(true);

  // Captions, order and image indexes reach the tabs.
  pages.Sheets[0]->SetCaption("Renamed");
  EXPECT_EQ(pages.TabText(0), "Renamed");
  pages.Sheets[2]->SetPageIndex(0);
  EXPECT_EQ(pages.TabText(0), "Third");
  EXPECT_EQ(pages.Sheets[0]->PageIndex(), 1);
  EXPECT_EQ(control->Pages(0), pages.Sheets[2]);
  pages.Sheets[1]->SetImageIndex(3);
  TCITEMA item{};
  item.mask = TCIF_IMAGE;
  SendMessageA(control->Handle(), TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 3);
  EXPECT_EQ(pages.Sheets[0]->ImageIndex(), 0);

  // A new window keeps the tabs and the page shown.
  control->SetActivePage(pages.Sheets[1]);
  control->RecreateWnd();
  EXPECT_EQ(pages.TabCount(), 3);
  EXPECT_EQ(pages.TabText(0), "Third");
  EXPECT_EQ(pages.TabText(1), "Renamed");
  EXPECT_EQ(control->TabIndex(), 2);
  EXPECT_EQ(pages.Changes, 0);

  // The shown page going hands over too; a page that goes leaves the list.
  pages.Sheets[1]->Free();
  EXPECT_EQ(control->PageCount(), 2);
  EXPECT_EQ(control->ActivePage(), pages.Sheets[2]);  // wrapped to the first
  EXPECT_EQ(pages.TabCount(), 2);
  EXPECT_THROW(control->Pages(2), EListError);
}

TEST(PageControl, DisplayRectIsWhatTheControlsOwnProcedureAnswers) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* plain = AddChild<TPageControl>(form.get(), Bounds(0, 0, 190, 200));
  auto* framed = AddChild<TFramedPageControl>(form.get(), Bounds(200, 0, 190, 200));
  TPages plainPages(plain);
  TPages framedPages(framed);
  form->Show();
  const TRect native = plain->DisplayRect();
  EXPECT_GT(native.Top, 0);  // below the tabs
  EXPECT_LT(native.Bottom, plain->ClientHeight());
  EXPECT_EQ(framed->DisplayRect(), InflateRect(native, -4, -4));
  EXPECT_EQ(framedPages.Sheets[0]->BoundsRect(), framed->DisplayRect());
  EXPECT_EQ(plainPages.Sheets[0]->BoundsRect(), native);

  // Switching shows the new page in the same place.
  framed->SetActivePage(framedPages.Sheets[1]);
  EXPECT_EQ(framedPages.Sheets[1]->BoundsRect(), framed->DisplayRect());

  // The style: tabs at the bottom move the area up.
  plain->SetTabPosition(tpBottom);
  EXPECT_NE(GetWindowLongA(plain->Handle(), GWL_STYLE) & TCS_BOTTOM, 0);
  EXPECT_LT(plain->DisplayRect().Top, native.Top);
  EXPECT_EQ(plain->DisplayRect().Height(), native.Height());
  EXPECT_EQ(plainPages.Sheets[0]->BoundsRect(), plain->DisplayRect());
}

// The right edge and the top of every tab, in tab order.
std::vector<TRect> TabRects(TPageControl* Control) {
  std::vector<TRect> rects;
  for (int i = 0; i < Control->PageCount(); ++i) {
    RECT r{};
    SendMessageA(Control->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    rects.push_back(FromRECT(r));
  }
  return rects;
}

TEST(PageControl, RowsOfTabsFillTheWidthUnlessRaggedRight) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* control = AddChild<TPageControl>(form.get(), Bounds(0, 0, 150, 200));
  TPages pages(control);
  control->SetMultiLine(true);
  form->Show();
  ASSERT_EQ(SendMessageA(control->Handle(), TCM_GETROWCOUNT, 0, 0), 2);  // First Second / Third
  EXPECT_EQ(GetWindowLongA(control->Handle(), GWL_STYLE) & TCS_RAGGEDRIGHT, 0u);
  const std::vector<TRect> filled = TabRects(control);
  control->SetRaggedRight(true);
  EXPECT_NE(GetWindowLongA(control->Handle(), GWL_STYLE) & TCS_RAGGEDRIGHT, 0u);
  const std::vector<TRect> ragged = TabRects(control);
  ASSERT_EQ(ragged.size(), 3u);
  EXPECT_EQ(filled[1].Right, filled[2].Right) << "both rows reach the right edge";
  EXPECT_LT(ragged[1].Right, filled[1].Right);
  EXPECT_LT(ragged[2].Right, filled[2].Right);
}

TEST(PageControl, ScrollOppositeNeedsSeveralRows) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* control = AddChild<TPageControl>(form.get(), Bounds(0, 0, 150, 200));
  TPages pages(control);
  control->SetScrollOpposite(true);
  EXPECT_TRUE(control->MultiLine());
  form->Show();
  EXPECT_NE(GetWindowLongA(control->Handle(), GWL_STYLE) & TCS_SCROLLOPPOSITE, 0u);
  EXPECT_NE(GetWindowLongA(control->Handle(), GWL_STYLE) & TCS_MULTILINE, 0u);
  control->SetMultiLine(false);
  EXPECT_FALSE(control->ScrollOpposite());
  EXPECT_EQ(GetWindowLongA(control->Handle(), GWL_STYLE) & (TCS_SCROLLOPPOSITE | TCS_MULTILINE), 0u);
}

}  // namespace

namespace {

TEST(PageControl, OnGetImageIndexChoosesEachTabsImageFromThePagesOwn) {
  TOwned<TForm> form(MakeForm(100, 100, 400, 300));
  auto* control = AddChild<TPageControl>(form.get(), Bounds(10, 10, 380, 280));
  TPages pages(control);
  for (int i = 0; i < 3; ++i) pages.Sheets[i]->SetImageIndex(10 + i);
  pages.Sheets[0]->SetTabVisible(false);
  std::vector<std::pair<int, int>> asked;  // tab index, the image offered
  control->OnGetImageIndex = [&](TObject* sender, int tab, int& image) {
    EXPECT_EQ(sender, control);
    asked.emplace_back(tab, image);
    image = 100 + tab;
  };
  form->Show();
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{0, 11}, {1, 12}})) << "visible tabs only, by their index";
  auto tabImage = [&](int index) {
    TCITEMA item{};
    item.mask = TCIF_IMAGE;
    SendMessageA(control->Handle(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  };
  EXPECT_EQ(tabImage(0), 100);
  EXPECT_EQ(tabImage(1), 101);
  EXPECT_EQ(control->GetImageIndex(1), 101);
  control->OnGetImageIndex = nullptr;
  EXPECT_EQ(control->GetImageIndex(1), 12);
  EXPECT_EQ(control->GetImageIndex(2), -1) << "past the tabs";
}

}  // namespace
