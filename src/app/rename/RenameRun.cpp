#include "RenameRun.h"

#include "Rename.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <optional>
#include <utility>
#include <vector>

namespace {

const char kLogFileName[] = "Log.txt";
// The longest path the system's ANSI file functions take, with its terminating NUL.
constexpr size_t kMaxPath = 260;
constexpr int kTemporaryNames = 100;
// The most existing names one file meets before it is given up as unrenamable.
constexpr int kMaxClashes = 1000;

TRenameMoveCall MoveCall = RenameFile;

bool Exists(const std::string& path) { return FileGetAttr(path) != -1; }  // file or folder

// How a name that exists is numbered: "Song" goes on with "Song1", "Track 5" with
// "Track 6".
void NumberingOf(const std::string& name, std::string& base, int64_t& number) {
  base = name;
  number = 1;
  if (name.empty() || name.back() < '0' || name.back() > '9') return;
  const int digit = name.back() - '0';
  base.pop_back();
  if (digit >= 1) number = digit + 1;
}

}  // namespace

TRenameMoveCall SetRenameMoveCall(TRenameMoveCall move) {
  return std::exchange(MoveCall, move ? move : RenameFile);
}

TRenameRun::TRenameRun(TFileRename& files, const TConfigBase& settings)
    : FFiles(files),
      FSettings(settings),
      FReport(settings.ActionOnExistingFile),
      FFolderNames(settings.WorkingFolder, settings.Extension, kMaxPath) {}

bool TRenameRun::Execute() {
  FRenamed.assign(static_cast<size_t>(FFiles.GetFileCount()), false);
  if (FSettings.SaveList && AnyNameToChange() && !PrepareList()) {
    ReportUnrenamed(0);
    ShowReport();
    return false;
  }
  bool renamed = false;
  for (int32_t i = 0; i < FFiles.GetFileCount(); ++i) {
    if (!FFiles.GetFileInfo(i)->NewNameSet) continue;
    const TOutcome outcome = RenameEntry(i);
    if (outcome == TOutcome::ListFailed) ReportUnrenamed(i);
    if (outcome == TOutcome::Cancelled || outcome == TOutcome::ListFailed) break;
    renamed = renamed || outcome == TOutcome::Renamed;
  }
  FList.reset();  // never put in place: the folder did not change, the old list stays
  if (!FReport.Empty()) ShowReport();
  return renamed;
}

bool TRenameRun::AnyNameToChange() const {
  for (int32_t i = 0; i < FFiles.GetFileCount(); ++i) {
    const TFileInfo& entry = *FFiles.GetFileInfo(i);
    if (entry.NewNameSet && entry.NewName != entry.Name) return true;
  }
  return false;
}

bool TRenameRun::PrepareList() {
  if (ListNameAllowed(FSettings.ListName(), FSettings.Extension)) {
    try {
      // One write for the whole list: a call per line would cost as much as the renames.
      std::string text;
      for (int32_t i = 0; i < FFiles.GetFileCount(); ++i) {
        const TFileInfo& entry = *FFiles.GetFileInfo(i);
        if (entry.NewNameSet) text.append(entry.Name).append(".").append(FSettings.Extension).append(CRLF);
      }
      FList.emplace(FSettings.ListPath());
      FList->Write(text);
      return true;
    } catch (const EInOutError&) {
      FList.reset();
    }
  }
  FListFailed = true;
  FReport.AddFailedFile(FSettings.ListName());
  return false;
}

bool TRenameRun::ListInPlace() {
  if (FList) {
    try {
      FList->Close();
    } catch (const EInOutError&) {
      FListFailed = true;
      FReport.AddFailedFile(FSettings.ListName());
    }
    FList.reset();
  }
  return !FListFailed;
}

void TRenameRun::ReportUnrenamed(int32_t row) {
  for (int32_t i = row; i < FFiles.GetFileCount(); ++i) {
    const TFileInfo& entry = *FFiles.GetFileInfo(i);
    if (entry.NewNameSet && entry.NewName != entry.Name) Fail(entry);
  }
}

TRenameRun::TOutcome TRenameRun::RenameEntry(int32_t row) {
  TFileInfo& entry = *FFiles.GetFileInfo(row);
  const std::string source = FFiles.ListedPath(row);
  std::optional<size_t> reportPlace;
  std::string base;
  int64_t number = 1;
  for (int clashes = 0;; ++clashes) {
    if (entry.NewName == entry.Name) {
      entry.NewNameSet = false;
      return TOutcome::Renamed;
    }
    if (!NewNameAllowed(entry)) return Fail(entry);
    const std::string target = FFiles.FilePath(entry.NewName);
    // Once the list is in place, a name that cannot stand for the file itself is moved
    // to straight away, as the move fails when the name exists: asking first would cost
    // every file one more look-up, which under Wine searches the whole folder. (A move
    // to another spelling of the file's own name may report success and change nothing.)
    if (!FList && !MayNameOneFile(ExtractFileName(source), ExtractFileName(target))) {
      if (MoveAndReopen(row, target, false)) return TOutcome::Renamed;
      if (!Exists(target)) return Fail(entry);
    } else if (!Exists(target)) {
      return MoveEntry(row, target, false);
    }
    // Another spelling of the file's own name (letter case, short name) is no clash.
    if (IsSameFile(source, target)) return MoveEntry(row, target, true);

    const std::string existing = entry.NewName + "." + FSettings.Extension;
    // Numbering is bounded whatever the system answers: names it takes for existing
    // without the listing knowing them are few, not endless.
    if (clashes == kMaxClashes) return Fail(entry);
    if (!reportPlace) {
      NumberingOf(entry.NewName, base, number);
      reportPlace = FReport.AddExisting(existing);
    } else {
      FReport.ReplaceExisting(*reportPlace, existing);
    }
    switch (ActionForExisting(entry)) {
      case TAction::AddNumber: {
        std::string lastTaken;
        entry.NewName = FFolderNames.FreeNumberedName(base, number, ExtractFileName(source), lastTaken);
        // The report names the last name that existed, as if each had been tried.
        if (!lastTaken.empty()) FReport.ReplaceExisting(*reportPlace, lastTaken + "." + FSettings.Extension);
        break;
      }
      case TAction::Overwrite:
        if (!ListInPlace()) return TOutcome::ListFailed;
        return DeleteTarget(target) ? MoveEntry(row, target, false) : Fail(entry);
      case TAction::Skip: return TOutcome::Kept;
      case TAction::Cancel: return TOutcome::Cancelled;
      case TAction::Attempt: return MoveEntry(row, target, false);
    }
  }
}

TRenameRun::TAction TRenameRun::ActionForExisting(const TFileInfo& entry) const {
  switch (FSettings.ActionOnExistingFile) {
    case aeAddNumber: return TAction::AddNumber;
    case aeOverwrite: return TAction::Overwrite;
    case aeSkip: return TAction::Skip;
    case aeAsk: break;
    default: return TAction::Attempt;  // fails and is reported, as the name exists
  }
  const std::string question =
      LangText(TLangText::FileExistsQuestion) + CRLF + entry.NewName + "." + FSettings.Extension;
  switch (
      ShowMessageFileExists(LangText(TLangText::ErrorCaption), question, FSettings.StoredSkin)) {
    case maAddNumber: return TAction::AddNumber;
    case maOverwrite: return TAction::Overwrite;
    case maCancel: return TAction::Cancel;
    default: return TAction::Skip;  // "Skip", or the window closed without an answer
  }
}

bool TRenameRun::DeleteTarget(const std::string& target) {
  // A listed file still waiting for its own rename (a swap, a chain) would be lost, and
  // so would one renamed in this run (two files given the same name). Any other listed
  // file is let go of first: Windows deletes no file held open.
  std::vector<TFileInfo*> holders;
  for (int32_t i = 0; i < FFiles.GetFileCount(); ++i) {
    TFileInfo& listed = *FFiles.GetFileInfo(i);
    if (!IsSameFile(target, FFiles.ListedPath(i))) continue;
    if (FRenamed[static_cast<size_t>(i)] || (listed.NewNameSet && listed.NewName != listed.Name)) return false;
    holders.push_back(&listed);
  }
  for (TFileInfo* holder : holders) CloseEntry(*holder);
  if (DeleteFile(target)) {  // its row goes at the next scan
    FFolderNames.Removed(ExtractFileName(target));
    return true;
  }
  for (TFileInfo* holder : holders) ReopenEntry(*holder, target);
  return false;
}

void TRenameRun::CloseEntry(TFileInfo& entry) {
  if (entry.Opened && entry.Handle != InvalidHandle) {
    FileClose(entry.Handle);
    entry.Handle = InvalidHandle;
  }
}

void TRenameRun::ReopenEntry(TFileInfo& entry, const std::string& path) {
  if (entry.Opened) entry.Handle = FileOpen(path, entry.OpenMode);
}

TRenameRun::TOutcome TRenameRun::MoveEntry(int32_t row, const std::string& target,
                                           bool sameFile) {
  if (!ListInPlace()) return TOutcome::ListFailed;
  return MoveAndReopen(row, target, sameFile) ? TOutcome::Renamed : Fail(*FFiles.GetFileInfo(row));
}

bool TRenameRun::MoveAndReopen(int32_t row, const std::string& target, bool sameFile) {
  TFileInfo& entry = *FFiles.GetFileInfo(row);
  const std::string source = FFiles.ListedPath(row);
  CloseEntry(entry);  // an open file cannot be moved on Windows
  const bool moved = sameFile ? MoveInTwoSteps(row, target) : MoveCall(source, target);
  if (moved) {
    FFolderNames.Removed(ExtractFileName(source));
    FFolderNames.Added(ExtractFileName(target));
    FFiles.EntryMoved(row, entry.NewName);
    entry.NewNameSet = false;
    FRenamed[static_cast<size_t>(row)] = true;
  }
  ReopenEntry(entry, FFiles.ListedPath(row));
  return moved;
}

bool TRenameRun::MoveInTwoSteps(int32_t row, const std::string& target) {
  // A single move that only changes letter case may report success and change nothing.
  const std::string source = FFiles.ListedPath(row);
  const std::string& newName = FFiles.GetFileInfo(row)->NewName;
  for (int i = 1; i <= kTemporaryNames; ++i) {
    const std::string temporaryName = StandInName(newName, i);
    const std::string temporary = FFiles.FilePath(temporaryName);
    if (Exists(temporary)) continue;
    if (!MoveCall(source, temporary)) return false;
    if (MoveCall(temporary, target)) return true;
    if (!MoveCall(temporary, source)) FFiles.EntryMoved(row, temporaryName);  // it is there now
    return false;
  }
  return false;
}

bool TRenameRun::NewNameAllowed(const TFileInfo& entry) const {
  // Nothing may leave the listed folder, every path must fit the system's limit, and a
  // device name would never become a file (and always "exists").
  const std::string& name = entry.NewName;
  return !name.empty() && FileNameCharactersAllowed(name) && FFiles.FilePath(name).size() < kMaxPath &&
         !IsDeviceName(name + "." + FSettings.Extension);
}

TRenameRun::TOutcome TRenameRun::Fail(const TFileInfo& entry) {
  FReport.AddFailure(entry.Name + "." + FSettings.Extension,
                     entry.NewName + "." + FSettings.Extension);
  return TOutcome::Kept;
}

void TRenameRun::ShowReport() {
  // The log is written first, so that it holds the report whatever happens while the
  // message is open; a log that cannot be written is the caller's to tell.
  try {
    FReport.SaveToFile(FSettings.WorkingFolder + kLogFileName);
  } catch (const EInOutError& e) {
    FLogFailure = e.Message();
  }
  ShowMessageOk(LangText(TLangText::InfoCaption),
                FReport.Text() + CRLF + LangText(TLangText::LogFileNote), FSettings.StoredSkin);
}
