#include "RenamePanel.h"

#include "RebuildPage.h"
#include "Rename.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "base/Exceptions.h"
#include "base/ScopeExit.h"

TRenameButtons RenameButtons(bool pending, bool busy) {
  return {.Preview = !busy, .Rename = pending, .Undo = pending, .ReadTags = !pending};
}

TRenamePanel::TRenamePanel(TFileRename& files, TConfigBase& settings, TRebuildPage& page,
                           TRenamePanelView& view)
    : FFiles(files), FSettings(settings), FPage(page), FView(view) {}

void TRenamePanel::RefreshFileNames() {
  const TFileGridContents contents = FileGridContents(FFiles, FSettings);
  FView.ShowFileNames(contents);
  if (contents.LimitReached) ShowFileLimitWarning(FSettings);
}

void TRenamePanel::RefreshButtons(bool pending, bool busy) {
  FSettings.RenamePending = pending;
  FView.ShowButtons(RenameButtons(pending, busy));
}

bool TRenamePanel::HasSelection() const { return FSettings.MainSelection.GetCount() > 0; }

bool TRenamePanel::RebuildPreview(const TReplaceRequest& request) {
  if (!HasSelection()) return false;
  RefreshButtons(false, true);
  bool changed = false;
  // The section check asks again in the next preview; however this one ends, the
  // buttons tell whether names changed.
  TSectionCheck sectionCheck;
  TScopeFail release([&] { RefreshButtons(changed, false); });
  const TRebuildChecks checks = FPage.Checks();
  const bool sections = FSettings.RemoveSectionCount() > 0;
  const bool format = FPage.FormatApplies();
  if (request.Find.empty() && !sections && !checks.CutTillNumber && !checks.UseStartNumber && !format) {
    ShowMessageOk(LangText(TLangText::WarningCaption), LangText(TLangText::NoFilesChangedMessage),
                  FSettings.StoredSkin);
    RefreshButtons(false, false);
    return true;
  }
  if (checks.UseStartNumber && !format) {
    FFiles.AddTrackNumbers(FPage.StartNumber());
    changed = true;
  }
  if (!request.Find.empty()) {
    const TReplaceFlags flags =
        (request.CaseSensitive ? 0 : rfIgnoreCase) | (request.ReplaceAll ? rfReplaceAll : 0);
    FFiles.ReplaceText(request.Find, request.ReplaceBy, flags);
    changed = true;
  }
  bool removed = false;
  if (sections && !FFiles.CheckSections(sectionCheck)) {
    FFiles.RemoveSections();
    FPage.ClearSectionBoxes();
    changed = removed = true;
  }
  if (!removed && checks.CutTillNumber) {
    FFiles.CutTillNumber();
    changed = true;
  }
  if (format && !FFiles.CheckSections(sectionCheck)) {
    FFiles.ApplyFormat(FPage.StartNumber());
    changed = true;
  }
  if (changed) RefreshFileNames();
  RefreshButtons(changed, false);
  return true;
}

bool TRenamePanel::SwitchPreview() {
  if (!HasSelection()) return false;
  RefreshButtons(false, true);
  TScopeFail release([&] { RefreshButtons(false, false); });
  const bool switched = FFiles.SwitchSections();
  if (switched) RefreshFileNames();
  RefreshButtons(switched, false);
  return true;
}

void TRenamePanel::Rename(bool rebuildPage) {
  RefreshButtons(false, true);
  TScopeExit release([&] { RefreshButtons(false, false); });
  if (!FFiles.FilesFound()) return;
  try {
    FFiles.RenameFiles();
  } catch (const Exception& e) {  // the list file or the log; the renamed files stay renamed
    ShowMessageOk(LangText(TLangText::ErrorCaption), e.Message(), FSettings.StoredSkin);
  }
  // The entries carry the names their files have now; the new list is in name order.
  const std::vector<std::string> selected = SelectedFileNames(FFiles, FSettings.MainSelection);
  FFiles.ScanFolder();
  RefreshFileNames();
  FView.SelectRows(RowsOfFileNames(FFiles, selected));
  if (rebuildPage) FPage.ClearSectionBoxes();
}

void TRenamePanel::Undo() {
  RefreshButtons(false, true);
  TScopeExit release([&] { RefreshButtons(false, false); });
  FFiles.ResetNewNames();
  RefreshFileNames();
}
