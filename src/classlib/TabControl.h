#pragma once
// TCustomTabControl: the system's tab control (SysTabControl32) with its styles,
// geometry and change events. Descendants decide what the tabs are (TPageControl).

#include "CustomControls.h"
#include "ImageList.h"

#include "portable/ControlEnums.h"

#include <string>

class TCustomTabControl;

using TTabChangingEvent = TDelegate<void(TObject* Sender, bool& AllowChange)>;
using TDrawTabEvent = TDelegate<void(TCustomTabControl* Control, int TabIndex, const TRect& Rect, bool Active)>;
using TTabGetImageEvent = TDelegate<void(TObject* Sender, int TabIndex, int& ImageIndex)>;

class TCustomTabControl : public TWinControl {
public:
  explicit TCustomTabControl(TComponent* AOwner);

  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value) { SetRecreating(FTabPosition, Value); }
  // Vertical tabs always take several rows.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  // Rows of tabs keep the tabs' own widths instead of stretching them to the full width.
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value) { SetRecreating(FRaggedRight, Value); }
  // The rows before the selected tab's move to the opposite side of the pages. It needs
  // several rows: on, it turns MultiLine on; MultiLine off turns it off.
  bool ScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool Value);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle Value) { SetRecreating(FStyle, Value); }
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { SetRecreating(FHotTrack, Value); }
  // The tabs are drawn by DrawTab (OnDrawTab).
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value) { SetRecreating(FOwnerDraw, Value); }
  // 0: as wide as the caption needs; 0 height: as high as the font needs.
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  // The images of the tabs, given to the system control (not owned).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // The image of the tab at TabIndex (among the tabs shown): the tab's own, which
  // OnGetImageIndex may change; -1 for none.
  int GetImageIndex(int TabIndex);

  // The selected tab's index among the tabs shown, -1 for none. Setting it fires nothing.
  int TabIndex();
  virtual void SetTabIndex(int Value);
  // The area inside the tabs and borders, as the control's window procedure answers
  // TCM_ADJUSTRECT for the client area.
  TRect DisplayRect();
  TCanvas* Canvas() { return &FCanvas; }

  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Asked before the user selects another tab; AllowChange = false keeps the current one.
  TTabChangingEvent OnChanging;
  // After the user selected another tab.
  TNotifyEvent OnChange;
  TDrawTabEvent OnDrawTab;
  TTabGetImageEvent OnGetImageIndex;

protected:
  virtual bool CanChange();
  virtual void Change();
  virtual void DrawTab(int TabIndex, const TRect& Rect, bool Active);
  // The tab's own image before OnGetImageIndex: here its index.
  virtual int TabImageIndex(int TabIndex) { return TabIndex; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void AdjustClientRect(TRect& Rect) override;

  // The system control's tab items, for descendants.
  int TabItemCount();
  void InsertTabItem(int Index, const std::string& Caption, int ImageIndex);
  void SetTabItem(int Index, const std::string& Caption, int ImageIndex);
  void DeleteAllTabItems();

private:
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  LRESULT SendTabItem(UINT Msg, int Index, const std::string& Caption, int ImageIndex);
  void UpdateItemSize();
  void UpdateImageList();
  void HandleNotify(TMessage& Message);

  TTabPosition FTabPosition = tpTop;
  bool FMultiLine = false;
  bool FRaggedRight = false;
  bool FScrollOpposite = false;
  TTabStyle FStyle = tsTabs;
  bool FHotTrack = false;
  bool FOwnerDraw = false;
  int FTabWidth = 0;
  int FTabHeight = 0;
  TCustomImageList* FImages = nullptr;
  TControlCanvas FCanvas;
};
