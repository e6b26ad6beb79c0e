#include "SystemMenu.h"

namespace {

using Cmd = TspSystemMenuCommand;

struct TItemText {
  const char* Name;
  TspSkinStringRole Caption;
};

// Indexed by command (all but the separator).
constexpr TItemText ItemTexts[] = {
    {"DSF_MINITEM", ssMinimizeCaption},       {"DSF_MAXITEM", ssMaximizeCaption},
    {"DSF_RESTORE", ssRestoreCaption},        {"DSF_ROLLUP", ssRollUpCaption},
    {"DSF_MINTOTRAY", ssMinimizeToTrayCaption}, {"DSF_CLOSE", ssCloseCaption},
    {"TRAY_DSF_RESTORE", ssRestoreCaption},
};
constexpr const char* TrayCloseName = "TRAY_DSF_CLOSE";

TspSystemMenuItem Item(Cmd Command, const TspResourceStrData* Strings, bool MDIChild) {
  const TItemText& text = ItemTexts[static_cast<int>(Command)];
  TspSystemMenuItem item{Command, text.Name, SkinString(Strings, text.Caption), {}, false};
  if (Command == Cmd::Close) item.ShortCut = MDIChild ? "Ctrl+F4" : "Alt+F4";
  return item;
}

TspSystemMenuItem Separator() { return {Cmd::Separator, {}, "-", {}, false}; }

bool Has(const TspSystemMenuContext& C, TspBorderIcon Icon) { return C.BorderIcons.Contains(Icon); }

bool RestoreOffered(const TspFrameState& S) { return !S.Normal() || S.RollUpState; }

bool RollUpOffered(const TspSystemMenuContext& C) {
  const bool maximizedMDIChild = C.MDIChild && C.State.Maximized();
  return Has(C, TspBorderIcon::biRollUp) && !C.State.RollUpState && !C.State.Minimized() && !maximizedMDIChild;
}

}  // namespace

std::vector<TspSystemMenuItem> DefaultSystemMenuItems(const TspSystemMenuContext& C) {
  const auto item = [&](Cmd Command) { return Item(Command, C.Strings, C.MDIChild); };
  std::vector<TspSystemMenuItem> items;
  if (!C.State.Minimized() && Has(C, TspBorderIcon::biMinimize)) items.push_back(item(Cmd::Minimize));
  if (!C.State.Maximized() && Has(C, TspBorderIcon::biMaximize)) items.push_back(item(Cmd::Maximize));
  if (RestoreOffered(C.State)) items.push_back(item(Cmd::Restore));
  if (RollUpOffered(C)) items.push_back(item(Cmd::RollUp));
  if (Has(C, TspBorderIcon::biMinimizeToTray)) items.push_back(item(Cmd::MinimizeToTray));
  if (!items.empty()) items.push_back(Separator());
  items.push_back(item(Cmd::Close));
  return items;
}

std::vector<TspSystemMenuItem> UserSystemMenuItems(const TspSystemMenuContext& C) {
  const auto item = [&](Cmd Command) { return Item(Command, nullptr, C.MDIChild); };
  std::vector<TspSystemMenuItem> items;
  if (Has(C, TspBorderIcon::biMinimizeToTray)) items.push_back(item(Cmd::MinimizeToTray));
  if (RollUpOffered(C)) items.push_back(item(Cmd::RollUp));
  if (Has(C, TspBorderIcon::biMaximize) && !C.State.Maximized()) {
    items.push_back(item(Cmd::Maximize));
    items.back().AtTop = true;
  }
  if (RestoreOffered(C.State)) items.push_back(item(Cmd::Restore));
  if (!C.State.Minimized() && Has(C, TspBorderIcon::biMinimize)) items.push_back(item(Cmd::Minimize));
  items.push_back(item(Cmd::Close));
  return items;
}

bool IsStandardSystemMenuItem(const std::string& Name) {
  for (Cmd command : {Cmd::Minimize, Cmd::Maximize, Cmd::Restore, Cmd::RollUp, Cmd::MinimizeToTray, Cmd::Close})
    if (Name == ItemTexts[static_cast<int>(command)].Name) return true;
  return false;
}

std::vector<TspSystemMenuItem> TrayMenuItems(const TspResourceStrData* Strings, bool MDIChild) {
  TspSystemMenuItem close = Item(Cmd::Close, Strings, MDIChild);
  close.Name = TrayCloseName;
  return {Item(Cmd::TrayRestore, Strings, MDIChild), Separator(), close};
}

TspFrameAction SystemMenuAction(TspSystemMenuCommand Command, const TspFrameState& State,
                                bool AlwaysMinimizeToTray) {
  switch (Command) {
    case Cmd::Minimize: return AlwaysMinimizeToTray ? TspFrameAction::MinimizeToTray : TspFrameAction::Minimize;
    case Cmd::Maximize: return TspFrameAction::Maximize;
    case Cmd::Restore: {
      const bool rolledInThisState = State.Maximized() ? State.MaximizedRollUp : State.Normal() && State.RollUpState;
      return rolledInThisState ? TspFrameAction::Unroll : TspFrameAction::Restore;
    }
    case Cmd::RollUp: return TspFrameAction::RollUp;
    case Cmd::MinimizeToTray: return TspFrameAction::MinimizeToTray;
    case Cmd::Close: return TspFrameAction::Close;
    case Cmd::TrayRestore: return TspFrameAction::RestoreFromTray;
    default: return TspFrameAction::None;
  }
}
