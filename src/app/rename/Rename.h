#pragma once
// The rename engine: the list of the listed folder's MP3 files, the rules that build
// their new names, and renaming them with undo.

#include "base/Object.h"
#include "base/StrUtils.h"
#include "base/Strings.h"
#include "tags/FileInfo.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TConfigBase;
class TConfigSession;

// The most files a folder scan lists.
inline constexpr int32_t MaxListedFiles = 999;

// The section checks of one preview: once a check has stopped it, the later checks of
// the same preview stop at once without asking again. The rename panel keeps one per
// preview.
struct TSectionCheck {
  bool Stopped = false;
};

class TFileRename : public TObject {
public:
  // Lists the working folder of settings; the rules read their options from settings
  // and session.
  TFileRename(TConfigBase& settings, const TConfigSession& session);
  ~TFileRename() override;
  TFileRename(const TFileRename&) = delete;
  TFileRename& operator=(const TFileRename&) = delete;

  // --- The file list -----------------------------------------------------------------
  // Lists the folder, then opens the listed files (ListFolder, OpenListedFiles).
  void ScanFolder();
  // Lists the files of the working folder whose extension is "mp3" (any letter case):
  // at most MaxListedFiles, sorted by name without regard to case. Each entry gets its
  // open mode (read only for a read-only file) but is not opened yet. A failure is
  // reported and ends the listing with the entries made so far.
  void ListFolder();
  // Opens every listed file not opened yet in its open mode and holds it open, so that
  // no other program writes it while it is listed (a file that cannot be opened keeps
  // handle -1); nothing when none waits. Whatever uses the entries' handles (renaming,
  // the tag editor's loading) calls it first.
  void OpenListedFiles();
  // Closes and frees every entry.
  void ClearFiles();
  // The last scan listed at least one file.
  bool FilesFound() const { return FFilesFound; }
  int32_t GetFileCount() const { return FFiles.Count(); }
  // The entry of row index (0-based); ERangeError outside the list.
  TFileInfo* GetFileInfo(int32_t index) const;
  // The name of row index, without extension.
  std::string GetFileName(int32_t index) const { return GetFileInfo(index)->Name; }
  // Moves an entry to another row (a grid row was dragged).
  void MoveFileEntry(int32_t fromIndex, int32_t toIndex);
  // Working folder + name + "." + "mp3": where a rename puts a file.
  std::string FilePath(const std::string& name) const;
  // The path of row index's file, its extension spelt as the folder spells it.
  std::string ListedPath(int32_t index) const;
  // Row index's file was moved to FilePath(name): the entry takes that name.
  void EntryMoved(int32_t index, const std::string& name);

  // --- Rules on the new names of the rows selected in the main grid ------------------
  // Each works on the selected rows in selection order and sets their new-name flags.
  // Puts a running number from start and " - " in front.
  void AddTrackNumbers(int32_t start);
  // Flags: rfReplaceAll, rfIgnoreCase.
  void ReplaceText(const std::string& find, const std::string& replaceBy, TReplaceFlags flags);
  // Drops the sections whose remove flag is set in the settings.
  void RemoveSections();
  // Drops the text before the first digit.
  void CutTillNumber();
  // Asked before sections are removed and before a format is applied; true means stop:
  // more remove flags than a name has sections, or the user declined to go on with
  // names whose section count differs from the format's.
  bool CheckSections(TSectionCheck& check);
  // Reorders the sections by the switch items; false, changing nothing, when the items
  // do not pair up.
  bool SwitchSections();
  // Rebuilds the names by the parsed rename format, numbered from start.
  void ApplyFormat(int32_t start);

  // --- Renaming ------------------------------------------------------------------------
  // Opens the listed files, then renames every entry whose new-name flag is set (see
  // TRenameRun); true when at least one was renamed. A "Log.txt" that cannot be written
  // raises EInOutError once the report was shown.
  bool RenameFiles();
  // The same, with a log that cannot be written told in logFailure instead (the system's
  // text and the path), so that the result is not lost with it.
  bool RenameFiles(std::optional<std::string>& logFailure);
  // Undo of the previews: every entry's new name becomes its name again.
  void ResetNewNames();

private:
  using TNameRule = std::function<std::string(const std::string& name, int32_t row)>;
  void RebuildSelectedNames(const TNameRule& rule);
  void AddEntry(const TSearchRec& found);
  int32_t SelectedCount() const;

  TConfigBase& FSettings;
  const TConfigSession& FSession;
  TStringList FFiles;  // found name with extension -> the owned TFileInfo entry
  bool FFilesFound = false;
};

// The process-wide rename engine, made by CreateCore and freed by FreeCore.
extern TFileRename* FileList;
