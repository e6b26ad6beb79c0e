#include "SkinFormClasses.h"

#include "DynamicSkinForm.h"
#include "SkinMDITabsBar.h"
#include "SkinMainMenuBar.h"
#include "TrayIcon.h"

#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinPopupMenu.h"

#include "skin/controls/SkinStatusBar.h"
#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"

#include <iterator>

namespace {

constexpr const char* MDITabKindNames[] = {"sptkTab", "sptkButton"};
constexpr const char* PositionInMonitorNames[] = {"sppDefault", "sppScreenCenter", "sppDesktopCenter"};
static_assert(std::size(PositionInMonitorNames) == sppDesktopCenter + 1);
constexpr const char* BorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biRollUp",
                                            "biMinimizeToTray"};
static_assert(std::size(BorderIconNames) == static_cast<size_t>(TspBorderIcon::biMinimizeToTray) + 1);

using F = TspDynamicSkinForm;
using T = TspTrayIcon;

}  // namespace

void RegisterSkinFormClasses(TClassRegistry& Registry) {
  // The frame names the hint component that shows its objects' hints.
  if (Registry.FindClass("TspSkinHint") == nullptr) RegisterSkinHintClass(Registry);
  // Its icon comes from the application (or its image list): forms store no icon data.
  Registry.DefineComponent<T, TComponent>("TspTrayIcon")
      .Boolean("DesignPreview", &T::SetDesignPreview)
      .Reference("IconList", &T::SetIconList)
      .Boolean("CycleIcons", &T::SetCycleIcons)
      .Integer("AnimateTimerInterval", &T::SetAnimateTimerInterval)
      .Boolean("Enabled", &T::SetEnabled)
      .String("Hint", &T::SetHint)
      .Boolean("ShowHint", &T::SetShowHint)
      .Boolean("IconVisible", &T::SetIconVisible)
      .Integer("IconIndex", &T::SetIconIndex)
      .Reference("PopupMenu", &T::SetPopupMenu)
      .Boolean("PopupByLeftButton", &T::SetPopupByLeftButton)
      .Boolean("MinimizedOnStart", &T::SetMinimizedOnStart)
      .Boolean("MinimizeToTray", &T::SetMinimizeToTray)
      .Event("OnClick", &T::OnClick)
      .Event("OnDblClick", &T::OnDblClick)
      .Event("OnMouseDown", &T::OnMouseDown)
      .Event("OnMouseUp", &T::OnMouseUp)
      .Event("OnMouseMove", &T::OnMouseMove)
      .Event("OnCycle", &T::OnCycle)
      .Event("OnBalloonHintClick", &T::OnBalloonHintClick);

  Registry.DefineComponent<F, TComponent>("TspDynamicSkinForm")
      .Enum("PositionInMonitor", &F::SetPositionInMonitor, PositionInMonitorNames)
      .Reference("StatusBar", &F::SetStatusBar)
      .Boolean("UseFormCursorInNCArea", &F::SetUseFormCursorInNCArea)
      .Integer("MaxMenuItemsInWindow", &F::SetMaxMenuItemsInWindow)
      .Integer("ClientWidth", &F::SetClientWidth)
      .Integer("ClientHeight", &F::SetClientHeight)
      .Boolean("HideCaptionButtons", &F::SetHideCaptionButtons)
      .Boolean("AlwaysShowInTray", &F::SetAlwaysShowInTray)
      .Object("LogoBitMap", &F::LogoBitMap)
      .Boolean("LogoBitMapTransparent", &F::SetLogoBitMapTransparent)
      .Boolean("AlwaysMinimizeToTray", &F::SetAlwaysMinimizeToTray)
      .Boolean("UseSkinFontInMenu", &F::SetUseSkinFontInMenu)
      .Boolean("ShowIcon", &F::SetShowIcon)
      .Boolean("MaximizeOnFullScreen", &F::SetMaximizeOnFullScreen)
      .Reference("SkinHint", &F::SetSkinHint)
      .Boolean("ShowObjectHint", &F::SetShowObjectHint)
      .Boolean("UseDefaultObjectHint", &F::SetUseDefaultObjectHint)
      .Boolean("UseSkinCursors", &F::SetUseSkinCursors)
      .Object("DefCaptionFont", &F::DefCaptionFont)
      .Object("DefInActiveCaptionFont", &F::DefInActiveCaptionFont)
      .Integer("DefMenuItemHeight", &F::SetDefMenuItemHeight)
      .Object("DefMenuItemFont", &F::DefMenuItemFont)
      .Reference("TrayIcon", &F::SetTrayIcon)
      .Boolean("UseDefaultSysMenu", &F::SetUseDefaultSysMenu)
      .Boolean("SupportNCArea", &F::SetSupportNCArea)
      .Boolean("AlphaBlendAnimation", &F::SetAlphaBlendAnimation)
      .Integer("AlphaBlendValue", &F::SetAlphaBlendValue)
      .Boolean("AlphaBlend", &F::SetAlphaBlend)
      .Boolean("MenusAlphaBlend", &F::SetMenusAlphaBlend)
      .Boolean("MenusAlphaBlendAnimation", &F::SetMenusAlphaBlendAnimation)
      .Integer("MenusAlphaBlendValue", &F::SetMenusAlphaBlendValue)
      .Reference("MainMenu", &F::SetMainMenu)
      .Reference("SystemMenu", &F::SetSystemMenu)
      .Reference("SkinData", &F::SetSkinData)
      .Reference("MenusSkinData", &F::SetMenusSkinData)
      .Integer("MinHeight", &F::SetMinHeight)
      .Integer("MinWidth", &F::SetMinWidth)
      .Integer("MaxHeight", &F::SetMaxHeight)
      .Integer("MaxWidth", &F::SetMaxWidth)
      .Boolean("Sizeable", &F::SetSizeable)
      .Boolean("DraggAble", &F::SetDraggAble)
      .Boolean("Magnetic", &F::SetMagnetic)
      .Integer("MagneticSize", &F::SetMagneticSize)
      .Set("BorderIcons", &F::SetBorderIcons, BorderIconNames)
      .Event("OnCaptionPaint", &F::OnCaptionPaint)
      .Event("OnChangeClientRect", &F::OnChangeClientRect)
      .Event("OnChangeSkinData", &F::OnChangeSkinData)
      .Event("OnMouseUpEvent", &F::OnMouseUpEvent)
      .Event("OnMouseDownEvent", &F::OnMouseDownEvent)
      .Event("OnMouseMoveEvent", &F::OnMouseMoveEvent)
      .Event("OnMouseEnterEvent", &F::OnMouseEnterEvent)
      .Event("OnMouseLeaveEvent", &F::OnMouseLeaveEvent)
      .Event("OnPaintEvent", &F::OnPaintEvent)
      .Event("OnSwitchChangeStateEvent", &F::OnSwitchChangeStateEvent)
      .Event("OnTrackBarChangeValueEvent", &F::OnTrackBarChangeValueEvent)
      .Event("OnFrameRegulatorChangeValueEvent", &F::OnFrameRegulatorChangeValueEvent)
      .Event("OnActivate", &F::OnActivate)
      .Event("OnDeActivate", &F::OnDeActivate)
      .Event("OnSkinMenuOpen", &F::OnSkinMenuOpen)
      .Event("OnSkinMenuClose", &F::OnSkinMenuClose)
      .Event("OnChangeRollUpState", &F::OnChangeRollUpState)
      .Event("OnMainMenuEnter", &F::OnMainMenuEnter)
      .Event("OnMainMenuExit", &F::OnMainMenuExit)
      .Event("OnMinimizeToTray", &F::OnMinimizeToTray)
      .Event("OnRestoreFromTray", &F::OnRestoreFromTray)
      .Event("OnActivateCustomObject", &F::OnActivateCustomObject)
      .Event("OnMinimize", &F::OnMinimize)
      .Event("OnRestore", &F::OnRestore)
      .Event("OnMaximize", &F::OnMaximize)
      .Event("OnShortCut", &F::OnShortCut);

  using B = TspSkinMainMenuBar;
  Registry.DefineComponent<B, TspSkinControl>("TspSkinMainMenuBar")
      .Boolean("UseSkinFont", &B::SetUseSkinFont)
      .Boolean("ScrollMenu", &B::SetScrollMenu)
      .Object("DefItemFont", &B::DefItemFont)
      .Integer("DefaultWidth", &B::SetDefaultWidth)
      .Integer("DefaultHeight", &B::SetDefaultHeight)
      .Boolean("PopupToUp", &B::SetPopupToUp)
      .Reference("DynamicSkinForm", &B::SetDynamicSkinForm)
      .Reference("MainMenu", &B::SetMainMenu)
      .Event("OnMainMenuItemClick", &B::OnMainMenuItemClick)
      .Event("OnItemMouseEnter", &B::OnItemMouseEnter)
      .Event("OnItemMouseLeave", &B::OnItemMouseLeave);
  using M = TspSkinMDITabsBar;
  Registry.DefineComponent<M, TspSkinControl>("TspSkinMDITabsBar")
      .Boolean("ShowCloseButtons", &M::SetShowCloseButtons)
      .Enum("TabKind", &M::SetTabKind, MDITabKindNames)
      .Reference("DynamicSkinForm", &M::SetDynamicSkinForm)
      .Boolean("SupportChildMenus", &M::SetSupportChildMenus)
      .Boolean("UseSkinSize", &M::SetUseSkinSize)
      .Boolean("UseSkinFont", &M::SetUseSkinFont)
      .Boolean("MoveTabs", &M::SetMoveTabs)
      .Integer("DefaultHeight", &M::SetDefaultHeight)
      .Object("DefaultFont", &M::DefaultFont)
      .Integer("DefaultTabWidth", &M::SetDefaultTabWidth)
      .Integer("MinTabWidth", &M::SetMinTabWidth)
      .Event("OnTabMouseEnter", &M::OnTabMouseEnter)
      .Event("OnTabMouseLeave", &M::OnTabMouseLeave)
      .Event("OnTabMouseDown", &M::OnTabMouseDown)
      .Event("OnTabMouseUp", &M::OnTabMouseUp);
  // The frame and its bars refer to each other.
  Registry.Extend<F>()
      .Reference("MainMenuBar", &F::SetMainMenuBar)
      .Reference("MDITabsBar", &F::SetMDITabsBar);
}
