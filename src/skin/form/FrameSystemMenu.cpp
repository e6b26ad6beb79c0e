// The skinned frame's system menu (built for the window's state, or the application's own
// with the standard commands added), the tray menu, which caption buttons show and their
// hints, and opening the system menu from the caption, its button and the keyboard.
#include "DynamicSkinForm.h"

#include "ActiveSkinObject.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

#include "skin/data/SkinData.h"

namespace {

// The standard items carry their command in their tag.
TspSystemMenuCommand CommandOf(const TMenuItem& Item) { return static_cast<TspSystemMenuCommand>(Item.Tag()); }

}  // namespace

TspSystemMenuContext TspDynamicSkinForm::SystemMenuContext() const {
  return {FCore.State, FCore.Options.BorderIcons, FCore.Options.MDIChild,
          FSkinData != nullptr ? FSkinData->ResourceStrData() : nullptr};
}

TMenuItem* TspDynamicSkinForm::NewSystemMenuItem(TMenu* Menu, const TspSystemMenuItem& Description) {
  // The menu owns its items: the same names may stand in the system, user and tray menus.
  auto* item = new TMenuItem(Menu);
  item->SetName(Description.Name);
  item->SetCaption(Description.Caption);
  item->SetShortCut(TextToShortCut(Description.ShortCut));
  item->SetTag(static_cast<intptr_t>(Description.Command));
  if (Description.Command != TspSystemMenuCommand::Separator)
    item->OnClick = Event(this, &TspDynamicSkinForm::SystemMenuItemClick);
  return item;
}

void TspDynamicSkinForm::SystemMenuItemClick(TObject* Sender) {
  const auto* item = static_cast<TMenuItem*>(Sender);
  Perform(SystemMenuAction(CommandOf(*item), FCore.State, FCore.Options.AlwaysMinimizeToTray));
}

void TspDynamicSkinForm::BuildDefaultSystemMenu() {
  TMenuItem* root = FDefaultSystemMenu->Items();
  root->Clear();
  for (const TspSystemMenuItem& item : DefaultSystemMenuItems(SystemMenuContext()))
    root->Add(NewSystemMenuItem(FDefaultSystemMenu, item));
}

void TspDynamicSkinForm::UpdateUserSystemMenu() {
  if (!FUseDefaultSysMenu) return;
  TMenuItem* root = FSystemMenu->Items();
  for (int i = root->Count() - 1; i >= 0; --i)
    if (IsStandardSystemMenuItem(root->Items(i)->Name())) root->Items(i)->Free();
  for (const TspSystemMenuItem& item : UserSystemMenuItems(SystemMenuContext())) {
    TMenuItem* standard = NewSystemMenuItem(FSystemMenu, item);
    if (item.AtTop)
      root->Insert(0, standard);
    else
      root->Add(standard);
  }
}

void TspDynamicSkinForm::UpdateTrayMenu() {
  const std::vector<TspSystemMenuItem> items = TrayMenuItems(SystemMenuContext().Strings, FCore.Options.MDIChild);
  TMenuItem* root = FTrayMenu->Items();
  // Made once; later only its captions follow the skin's strings (it may be open).
  if (root->Count() == 0)
    for (const TspSystemMenuItem& item : items) root->Add(NewSystemMenuItem(FTrayMenu, item));
  for (int i = 0; i < root->Count() && i < static_cast<int>(items.size()); ++i)
    root->Items(i)->SetCaption(items[static_cast<size_t>(i)].Caption);
}

TMenuItem* TspDynamicSkinForm::GetSystemMenuItems() {
  if (FSystemMenu != nullptr) {
    UpdateUserSystemMenu();
    return FSystemMenu->Items();
  }
  BuildDefaultSystemMenu();
  return FDefaultSystemMenu->Items();
}

void TspDynamicSkinForm::PopupSystemMenu(int X, int Y) { PopupSystemMenuFromRect(Rect(X, Y, X, Y)); }

void TspDynamicSkinForm::PopupSystemMenuFromRect(const TRect& R) {
  // An MDI child's system menu shows through its main form's engine.
  TspDynamicSkinForm* host = FCore.Options.MDIChild ? GetDynamicSkinForm(Application->MainForm()) : nullptr;
  (host != nullptr ? host : this)->PopupMenuItems(nullptr, GetSystemMenuItems(), R, false);
}

void TspDynamicSkinForm::PopupMenuItems(TControl* Opener, TMenuItem* Items, const TRect& R, bool PopupUp) {
  // An open menu may show the items that are about to be rebuilt.
  if (FSkinMenu->Active()) FSkinMenu->CloseToLevel(0);
  SkinMenuOpen();
  TspSkinData* skin = FMenusSkinData != nullptr ? FMenusSkinData : FSkinData;
  if (!FSkinMenu->Popup(Opener, skin, 0, R, Items, PopupUp)) SkinMenuClose();
}

void TspDynamicSkinForm::ShowSystemMenuFromKeyboard() {
  // The system-menu button, else an animated object with its command.
  const auto sysMenuObject = [this](TspFrameObjectKind Kind) -> const TspActiveSkinObject* {
    for (const auto& object : FObjects)
      if (object->Kind == Kind && object->Command == cmsysmenu && object->Visible) return object.get();
    return nullptr;
  };
  const TspActiveSkinObject* button = sysMenuObject(TspFrameObjectKind::StdButton);
  if (button == nullptr) button = sysMenuObject(TspFrameObjectKind::Animate);
  if (button == nullptr) return;
  const TPoint origin = FrameOrigin();
  PopupSystemMenuFromRect(OffsetRect(button->ObjectRect, origin.X, origin.Y));
}

// Caption buttons

void TspDynamicSkinForm::UpdateButtonStates() {
  const TspFrameOptions& o = FCore.Options;
  for (const auto& object : FObjects) {
    if (!::IsCaptionButton(*object)) continue;
    TspActiveSkinObject* button = object.get();
    if (button->Command == cmdefault) {
      bool visible = !o.HideCaptionButtons;
      if (visible && OnActivateCustomObject) OnActivateCustomObject(button->IDName, visible);
      button->Visible = visible;
      continue;
    }
    // A button of the frame picture shows in its disabled look; one of its own is hidden.
    button->Enabled = CaptionButtonVisible(button->Command, o.BorderIcons, false);
    button->Visible = !o.HideCaptionButtons && (button->Enabled || !button->SkinRectInAPicture);
  }
  UpdateButtonHints();
}

void TspDynamicSkinForm::UpdateButtonHints() {
  if (!FUseDefaultObjectHint || FSkinData == nullptr) return;
  const TspResourceStrData* strings = FSkinData->ResourceStrData();
  for (const auto& object : FObjects)
    if (::IsCaptionButton(*object))
      if (const std::optional<std::string> hint = CaptionButtonHint(object->Command, strings)) object->Hint = *hint;
}
