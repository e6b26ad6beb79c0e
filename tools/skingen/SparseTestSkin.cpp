#include "SparseTestSkin.h"

#include "FlatTestSkin.h"

#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinViewData.h"

namespace {

constexpr const char* MissingEntries[] = {
    "editbutton", "resizetoolbutton", "vtracktoolbutton", "htracktoolbutton", "bothhscrollbar",
    "label", "rollupbutton", "traybutton", "menubarsysmenubutton",
    // The flat-colour skin's own additions.
    "combobutton", "menuheader", "menuitembutton", "MAINMENUITEM"};

// Every button entry left keeps its normal look only.
void ClearButtonStates(TspDataSkinButtonControl& B) {
  B.ActiveSkinRect = B.DownSkinRect = B.FocusedSkinRect = B.DisabledSkinRect = {};
}

void ClearControlStates(TSkinBuilder& Skin) {
  for (const char* id : {"button", "resizebutton", "toolbutton", "bigtoolbutton", "buttondelete"})
    ClearButtonStates(Skin.Control<TspDataSkinButtonControl>(id));
  for (const char* id :
       {"toolmenubutton", "toolmenutrackbutton", "bigtoolmenubutton", "bigtoolmenutrackbutton"}) {
    auto& b = Skin.Control<TspDataSkinMenuButtonControl>(id);
    ClearButtonStates(b);
    b.MenuMarkerActiveRect = b.MenuMarkerDownRect = b.MenuMarkerFlatRect = {};
  }
  for (const char* id : {"checkbox", "radiobox"}) {
    auto& c = Skin.Control<TspDataSkinCheckRadioControl>(id);
    c.ActiveSkinRect = c.ActiveCheckImageRect = c.ActiveGrayedCheckImageRect =
        c.ActiveUncheckImageRect = {};
    c.UnenabledCheckImageRect = c.UnenabledGrayedCheckImageRect = c.UnenabledUncheckImageRect = {};
  }
  for (const char* id :
       {"edit", "tooledit", "statusedit", "buttonedit", "toolbuttonedit", "statusbuttonedit"}) {
    auto& e = Skin.Control<TspDataSkinEditControl>(id);
    e.ActiveSkinRect = e.DisabledSkinRect = e.DownButtonRect = e.UnenabledButtonRect = {};
  }
  for (const char* id : {"listbox", "captionlistbox", "checklistbox", "captionchecklistbox"}) {
    auto& l = Skin.Control<TspDataSkinListBox>(id);
    l.ActiveItemRect = l.FocusItemRect = l.DownUpButtonRect = l.DownDownButtonRect =
        l.DownCheckButtonRect = {};
    l.VScrollBarName = l.HScrollBarName = l.BothHScrollBarName = {};
  }
  for (const char* id : {"combobox", "captioncombobox", "toolcombobox", "statuscombobox"}) {
    auto& c = Skin.Control<TspDataSkinComboBox>(id);
    c.ActiveSkinRect = c.DisabledSkinRect = c.FocusItemRect = c.ActiveItemRect =
        c.DownButtonRect = {};
    c.ListBoxName.clear();
  }
  for (const char* id : {"vscrollbar", "hscrollbar"}) {
    auto& s = Skin.Control<TspDataSkinScrollBarControl>(id);
    s.DownUpButtonRect = s.DownDownButtonRect = s.ActiveThumbRect = s.DownThumbRect = {};
    s.GlyphRect = s.ActiveGlyphRect = s.DownGlyphRect = {};
  }
  for (const char* id : {"vupdown", "hupdown"}) {
    auto& u = Skin.Control<TspDataSkinUpDownControl>(id);
    u.DownUpButtonRect = u.DownDownButtonRect = {};
  }
  auto& tab = Skin.Control<TspDataSkinTabControl>("tab");
  tab.ActiveTabRect = tab.FocusTabRect = tab.MouseInTabRect = tab.TabsBGRect = {};
  tab.CloseButtonRect = tab.CloseButtonActiveRect = tab.CloseButtonDownRect = {};
  tab.UpDown.clear();
  auto& grid = Skin.Control<TspDataSkinGridControl>("grid");
  grid.FocusCellRect = {};
  Skin.Control<TspDataSkinPanelControl>("statusbar").GripperRect = {};
  Skin.Control<TspDataSkinStdLabelControl>("stdlabel").ActiveFontColor = 16711680;  // its default
}

void ClearObjectStates(TSkinBuilder& Skin) {
  auto& item = Skin.Object<TspDataSkinMenuItem>("menuitem");
  item.ActiveCheckImageRect = item.ActiveRadioImageRect = item.ActiveArrowImageRect = {};
  item.DividerRect = item.AnimateSkinRect = {};
  item.FrameCount = 0;
  item.Morphing = false;
  auto& barItem = Skin.Object<TspDataSkinMainMenuBarItem>("mainmenubaritem");
  barItem.DownRect = barItem.AnimateSkinRect = {};
  barItem.FrameCount = 0;
  Skin.Object<TspDataSkinCaption>("caption").ActiveSkinRect = {};
  for (const char* id : {"closebutton", "minimizebutton", "maximizebutton", "sysmenubutton"}) {
    auto& b = Skin.Object<TspDataSkinStdButton>(id);
    b.RestoreRect = b.RestoreActiveRect = b.RestoreDownRect = b.RestoreInActiveRect = {};
    b.InActiveSkinRect = {};
    b.Morphing = false;
  }
  for (const char* id : {"menubarclosebutton", "menubarmaxbutton", "menubarminbutton"})
    Skin.Object<TspDataSkinMainMenuBarButton>(id).DownRect = {};
}

}  // namespace

std::span<const char* const> SparseMissingEntries() { return MissingEntries; }

void PaintSparseTestSkin(TSkinBuilder& Skin) {
  PaintFlatTestSkin(Skin);
  Skin.PopupWindow.reset();
  Skin.HintWindow.reset();
  Skin.RemoveInactiveFramePicture();
  Skin.RemoveFrameMask();
  for (const char* id : MissingEntries) Skin.RemoveEntry(id);
  ClearControlStates(Skin);
  ClearObjectStates(Skin);
}
