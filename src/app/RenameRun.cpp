#include "RenameRun.h"

#include "Config.h"
#include "MessageDialog.h"
#include "Rename.h"
#include "Translation.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "base/TextFileWriter.h"

#include <cstring>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

namespace {

enum : uint8_t { aeAddNumber = 0, aeOverwrite = 1, aeSkip = 2, aeAsk = 3 };

const char kLogFileName[] = "Log.txt";
// The longest path the system's ANSI file functions take, with its terminating NUL.
constexpr size_t kMaxPath = 260;
const char kForbiddenCharacters[] = "\\/:*?\"<>|";
constexpr int kTemporaryNames = 100;

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

bool FileNameCharactersAllowed(const std::string& name) {
  for (char c : name)
    if (static_cast<unsigned char>(c) < ' ' || std::strchr(kForbiddenCharacters, c)) return false;
  return true;
}

bool ListNameAllowed(const std::string& listName, const std::string& extension) {
  std::string name = listName;
  while (!name.empty() && std::string_view(". \\/").find(name.back()) != std::string_view::npos)
    name.pop_back();
  return name.find(':') == std::string::npos && !SameText(ExtractFileExt(name), "." + extension);
}

TRenameRun::TRenameRun(TFileRename& files, const TConfigBase& settings)
    : FFiles(files), FSettings(settings), FReport(settings.ActionOnExistingFile) {}

bool TRenameRun::Execute() {
  std::optional<TTextFileWriter> list;
  if (FSettings.SaveList) {
    if (!ListNameAllowed(FSettings.ListName(), FSettings.Extension))
      throw EInOutError("The list of names cannot be an MP3 file: " + FSettings.ListPath());
    list.emplace(FSettings.ListPath());
  }
  bool renamed = false;
  for (int32_t i = 0; i < FFiles.GetFileCount(); ++i) {
    TFileInfo& entry = *FFiles.GetFileInfo(i);
    if (!entry.NewNameSet) continue;
    if (list) list->WriteLine(entry.Name + "." + FSettings.Extension);
    const TOutcome outcome = RenameEntry(i);
    if (outcome == TOutcome::Cancelled) break;
    renamed = renamed || outcome == TOutcome::Renamed;
  }
  if (list) list->Close();
  if (!FReport.Empty()) ShowReport();
  return renamed;
}

TRenameRun::TOutcome TRenameRun::RenameEntry(int32_t row) {
  TFileInfo& entry = *FFiles.GetFileInfo(row);
  const std::string source = FFiles.ListedPath(row);
  std::optional<size_t> reportPlace;
  std::string base;
  int64_t number = 1;
  for (;;) {
    if (entry.NewName == entry.Name) {
      entry.NewNameSet = false;
      return TOutcome::Renamed;
    }
    if (!NewNameAllowed(entry)) return Fail(entry);
    const std::string target = FFiles.FilePath(entry.NewName);
    if (!Exists(target)) return MoveEntry(row, target, false);
    // Another spelling of the file's own name (letter case, short name) is no clash.
    if (IsSameFile(source, target)) return MoveEntry(row, target, true);

    const std::string existing = entry.NewName + "." + FSettings.Extension;
    if (!reportPlace) {
      NumberingOf(entry.NewName, base, number);
      reportPlace = FReport.AddExisting(existing);
    } else {
      FReport.ReplaceExisting(*reportPlace, existing);
    }
    switch (ActionForExisting(entry)) {
      case TAction::AddNumber: entry.NewName = base + IntToStr(number++); break;
      case TAction::Overwrite:
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
  // A listed file still waiting for its own rename (a swap, a chain) would be lost.
  // Any other listed file is let go of first: Windows deletes no file held open.
  std::vector<TFileInfo*> holders;
  for (int32_t i = 0; i < FFiles.GetFileCount(); ++i) {
    TFileInfo& listed = *FFiles.GetFileInfo(i);
    if (!IsSameFile(target, FFiles.ListedPath(i))) continue;
    if (listed.NewNameSet && listed.NewName != listed.Name) return false;
    holders.push_back(&listed);
  }
  for (TFileInfo* holder : holders) CloseEntry(*holder);
  if (DeleteFile(target)) return true;  // its row goes at the next scan
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
  TFileInfo& entry = *FFiles.GetFileInfo(row);
  CloseEntry(entry);  // an open file cannot be moved on Windows
  const bool moved = sameFile ? MoveInTwoSteps(row, target)
                              : RenameFile(FFiles.ListedPath(row), target);
  if (moved) {
    FFiles.EntryMoved(row, entry.NewName);
    entry.NewNameSet = false;
  }
  ReopenEntry(entry, FFiles.ListedPath(row));
  return moved ? TOutcome::Renamed : Fail(entry);
}

bool TRenameRun::MoveInTwoSteps(int32_t row, const std::string& target) {
  // A single move that only changes letter case may report success and change nothing.
  const std::string source = FFiles.ListedPath(row);
  const std::string& newName = FFiles.GetFileInfo(row)->NewName;
  for (int i = 1; i <= kTemporaryNames; ++i) {
    const std::string temporaryName = StandInName(newName, i);
    const std::string temporary = FFiles.FilePath(temporaryName);
    if (Exists(temporary)) continue;
    if (!RenameFile(source, temporary)) return false;
    if (RenameFile(temporary, target)) return true;
    if (!RenameFile(temporary, source)) FFiles.EntryMoved(row, temporaryName);  // it is there now
    return false;
  }
  return false;
}

bool TRenameRun::NewNameAllowed(const TFileInfo& entry) const {
  // Nothing may leave the listed folder, and every path must fit the system's limit.
  const std::string& name = entry.NewName;
  return !name.empty() && FileNameCharactersAllowed(name) && FFiles.FilePath(name).size() < kMaxPath;
}

TRenameRun::TOutcome TRenameRun::Fail(const TFileInfo& entry) {
  FReport.AddFailure(entry.Name + "." + FSettings.Extension,
                     entry.NewName + "." + FSettings.Extension);
  return TOutcome::Kept;
}

void TRenameRun::ShowReport() const {
  // The log is written first, so that it holds the report whatever happens while the
  // message is open; a log that cannot be written is reported after the message.
  std::exception_ptr logFailure;
  try {
    FReport.SaveToFile(FSettings.WorkingFolder + kLogFileName);
  } catch (const EInOutError&) {
    logFailure = std::current_exception();
  }
  ShowMessageOk(LangText(TLangText::InfoCaption),
                FReport.Text() + CRLF + LangText(TLangText::LogFileNote), FSettings.StoredSkin);
  if (logFailure) std::rethrow_exception(logFailure);
}
