// The published properties of the class library's classes, and the component classes a
// form resource may create by name.
#include "Actions.h"
#include "Bevel.h"
#include "Bitmap.h"
#include "Button.h"
#include "ClassRegistry.h"
#include "Edit.h"
#include "Form.h"
#include "ImageList.h"
#include "Label.h"
#include "ListBox.h"
#include "Memo.h"
#include "Menus.h"
#include "PageControl.h"
#include "Timer.h"

#include <iterator>

namespace {

// Identifiers of enumerations, in the order of their values.
constexpr const char* kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
constexpr const char* kAnchorNames[] = {"akLeft", "akTop", "akRight", "akBottom"};
constexpr const char* kBiDiModeNames[] = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                          "bdRightToLeftReadingOnly"};
constexpr const char* kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr const char* kBorderStyleNames[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                                             "bsSizeToolWin"};
constexpr const char* kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr const char* kFormStyleNames[] = {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
constexpr const char* kWindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};
constexpr const char* kPositionNames[] = {"poDesigned",      "poDefault",       "poDefaultPosOnly",
                                          "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
                                          "poMainFormCenter", "poOwnerFormCenter"};
constexpr const char* kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
constexpr const char* kListBoxStyleNames[] = {"lbStandard", "lbOwnerDrawFixed"};
constexpr const char* kTextLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};
constexpr const char* kBevelShapeNames[] = {"bsBox",        "bsFrame",      "bsTopLine", "bsBottomLine",
                                            "bsLeftLine", "bsRightLine", "bsSpacer"};
constexpr const char* kBevelStyleNames[] = {"bsLowered", "bsRaised"};
constexpr const char* kMenuAutoFlagNames[] = {"maAutomatic", "maManual", "maParent"};

static_assert(std::size(kAlignNames) == alClient + 1);
static_assert(std::size(kAnchorNames) == akBottom + 1);
static_assert(std::size(kBiDiModeNames) == bdRightToLeftReadingOnly + 1);
static_assert(std::size(kFontStyleNames) == fsStrikeOut + 1);
static_assert(std::size(kBorderStyleNames) == bsSizeToolWin + 1);
static_assert(std::size(kBorderIconNames) == biHelp + 1);
static_assert(std::size(kFormStyleNames) == fsStayOnTop + 1);
static_assert(std::size(kWindowStateNames) == wsMaximized + 1);
static_assert(std::size(kPositionNames) == poOwnerFormCenter + 1);
static_assert(std::size(kScrollStyleNames) == ssBoth + 1);
static_assert(std::size(kListBoxStyleNames) == lbOwnerDrawFixed + 1);
static_assert(std::size(kTextLayoutNames) == tlBottom + 1);
static_assert(std::size(kBevelShapeNames) == bsSpacer + 1);
static_assert(std::size(kBevelStyleNames) == bsRaised + 1);
static_assert(std::size(kMenuAutoFlagNames) == maParent + 1);

void SetStrings(TStrings& strings, const TFormValue& value, TPropertyReader&) {
  const std::vector<std::string> lines = PropertyValues::StringList(value);
  WithUpdate(strings, [&] {
    strings.Clear();
    for (const std::string& line : lines) strings.Add(line);
  });
}

void RegisterSubObjects(TClassRegistry& registry) {
  registry.DefinePersistent<TComponent>("TComponent").Integer("Tag", &TComponent::SetTag);
  registry.DefinePersistent<TFont>("TFont")
      .String("Name", &TFont::SetName)
      .Integer("Height", &TFont::SetHeight)
      .Integer("Size", &TFont::SetSize)
      .Set("Style", &TFont::SetStyle, kFontStyleNames)
      .Color("Color", &TFont::SetColor)
      .Integer("Charset", &TFont::SetCharset);
  registry.DefinePersistent<TSizeConstraints>("TSizeConstraints")
      .Integer("MinWidth", &TSizeConstraints::SetMinWidth)
      .Integer("MaxWidth", &TSizeConstraints::SetMaxWidth)
      .Integer("MinHeight", &TSizeConstraints::SetMinHeight)
      .Integer("MaxHeight", &TSizeConstraints::SetMaxHeight);
  registry.DefinePersistent<TStrings>("TStrings").Custom("Strings", SetStrings);
  registry.DefinePersistent<TBitmap>("TBitmap");  // its picture through DefineProperties
}

void RegisterNonVisualComponents(TClassRegistry& registry) {
  registry.DefinePersistent<TCustomImageList, TComponent>("TCustomImageList")
      .Integer("Width", &TCustomImageList::SetWidth)
      .Integer("Height", &TCustomImageList::SetHeight);
  registry.DefineComponent<TImageList, TCustomImageList>("TImageList");
  registry.DefineComponent<TActionList, TComponent>("TActionList").Reference("Images", &TActionList::SetImages);
  registry.DefinePersistent<TCustomAction, TComponent>("TCustomAction")
      .String("Caption", &TCustomAction::SetCaption)
      .Boolean("Checked", &TCustomAction::SetChecked)
      .Boolean("Enabled", &TCustomAction::SetEnabled)
      .Integer("ImageIndex", &TCustomAction::SetImageIndex)
      .Event("OnExecute", &TCustomAction::OnExecute)
      .Event("OnUpdate", &TCustomAction::OnUpdate);
  registry.DefineComponent<TAction, TCustomAction>("TAction");
  registry.DefineComponent<TTimer, TComponent>("TTimer")
      .Boolean("Enabled", &TTimer::SetEnabled)
      .Integer("Interval", &TTimer::SetInterval)
      .Event("OnTimer", &TTimer::OnTimer);
  registry.DefineComponent<TMenuItem, TComponent>("TMenuItem")
      .String("Caption", &TMenuItem::SetCaption)
      .Boolean("Checked", &TMenuItem::SetChecked)
      .Boolean("RadioItem", &TMenuItem::SetRadioItem)
      .Integer("GroupIndex", &TMenuItem::SetGroupIndex)
      .Boolean("Enabled", &TMenuItem::SetEnabled)
      .Boolean("Visible", &TMenuItem::SetVisible)
      .Boolean("Default", &TMenuItem::SetDefault)
      .String("Hint", &TMenuItem::SetHint)
      .ShortCut("ShortCut", &TMenuItem::SetShortCut)
      .Integer("ImageIndex", &TMenuItem::SetImageIndex)
      .Reference("Action", &TMenuItem::SetAction)
      .Event("OnClick", &TMenuItem::OnClick)
      .Event("OnDrawItem", &TMenuItem::OnDrawItem);
  registry.DefinePersistent<TMenu, TComponent>("TMenu")
      .Reference("Images", &TMenu::SetImages)
      .Enum("AutoLineReduction", &TMenu::SetAutoLineReduction, kMenuAutoFlagNames);
  registry.DefineComponent<TMainMenu, TMenu>("TMainMenu");
  registry.DefineComponent<TPopupMenu, TMenu>("TPopupMenu")
      .Boolean("AutoPopup", &TPopupMenu::SetAutoPopup)
      .Event("OnPopup", &TPopupMenu::OnPopup);
}

void RegisterControlBases(TClassRegistry& registry) {
  registry.DefinePersistent<TControl, TComponent>("TControl")
      .Integer("Left", &TControl::SetLeft)
      .Integer("Top", &TControl::SetTop)
      .Integer("Width", &TControl::SetWidth)
      .Integer("Height", &TControl::SetHeight)
      .Integer("ClientWidth", &TControl::SetClientWidth)
      .Integer("ClientHeight", &TControl::SetClientHeight)
      .Enum("Align", &TControl::SetAlign, kAlignNames)
      .Set("Anchors", &TControl::SetAnchors, kAnchorNames)
      .Object("Constraints", &TControl::Constraints)
      .Boolean("Visible", &TControl::SetVisible)
      .Boolean("Enabled", &TControl::SetEnabled)
      .String("Caption", &TControl::SetText)
      .String("Text", &TControl::SetText)
      .Object("Font", &TControl::Font)
      .Boolean("ParentFont", &TControl::SetParentFont)
      .Color("Color", &TControl::SetColor)
      .Boolean("ParentColor", &TControl::SetParentColor)
      .Ident("Cursor", &TControl::SetCursor, CursorIdents())
      .String("Hint", &TControl::SetHint)
      .Boolean("ShowHint", &TControl::SetShowHint)
      .Boolean("ParentShowHint", &TControl::SetParentShowHint)
      .Reference("PopupMenu", &TControl::SetPopupMenu)
      .Reference("Action", &TControl::SetAction)
      .Enum("BiDiMode", &TControl::SetBiDiMode, kBiDiModeNames)
      .Boolean("ParentBiDiMode", &TControl::SetParentBiDiMode)
      .Event("OnClick", &TControl::OnClick)
      .Event("OnDblClick", &TControl::OnDblClick)
      .Event("OnResize", &TControl::OnResize)
      .Event("OnMouseEnter", &TControl::OnMouseEnter)
      .Event("OnMouseLeave", &TControl::OnMouseLeave)
      .Event("OnMouseDown", &TControl::OnMouseDown)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("OnMouseMove", &TControl::OnMouseMove)
      .Event("OnMouseWheel", &TControl::OnMouseWheel)
      .Event("OnMouseWheelUp", &TControl::OnMouseWheelUp)
      .Event("OnMouseWheelDown", &TControl::OnMouseWheelDown)
      .Event("OnContextPopup", &TControl::OnContextPopup)
      .Enum("DragMode", &TControl::SetDragMode, kDragModeNames)
      .Enum("DragKind", &TControl::SetDragKind, kDragKindNames)
      .Ident("DragCursor", &TControl::SetDragCursor, CursorIdents())
      .Event("OnStartDrag", &TControl::OnStartDrag)
      .Event("OnDragOver", &TControl::OnDragOver)
      .Event("OnDragDrop", &TControl::OnDragDrop)
      .Event("OnEndDrag", &TControl::OnEndDrag)
      .Event("OnStartDock", &TControl::OnStartDock)
      .Event("OnEndDock", &TControl::OnEndDock);
  registry.DefinePersistent<TWinControl, TControl>("TWinControl")
      .Boolean("TabStop", &TWinControl::SetTabStop)
      .Integer("TabOrder", &TWinControl::SetTabOrder)
      .Event("OnEnter", &TWinControl::OnEnter)
      .Event("OnExit", &TWinControl::OnExit)
      .Event("OnKeyDown", &TWinControl::OnKeyDown)
      .Event("OnKeyUp", &TWinControl::OnKeyUp)
      .Event("OnKeyPress", &TWinControl::OnKeyPress)
      .Boolean("DockSite", &TWinControl::SetDockSite)
      .Boolean("UseDockManager", &TWinControl::SetUseDockManager)
      .Event("OnDockDrop", &TWinControl::OnDockDrop)
      .Event("OnDockOver", &TWinControl::OnDockOver)
      .Event("OnGetSiteInfo", &TWinControl::OnGetSiteInfo)
      .Event("OnUnDock", &TWinControl::OnUnDock);
  registry.DefinePersistent<TCustomControl, TWinControl>("TCustomControl");
  registry.DefinePersistent<TGraphicControl, TControl>("TGraphicControl");
}

void RegisterForms(TClassRegistry& registry) {
  registry.DefinePersistent<TCustomForm, TWinControl>("TCustomForm")
      .Enum("BorderStyle", &TCustomForm::SetBorderStyle, kBorderStyleNames)
      .Set("BorderIcons", &TCustomForm::SetBorderIcons, kBorderIconNames)
      .Enum("FormStyle", &TCustomForm::SetFormStyle, kFormStyleNames)
      .Enum("WindowState", &TCustomForm::SetWindowState, kWindowStateNames)
      .Enum("Position", &TCustomForm::SetPosition, kPositionNames)
      .Reference("ActiveControl", &TCustomForm::SetActiveControl)
      .Boolean("KeyPreview", &TCustomForm::SetKeyPreview)
      .Reference("Menu", &TCustomForm::SetMenu)
      .Reference("WindowMenu", &TCustomForm::SetWindowMenu)
      .Event("OnCreate", &TCustomForm::OnCreate)
      .Event("OnShow", &TCustomForm::OnShow)
      .Event("OnHide", &TCustomForm::OnHide)
      .Event("OnDestroy", &TCustomForm::OnDestroy)
      .Event("OnClose", &TCustomForm::OnClose)
      .Event("OnCloseQuery", &TCustomForm::OnCloseQuery)
      .Event("OnShortCut", &TCustomForm::OnShortCut);
  registry.DefinePersistent<TForm, TCustomForm>("TForm");
}

void RegisterStandardControls(TClassRegistry& registry) {
  registry.DefinePersistent<TCustomEdit, TWinControl>("TCustomEdit")
      .Integer("MaxLength", &TCustomEdit::SetMaxLength)
      .Boolean("ReadOnly", &TCustomEdit::SetReadOnly)
      .Enum("BorderStyle", &TCustomEdit::SetBorderStyle, kBorderStyleNames)
      .Enum("CharCase", &TCustomEdit::SetCharCase, kCharCaseNames)
      .Char("PasswordChar", &TCustomEdit::SetPasswordChar)
      .Boolean("AutoSelect", &TCustomEdit::SetAutoSelect)
      .Event("OnChange", &TCustomEdit::OnChange);
  registry.DefinePersistent<TCustomMaskEdit, TCustomEdit>("TCustomMaskEdit")
      .String("EditMask", &TCustomMaskEdit::SetEditMask);
  registry.DefineComponent<TEdit, TCustomEdit>("TEdit");
  registry.DefineComponent<TMemo, TCustomEdit>("TMemo")
      .Object("Lines", &TMemo::Lines)
      .Enum("ScrollBars", &TMemo::SetScrollBars, kScrollStyleNames)
      .Boolean("WordWrap", &TMemo::SetWordWrap)
      .Enum("Alignment", &TMemo::SetAlignment, kAlignmentNames)
      .Enum("BevelOuter", &TMemo::SetBevelOuter, kBevelCutNames);
  registry.DefineComponent<TListBox, TWinControl>("TListBox")
      .Object("Items", &TListBox::Items)
      .Enum("Style", &TListBox::SetStyle, kListBoxStyleNames)
      .Boolean("Sorted", &TListBox::SetSorted)
      .Boolean("MultiSelect", &TListBox::SetMultiSelect)
      .Boolean("ExtendedSelect", &TListBox::SetExtendedSelect)
      .Integer("Columns", &TListBox::SetColumns)
      .Enum("BorderStyle", &TListBox::SetBorderStyle, kBorderStyleNames)
      .Integer("ItemHeight", &TListBox::SetItemHeight)
      .Event("OnDrawItem", &TListBox::OnDrawItem);
  registry.DefineComponent<TButton, TWinControl>("TButton")
      .Boolean("Default", &TButton::SetDefault)
      .Boolean("Cancel", &TButton::SetCancel)
      .Ident("ModalResult", &TButton::SetModalResult, ModalResultIdents());
  registry.DefinePersistent<TCustomLabel, TGraphicControl>("TCustomLabel")
      .Enum("Alignment", &TCustomLabel::SetAlignment, kAlignmentNames)
      .Boolean("AutoSize", &TCustomLabel::SetAutoSize)
      .Enum("Layout", &TCustomLabel::SetLayout, kTextLayoutNames)
      .Boolean("WordWrap", &TCustomLabel::SetWordWrap)
      .Boolean("ShowAccelChar", &TCustomLabel::SetShowAccelChar)
      .Boolean("Transparent", &TCustomLabel::SetTransparent)
      .Reference("FocusControl", &TCustomLabel::SetFocusControl);
  registry.DefineComponent<TLabel, TCustomLabel>("TLabel");
  registry.DefineComponent<TBevel, TGraphicControl>("TBevel")
      .Enum("Shape", &TBevel::SetShape, kBevelShapeNames)
      .Enum("Style", &TBevel::SetStyle, kBevelStyleNames);
  registry.DefinePersistent<TCustomTabControl, TWinControl>("TCustomTabControl")
      .Enum("TabPosition", &TCustomTabControl::SetTabPosition, kTabPositionNames)
      .Boolean("MultiLine", &TCustomTabControl::SetMultiLine)
      .Boolean("RaggedRight", &TCustomTabControl::SetRaggedRight)
      .Boolean("ScrollOpposite", &TCustomTabControl::SetScrollOpposite)
      .Enum("Style", &TCustomTabControl::SetStyle, kTabStyleNames)
      .Boolean("HotTrack", &TCustomTabControl::SetHotTrack)
      .Boolean("OwnerDraw", &TCustomTabControl::SetOwnerDraw)
      .Integer("TabWidth", &TCustomTabControl::SetTabWidth)
      .Integer("TabHeight", &TCustomTabControl::SetTabHeight)
      .Reference("Images", &TCustomTabControl::SetImages)
      .Event("OnChanging", &TCustomTabControl::OnChanging)
      .Event("OnChange", &TCustomTabControl::OnChange)
      .Event("OnDrawTab", &TCustomTabControl::OnDrawTab)
      .Event("OnGetImageIndex", &TCustomTabControl::OnGetImageIndex);
  registry.DefineComponent<TTabSheet, TWinControl>("TTabSheet")
      .Boolean("TabVisible", &TTabSheet::SetTabVisible)
      .Integer("ImageIndex", &TTabSheet::SetImageIndex);
  registry.DefineComponent<TPageControl, TCustomTabControl>("TPageControl")
      .Reference("ActivePage", &TPageControl::SetActivePage);
}

}  // namespace

void RegisterClassLibClasses(TClassRegistry& Registry) {
  RegisterSubObjects(Registry);
  RegisterNonVisualComponents(Registry);
  RegisterControlBases(Registry);
  RegisterForms(Registry);
  RegisterStandardControls(Registry);
}
