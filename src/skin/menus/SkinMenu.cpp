#include "SkinMenu.h"

#include "SkinMenuItem.h"
#include "SkinPopupWindow.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinSystem.h"

#include "base/DispatchScope.h"

#include <algorithm>

namespace {

constexpr unsigned SubmenuDelay = 500;

// A control hears by its window when it has one, else directly.
void SendTo(TControl* Control, UINT Msg) {
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (windowed != nullptr && windowed->HandleAllocated())
    SendMessageA(windowed->Handle(), Msg, 0, 0);
  else
    Control->Perform(Msg, 0, 0);
}

// The command of a menu item, taken while the item is there and run later: through the
// command dispatch of the menu that holds the item (a freed item has left it, and its
// number finds nothing; a freed menu runs nothing), or by clicking the item itself when
// it is in no menu. The engine's scope keeps both whole meanwhile.
class TItemCommand {
public:
  explicit TItemCommand(TMenuItem* Item)
      : FCommand(Item->Command()), FMenu(Item->GetParentMenu()), FItem(FMenu == nullptr ? Item : nullptr) {}

  void Run() {
    if (FMenu != nullptr) {
      FMenu->DispatchCommand(FCommand);
    } else if (FItem != nullptr) {
      FItem->Click();
    }
  }

private:
  uint16_t FCommand;
  TMenu* FMenu;
  TMenuItem* FItem;
};

}  // namespace

bool IsSkinMenuCloseMessage(UINT Msg) {
  switch (Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY: return true;
    default: return false;
  }
}

TspSkinMenu::TspSkinMenu(TComponent* AOwner, TCustomForm* AForm)
    : TComponent(AOwner), FSubmenuTimer(NewStoppedTimer(this, SubmenuDelay, Event(this, &TspSkinMenu::SubmenuTimerTick))) {
  SetReference(FForm, AForm);
  SetDefaultSkinFont(FDefaultMenuItemFont);
}

TspSkinMenu::~TspSkinMenu() { CloseForGood(); }

void TspSkinMenu::BeforeDestruction() {
  CloseForGood();  // before the levels go with the engine's components
  TComponent::BeforeDestruction();
}

void TspSkinMenu::CloseForGood() {
  if (FClosedForGood) return;
  FClosedForGood = true;
  // A level whose Show runs below this call outlives the engine and frees itself when
  // its Show ends (letting it go drops it from the list).
  const std::vector<TspSkinPopupWindow*> levels = FPopupWindows;
  for (TspSkinPopupWindow* window : levels) {
    if (!window->InShow()) continue;
    window->Abandon(true);
    RemoveComponent(window);
  }
  CloseToLevel(0);
}

void TspSkinMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupControl) FPopupControl = nullptr;
  if (AComponent == FExecutedControl) FExecutedControl = nullptr;
  if (AComponent == FForm) FForm = nullptr;
  if (AComponent == FSkinData) FSkinData = nullptr;
  const auto level = std::find(FPopupWindows.begin(), FPopupWindows.end(), AComponent);
  if (level != FPopupWindows.end()) {
    if (FWaitItem != nullptr && FWaitItem->Parent == *level) CancelSubmenuWait();
    FPopupWindows.erase(level);
  }
}

TspDataSkinPopupWindow* TspSkinMenu::PopupSkin() const {
  if (FSkinData == nullptr || FSkinData->Empty()) return nullptr;
  TspDataSkinPopupWindow& entry = FSkinData->PopupWindow;
  return IsPictureIndex(entry.WindowPictureIndex, FSkinData->ActivePictures.size()) ? &entry : nullptr;
}

bool TspSkinMenu::Popup(TControl* AControl, TspSkinData* ASkinData, int StartIndex, const TRect& R,
                        TMenuItem* AItem, bool PopupUp) {
  return OpenMenu(AControl, ASkinData, StartIndex, R, AItem, nullptr, PopupUp);
}

bool TspSkinMenu::PopupMerged(TControl* AControl, TspSkinData* ASkinData, int StartIndex, const TRect& R,
                              TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp) {
  return OpenMenu(AControl, ASkinData, StartIndex, R, AItem, AItem2, PopupUp);
}

bool TspSkinMenu::OpenMenu(TControl* AControl, TspSkinData* ASkinData, int StartIndex, const TRect& R,
                           TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp) {
  const TDispatchScope running(this);
  FFirstOpen = !FActive;
  // The menu that is open closes first and its own opener hears of it; the new opener is
  // taken only once its menu opens. Taken before the close, the new opener would be told
  // its menu closed before it showed, the old opener would never hear, and the new menu
  // would run without an opener. The closing menu's handlers may free the engine or the
  // new opener: then nothing opens.
  if (!FPopupWindows.empty()) CloseToLevel(0);
  if (FreePending() || (AControl != nullptr && AControl->FreePending())) return false;
  GetMonitorArea(FForm != nullptr && FForm->HandleAllocated() ? FForm->Handle() : nullptr, true, FWorkArea);
  SetSkinData(ASkinData);
  // A merged level lists the second item's children only after children of the first.
  const int count = AItem != nullptr && AItem->Count() > 0
                        ? AItem->Count() + (AItem2 != nullptr ? AItem2->Count() : 0)
                        : 0;
  if (count <= StartIndex) {
    FFirstOpen = false;
    return false;
  }
  SetReference(FPopupControl, AControl);
  FActive = true;
  const bool opened = OpenLevel(R, AItem, AItem2, StartIndex, false, PopupUp);
  if (FreePending()) return false;
  FFirstOpen = false;
  return opened;
}

bool TspSkinMenu::OpenLevel(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool IsSubmenu,
                            bool PopupUp) {
  auto* window = new TspSkinPopupWindow(this, this, PopupSkin());
  FPopupWindows.push_back(window);
  if (AItem2 != nullptr)
    window->ShowMerged(R, AItem, AItem2, StartIndex, IsSubmenu, PopupUp);
  else
    window->Show(R, AItem, StartIndex, IsSubmenu, PopupUp);
  if (FreePending()) return false;
  if (!window->Abandoned()) return true;
  window->Free();  // closed while it showed
  return false;
}

void TspSkinMenu::ReleaseLevel(TspSkinPopupWindow* Window) {
  if (FWaitItem != nullptr && FWaitItem->Parent == Window) CancelSubmenuWait();
  if (Window->InShow())
    Window->Abandon(false);
  else
    Window->Free();
}

void TspSkinMenu::CloseToLevel(int Level) {
  const TDispatchScope running(this);  // the opener's and OnMenuClose's handlers may free the engine
  Level = std::max(Level, 0);
  while (static_cast<int>(FPopupWindows.size()) > Level) {
    TspSkinPopupWindow* window = FPopupWindows.back();
    FPopupWindows.pop_back();
    ReleaseLevel(window);
  }
  if (Level == 0) NotifyClosed();
}

void TspSkinMenu::NotifyClosed() {
  FSubmenuTimer->SetEnabled(false);
  FActive = false;
  SetReference(FExecutedControl, FPopupControl);
  // Both are taken first: a handler may open the next menu, with an opener and a close
  // event of its own.
  TControl* opener = FPopupControl;
  SetReference(FPopupControl, static_cast<TControl*>(nullptr));
  const TNotifyEvent onClose = OnMenuClose;
  OnMenuClose = nullptr;
  if (opener != nullptr) SendTo(opener, SP_MENU_CLOSED);
  if (onClose) onClose(this);
}

void TspSkinMenu::CloseMenu() {
  const TDispatchScope running(this);
  CloseToLevel(0);
  CancelSubmenuWait();
  if (FForm != nullptr) SendTo(FForm, SP_MENU_CLOSED);
}

void TspSkinMenu::CancelSubmenuWait() {
  FSubmenuTimer->SetEnabled(false);
  FWaitItem = nullptr;
}

int TspSkinMenu::IndexOfWindow(const TspSkinPopupWindow* Window) const {
  return static_cast<int>(std::find(FPopupWindows.begin(), FPopupWindows.end(), Window) - FPopupWindows.begin());
}

void TspSkinMenu::CloseLevelsAfter(const TspSkinPopupWindow* Window) {
  const int next = IndexOfWindow(Window) + 1;
  if (next < static_cast<int>(FPopupWindows.size())) CloseToLevel(next);
}

void TspSkinMenu::ItemSelected(TspSkinPopupWindow* Window, TspSkinMenuItem* Item, bool Open, bool ByKeyboard) {
  // A disabled item opens nothing and runs nothing.
  if (Window == nullptr || Item == nullptr || !Item->IsEnabled()) return;
  const TDispatchScope running(this);  // an item's handlers may free the engine or a level
  if (!Item->HasChildren()) {
    if (Open) {
      RunCommand(Item);
    } else {
      CancelSubmenuWait();
      CloseLevelsAfter(Window);
    }
  } else if (Open) {
    OpenSubmenu(Window, Item);
  } else if (!ByKeyboard) {
    CancelSubmenuWait();
    CloseLevelsAfter(Window);
    FWaitItem = Item;
    FSubmenuTimer->SetEnabled(true);
  }
}

void TspSkinMenu::RunCommand(TspSkinMenuItem* Item) {
  CancelSubmenuWait();
  // The level that holds the item goes with the menu: the command is taken first.
  TItemCommand command(Item->MenuItem);
  CloseMenu();
  command.Run();
  // Also when no item took the command (its menu went while the menu closed): the opener
  // hears that a command of its menu was chosen.
  if (FExecutedControl != nullptr) SendTo(FExecutedControl, SP_MENU_ITEM_EXECUTED);
}

void TspSkinMenu::OpenSubmenu(TspSkinPopupWindow* Window, TspSkinMenuItem* Item) {
  // The item's own click handler runs before its children show; it may close the menu, or
  // free the engine or the level: then no submenu opens.
  TItemCommand(Item->MenuItem).Run();
  if (FreePending() || Window->FreePending() || IndexOfWindow(Window) == static_cast<int>(FPopupWindows.size()) ||
      !Item->HasChildren())
    return;
  CancelSubmenuWait();
  CloseLevelsAfter(Window);
  Item->Opened = true;
  const TRect r = OffsetRect(Item->ItemRect, Window->Left(), Window->Top());
  OpenLevel(r, Item->MenuItem, nullptr, 0, true, false);
}

void TspSkinMenu::SubmenuTimerTick(TObject*) {
  TspSkinMenuItem* item = FWaitItem;
  CancelSubmenuWait();
  if (item != nullptr) ItemSelected(item->Parent, item, true, false);
}
