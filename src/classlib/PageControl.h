#pragma once
// TPageControl and TTabSheet: a tab control whose tabs are the captions of its pages.
// The page of the selected tab shows; the others are hidden. Pages whose tab is not
// visible have no tab, so a tab's index counts the visible tabs only.

#include "TabControl.h"

#include <vector>

class TPageControl;

class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* AOwner);

  TPageControl* PageControl() const;
  // Makes the sheet a page of Value (its parent), the last one.
  void SetPageControl(TPageControl* Value);
  int PageIndex() const;
  void SetPageIndex(int Value);
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  // The index of the sheet's tab among the visible ones, -1 without a tab.
  int TabIndex() const;
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

  void Dispatch(TMessage& Message) override;

private:
  bool FTabVisible = true;
  int FImageIndex = 0;
};

class TPageControl : public TCustomTabControl {
public:
  explicit TPageControl(TComponent* AOwner);

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const;
  // The page shown. Setting it fires neither OnChanging nor OnChange.
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* Value);
  int ActivePageIndex() const;
  void SetActivePageIndex(int Value);
  // Shows the page of that visible tab.
  void SetTabIndex(int Value) override;
  // The page after CurPage (before it going backward), wrapping around, whose tab shows
  // when CheckTabVisible; CurPage itself when it is the only one; nullptr when none.
  TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible);

  void Dispatch(TMessage& Message) override;

protected:
  void Change() override;
  void CreateWnd() override;
  // The page's ImageIndex; -1 past the tabs shown.
  int TabImageIndex(int TabIndex) override;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TControl* Control);
  void MovePage(TTabSheet* Page, int Index);
  void TabVisibleChanged(TTabSheet* Page);
  void UpdateTab(TTabSheet* Page);
  void RebuildTabs();
  void ChangeActivePage(TTabSheet* Page);
  int TabIndexOf(const TTabSheet* Page) const;
  TTabSheet* PageOfTab(int TabIndex) const;

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
