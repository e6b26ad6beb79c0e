#pragma once
// One run of renaming: every listed file whose new name is set is renamed, in list
// order. A name that already exists is handled by the setting "ActionOnExistingFile"
// (add a number, overwrite, skip, or ask). Overwriting never deletes a listed file that
// is still to be renamed itself. A file keeps its name, its pending new name and an open
// handle whenever its rename does not happen, and such files are reported with the
// names that existed.

#include "RenameReport.h"

#include <cstdint>
#include <string>

class TConfigBase;
class TFileInfo;
class TFileRename;

// No control character and none of \ / : * ? " < > |, which no file name holds.
bool FileNameCharactersAllowed(const std::string& name);
// The list file may not land on an MP3 file. Windows drops trailing dots, blanks and
// "\." from a name, and "name:stream" writes into a stream of another file.
bool ListNameAllowed(const std::string& listName, const std::string& extension);

class TRenameRun {
public:
  TRenameRun(TFileRename& files, const TConfigBase& settings);

  // Saves the current names to the list file first when the settings ask for it; shows
  // the report when there is one, after writing it to "Log.txt". True when at least one
  // file was renamed. A list file or log that cannot be written, or a list file that
  // would land on an MP3 file, raises EInOutError.
  bool Execute();

private:
  enum class TOutcome { Renamed, Kept, Cancelled };
  enum class TAction { AddNumber, Overwrite, Skip, Cancel, Attempt };

  // Each works on the entry of a row of the file list.
  TOutcome RenameEntry(int32_t row);
  // What to do about an existing target: by the setting, or by asking the user.
  TAction ActionForExisting(const TFileInfo& entry) const;
  // Deletes the target of an overwrite, unless it is a listed file still waiting for
  // its own rename. A listed file deleted is closed first; one that stays is reopened.
  bool DeleteTarget(const std::string& target);
  static void CloseEntry(TFileInfo& entry);
  static void ReopenEntry(TFileInfo& entry, const std::string& path);
  // Moves the entry's file to its new name and reopens it under the name it has then.
  TOutcome MoveEntry(int32_t row, const std::string& target, bool sameFile);
  // Renames a file to another spelling of its own name through a free temporary name.
  bool MoveInTwoSteps(int32_t row, const std::string& target);
  bool NewNameAllowed(const TFileInfo& entry) const;
  TOutcome Fail(const TFileInfo& entry);
  void ShowReport() const;

  TFileRename& FFiles;
  const TConfigBase& FSettings;
  TRenameReport FReport;
};
