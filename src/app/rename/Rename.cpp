#include "Rename.h"

#include "RenameRun.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"
#include "app/settings/NameFormat.h"
#include "app/settings/NameRules.h"
#include "app/settings/Session.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "tags/TagEnvironment.h"

#include <exception>
#include <memory>

TFileRename* FileList = nullptr;

namespace {

// Normal, read-only, hidden, system and archive files; no folders or volume labels.
constexpr int32_t kScanAttributes = faReadOnly | faHidden | faSysFile | faArchive;

}  // namespace

TFileRename::TFileRename(TConfigBase& settings, const TConfigSession& session)
    : FSettings(settings), FSession(session) {}

TFileRename::~TFileRename() { ClearFiles(); }

// --- The file list ---------------------------------------------------------------------

void TFileRename::ScanFolder() {
  ListFolder();
  OpenListedFiles();
}

void TFileRename::ListFolder() {
  FFilesFound = false;
  ClearFiles();
  SetListedFolder(FSettings.WorkingFolder);  // where the tag library puts its copies
  TSearchRec found;
  try {
    if (FindFirst(FSettings.SearchMask(), kScanAttributes, found) == 0) {
      do {
        // The system also matches the mask against generated short names ("x.mp3x").
        if (SameText(ExtractFileExt(found.Name), "." + FSettings.Extension)) AddEntry(found);
      } while (GetFileCount() < MaxListedFiles && FindNext(found) == 0);
      FFiles.Sort();
    }
  } catch (const std::exception&) {
    ShowErrorMessage(TLangText::NoAccessToDeviceMessage, FSettings.StoredSkin);
  }
  FindClose(found);
}

void TFileRename::AddEntry(const TSearchRec& found) {
  auto entry = std::make_unique<TFileInfo>();
  entry->ReadOnly = (found.Attr & faReadOnly) != 0;
  entry->OpenMode = entry->ReadOnly ? fmOpenRead : fmOpenReadWrite | fmShareDenyWrite;
  entry->Name = found.Name.substr(0, found.Name.size() - FSettings.Extension.size() - 1);
  entry->NewName = entry->Name;
  entry->LargerThan128 = found.Size > 128;
  FFiles.AddObject(found.Name, entry.get());
  entry.release();
  FFilesFound = true;
}

void TFileRename::OpenListedFiles() {
  for (int32_t i = 0; i < GetFileCount(); ++i) {
    TFileInfo& entry = *GetFileInfo(i);
    if (entry.Opened) continue;
    entry.Handle = FileOpen(ListedPath(i), entry.OpenMode);
    entry.Opened = true;
  }
}

void TFileRename::ClearFiles() {
  for (int32_t i = GetFileCount() - 1; i >= 0; --i) {
    TFileInfo* entry = GetFileInfo(i);
    if (entry->Opened && entry->Handle != InvalidHandle) FileClose(entry->Handle);
    delete entry;
    FFiles.Delete(i);
  }
}

TFileInfo* TFileRename::GetFileInfo(int32_t index) const {
  CheckRange(index, GetFileCount());
  return static_cast<TFileInfo*>(FFiles.Objects(index))->GetSelfPointer();
}

void TFileRename::MoveFileEntry(int32_t fromIndex, int32_t toIndex) {
  CheckRange(fromIndex, GetFileCount());
  CheckRange(toIndex, GetFileCount());
  FFiles.Move(fromIndex, toIndex);
}

std::string TFileRename::FilePath(const std::string& name) const {
  return FSettings.WorkingFolder + name + "." + FSettings.Extension;
}

std::string TFileRename::ListedPath(int32_t index) const {
  CheckRange(index, GetFileCount());
  return FSettings.WorkingFolder + FFiles.Strings(index);
}

void TFileRename::EntryMoved(int32_t index, const std::string& name) {
  GetFileInfo(index)->Name = name;
  FFiles.SetStrings(index, name + "." + FSettings.Extension);
}

// --- Rules -----------------------------------------------------------------------------

int32_t TFileRename::SelectedCount() const { return FSettings.MainSelection.GetCount(); }

void TFileRename::RebuildSelectedNames(const TNameRule& rule) {
  const int32_t count = SelectedCount();
  for (int32_t row = 0; row < count; ++row) {
    TFileInfo& entry = *GetFileInfo(FSettings.MainSelection.GetItem(row));
    entry.NewName = rule(entry.NewName, row);
    entry.NewNameSet = true;
  }
}

void TFileRename::AddTrackNumbers(int32_t start) {
  const int32_t count = SelectedCount();
  RebuildSelectedNames([&](const std::string& name, int32_t row) {
    return AddTrackNumber(name, int64_t{start} + row, count);
  });
}

void TFileRename::ReplaceText(const std::string& find, const std::string& replaceBy,
                              TReplaceFlags flags) {
  RebuildSelectedNames([&](const std::string& name, int32_t) {
    return StringReplace(name, find, replaceBy, flags);
  });
}

void TFileRename::RemoveSections() {
  TRemoveSectionFlags removed{};
  for (size_t i = 0; i < removed.size(); ++i)
    removed[i] = FSettings.GetRemoveSection(static_cast<int>(i) + 1);
  RebuildSelectedNames(
      [&](const std::string& name, int32_t) { return RemoveNameSections(name, removed); });
}

void TFileRename::CutTillNumber() {
  RebuildSelectedNames([](const std::string& name, int32_t) { return CutTextTillNumber(name); });
}

bool TFileRename::CheckSections(TSectionCheck& check) {
  if (check.Stopped) return true;
  const int32_t count = SelectedCount();
  if (count == 0) {
    ShowErrorMessage(TLangText::NoFilesSelectedMessage, FSettings.StoredSkin);
    return false;
  }
  for (int32_t row = 0; row < count; ++row) {
    const TFileInfo& entry = *GetFileInfo(FSettings.MainSelection.GetItem(row));
    const int32_t sections = SectionCount(entry.NewName);
    if (FSettings.RemoveSectionCount() >= sections) {
      ShowErrorMessage(TLangText::TooManySectionsRemovedMessage, FSettings.StoredSkin);
      check.Stopped = true;
      return true;
    }
    if (FSession.UseSelectedFormat && !FSession.UseStartNumber &&
        FSettings.PlaceholderCount != sections) {
      // One answer decides for every row.
      if (ShowMessageYesNo(LangText(TLangText::ErrorCaption),
                           LangText(TLangText::SectionCountDiffersQuestion),
                           FSettings.StoredSkin) == maNo) {
        check.Stopped = true;
        return true;
      }
      return false;
    }
  }
  return false;
}

bool TFileRename::SwitchSections() {
  TSwitchItems items{};
  for (size_t i = 0; i < items.size(); ++i)
    items[i] = FSettings.GetSwitchItem(static_cast<int>(i) + 1);
  if (!SwitchItemsValid(items)) {
    ShowErrorMessage(TLangText::FilledFieldsWrongMessage, FSettings.StoredSkin);
    return false;
  }
  RebuildSelectedNames(
      [&](const std::string& name, int32_t) { return SwitchNameSections(name, items); });
  return true;
}

void TFileRename::ApplyFormat(int32_t start) {
  const int32_t count = SelectedCount();
  RebuildSelectedNames([&](const std::string& name, int32_t row) {
    return FormatName(name, FSettings, FSession.AllWordsCaps,
                      FormatNumberText(int64_t{start} + row, count));
  });
}

// --- Renaming --------------------------------------------------------------------------

bool TFileRename::RenameFiles() {
  std::optional<std::string> logFailure;
  const bool renamed = RenameFiles(logFailure);
  if (logFailure) throw EInOutError(*logFailure);
  return renamed;
}

bool TFileRename::RenameFiles(std::optional<std::string>& logFailure) {
  OpenListedFiles();  // the run closes, moves and reopens each file it renames
  TRenameRun run(*this, FSettings);
  const bool renamed = run.Execute();
  logFailure = run.LogFailure();
  return renamed;
}

void TFileRename::ResetNewNames() {
  for (int32_t i = 0; i < GetFileCount(); ++i) {
    TFileInfo& entry = *GetFileInfo(i);
    entry.NewName = entry.Name;
  }
}
