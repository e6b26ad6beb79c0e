#pragma once
// One run of renaming: every listed file whose new name is set is renamed, in list
// order. A name that already exists is handled by the setting "ActionOnExistingFile"
// (add a number, overwrite, skip, or ask). Overwriting never deletes a listed file that
// is still to be renamed itself, nor one this run has renamed already. A file keeps its name, its pending new name and an open
// handle whenever its rename does not happen, and such files are reported with the
// names that existed.

#include "FileNameRules.h"
#include "FolderNames.h"
#include "RenameReport.h"
#include "base/TextFileWriter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TConfigBase;
class TFileInfo;
class TFileRename;

// The call that moves a file to its new name (RenameFile); a test puts in one that
// fails, or one that ends the process, to stand for a locked file or a killed program.
// Returns the call it replaces.
using TRenameMoveCall = bool (*)(const std::string& oldName, const std::string& newName);
TRenameMoveCall SetRenameMoveCall(TRenameMoveCall move);

class TRenameRun {
public:
  TRenameRun(TFileRename& files, const TConfigBase& settings);

  // When the settings ask for the list of old names and a file is to get a new name,
  // the list is written whole first and put in place before the folder changes at all;
  // a list that cannot be written or put in place (a name the file system refuses, a
  // folder of its name, a locked or read-only file) stops the run before anything is
  // renamed, and is reported. A run that renames nothing leaves the list file as it
  // was. Shows the report when there is one, after writing it to "Log.txt". True when
  // at least one file was renamed.
  bool Execute();
  // Why "Log.txt" could not be written (the system's text and the path); none when it
  // was, or when there was no report.
  const std::optional<std::string>& LogFailure() const { return FLogFailure; }

private:
  enum class TOutcome { Renamed, Kept, Cancelled, ListFailed };
  enum class TAction { AddNumber, Overwrite, Skip, Cancel, Attempt };

  // Each works on the entry of a row of the file list.
  TOutcome RenameEntry(int32_t row);
  // What to do about an existing target: by the setting, or by asking the user.
  TAction ActionForExisting(const TFileInfo& entry) const;
  // Deletes the target of an overwrite, unless it is a listed file still waiting for
  // its own rename or renamed earlier in this run. A listed file deleted is closed
  // first; one that stays is reopened.
  bool DeleteTarget(const std::string& target);
  static void CloseEntry(TFileInfo& entry);
  static void ReopenEntry(TFileInfo& entry, const std::string& path);
  // Puts the list in place, then moves the entry's file to target (MoveAndReopen); a
  // move that fails is reported.
  TOutcome MoveEntry(int32_t row, const std::string& target, bool sameFile);
  // Closes the entry, moves its file to target and reopens it under the name it has
  // then; true when it moved.
  bool MoveAndReopen(int32_t row, const std::string& target, bool sameFile);
  // Renames a file to another spelling of its own name through a free temporary name.
  bool MoveInTwoSteps(int32_t row, const std::string& target);
  bool NewNameAllowed(const TFileInfo& entry) const;
  TOutcome Fail(const TFileInfo& entry);
  // Any flagged entry whose new name differs from its name.
  bool AnyNameToChange() const;
  // Writes the old names whole beside the list file; false, reported, when it cannot.
  bool PrepareList();
  // Puts the prepared list in place once, before the first change to the folder; false,
  // reported, when it cannot: then nothing may be renamed.
  bool ListInPlace();
  // Every entry from row on that keeps its name though it has another to take.
  void ReportUnrenamed(int32_t row);
  void ShowReport();

  TFileRename& FFiles;
  const TConfigBase& FSettings;
  TRenameReport FReport;
  std::vector<bool> FRenamed;  // by row: moved to its new name in this run
  std::optional<TTextFileWriter> FList;  // written, not yet in place
  bool FListFailed = false;
  std::optional<std::string> FLogFailure;
  TFolderNames FFolderNames;
};
