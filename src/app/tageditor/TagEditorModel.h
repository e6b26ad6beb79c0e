#pragma once
// The tag editor without its window: one record per selected file with its tags read
// once, the current row's field values and marks, and the editor's commands (change,
// remove, save with its report, undo, tags from file names, file names from tags). The
// window moves values between its controls and the model and shows what the commands
// return; the model decides every message and shows it through the message service.

#include "MpegInfoText.h"
#include "TagFieldEditors.h"
#include "TagFields.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TConfigBase;
class TConfigSession;
class TFileRename;
class TTagInfo;

// The grid's columns.
enum TTagColumn : uint8_t {
  tcNumber,
  tcID3,
  tcFileName,
  tcArtist,
  tcTitle,
  tcTrack,
  tcTotal,
  tcAlbum,
  tcYear,
  tcGenre,
  tcComment
};
inline constexpr int TagColumnCount = 11;
using TRowCells = std::array<std::string, TagColumnCount>;

// What a command asks of the window besides the messages it showed.
struct TCommandResult {
  bool Proceeded = true;     // false: Change stopped at its question (the memo takes the focus)
  std::vector<int32_t> Rows;  // data rows whose cells are to be refilled (RowCells)
  std::optional<TFieldEditorValues> Editors;  // new contents of the field editors
  bool MarksCleared = false;  // the field labels show their marks again
  std::optional<int32_t> CurrentRow;  // the grid's new current row
};

// The save-choice labels: those whose choice differs from the current file's tags take
// the second marker colour.
struct TSaveChoiceLook {
  bool ID3v1Differs = false;
  bool ID3v2Differs = false;
};

// What the grid's refresh (selection, keys, a click, after each command) asks.
struct TDataChange {
  bool MarksCleared = false;
  std::optional<bool> FieldOptionsEnabled;  // EnableFieldOptions(on/off)
  std::optional<bool> FieldsEnabled;        // EnableFields(on/off)
  std::optional<TFieldEditorValues> Editors;
  std::optional<TMpegPanelView> Mpeg;
  TSaveChoiceLook SaveChoices;
  bool ChangeEnabled = false;
};

// Runs the part of a command that works through the files, while the window shows itself
// busy (the hourglass, the window disabled); the command's questions and messages before
// and after that part come without it. Without one the work simply runs.
using TBusyRunner = std::function<void(const std::function<void()>& work)>;

class TTagEditorModel {
public:
  // Reads the selection of the main window (settings' MainSelection) and of the editor's
  // grid (TagEditorSelection, see InitialiseOptions).
  TTagEditorModel(TConfigBase& settings, TConfigSession& session, TFileRename& files);
  ~TTagEditorModel();
  TTagEditorModel(const TTagEditorModel&) = delete;
  TTagEditorModel& operator=(const TTagEditorModel&) = delete;

  // --- Set-up ---------------------------------------------------------------------------
  // Binds the settings' TagEditorSelection to the grid's selected rows (which must live
  // as long as the model; the model lets go of them when it goes). The save choices come
  // from the settings' defaults, also into the session; returns the item index (0
  // "-------", 1 the tag) of each save-choice combo.
  std::array<int32_t, 2> InitialiseOptions(const std::vector<int32_t>& selectedRows);
  // A save-choice combo's text ("-------", "ID3v1.1", ..., "ID3v2.4") becomes the
  // session's choice.
  void SetSaveChoice(bool id3v2, const std::string& comboText);
  // The comment language the editors start with (the settings' default, English when
  // it is none).
  int32_t DefaultLanguage() const;

  // --- Rows -----------------------------------------------------------------------------
  // One record per file selected in the main window, in selection order, read through
  // the listed files' handles (opened first when still waiting): files larger than 128
  // bytes with an MPEG audio frame are valid and have their tags read. Returns
  // the first valid row (the grid's current row), 0 when there is none, -1 without rows.
  int32_t LoadTags();
  // Frees the records; names built from tags and not yet applied are dropped.
  void ReleaseTagInfos();
  int32_t RowCount() const { return static_cast<int32_t>(FRows.size()); }
  TTagInfo& TagInfo(int32_t row) const;
  // A row's texts: number and file name for every row, the tags the file will have and
  // its fields for a valid one.
  TRowCells RowCells(int32_t row) const;

  // --- The current row's fields ------------------------------------------------------------
  void SetCurrentRow(int32_t row);
  TTagInfo* CurrentTagInfo() const;
  const TTagFields& Fields() const { return FFields; }
  const TTagMarks& Marks() const { return FMarks; }
  // The current record's values into the fields, as the editors are to show them.
  TFieldEditorValues ShowRowFields();
  bool SetFieldMark(TTagField field, bool value) { return FMarks.SetFieldMark(field, value); }
  // An editor the user edited: returns its field's mark.
  bool EditorChanged(TFieldEditor editor, const TFieldEditorValues& editors);
  // A delete button: empties the field's editors and marks the field where they held
  // something (the genre: shows the blank entry). Returns whether they did: that editor
  // then takes the focus, and the field's check box is ticked (never the genre's).
  bool DeleteField(TTagField field, TFieldEditorValues& editors);
  // A field check box clicked; returns whether its label takes the marker colour.
  bool CheckBoxClicked(TTagField field, bool ticked);
  // Refresh after the grid's selection or current row changed.
  TDataChange DataChange(int32_t currentRow);
  TSaveChoiceLook RecolourSaveChoices();
  bool ChangeEnabled() const;

  // --- Commands ---------------------------------------------------------------------------
  // The Change button: asks before a description without comment is applied (clearing
  // it), takes the track total (raised to the number when below it), takes the marks
  // from the check boxes when several rows are selected, then ChangeTags. The editors
  // come back as they are to show.
  TCommandResult ChangeButton(TFieldEditorValues& editors, const std::array<bool, TagFieldCount>& checkBoxes,
                              const TBusyRunner& busy = {});
  // Applies the marked fields to every selected valid file as pending changes, each file
  // keeping its own values in the fields that are not marked; busy while it goes through
  // the files.
  TCommandResult ChangeTags(const TCollectOptions& options, const TFieldEditorValues& editors,
                            const TBusyRunner& busy = {});
  // Marks both tags of the selected files for removal.
  TCommandResult RemoveTags();
  // Writes every pending change (busy meanwhile), then renames the files whose names were
  // built from tags when no write failed, and shows and logs the report.
  TCommandResult Save(const TBusyRunner& busy = {});
  // Drops every pending change and reads the files again.
  TCommandResult Undo();
  // Fields from the folders and names of the selected files by the tag format of the
  // index (the format combo's), added to each file's tags or replacing their fields.
  TCommandResult FilenameToTag(bool replace, int32_t formatIndex);
  // New names of the selected files built from their tags by the tag format's file-name
  // part; Save renames them.
  TCommandResult TagToFilename(int32_t formatIndex);

  bool NothingToSave() const { return FNothingToSave; }
  bool FileNamesEdited() const { return FFileNamesEdited; }

private:
  struct TRow;

  // The data rows selected in the editor's grid, in selection order.
  std::vector<int32_t> SelectedRows() const;
  // The tag format of the format combo's index; none, after saying so, when there is no
  // format there that can be read.
  std::optional<std::string> TagFormat(int32_t formatIndex) const;
  // False, after a warning, when a folder's sections do not match its format level's.
  bool FolderLevelsMatch(const std::vector<std::string>& path,
                         const std::vector<std::string>& format, int32_t offset) const;
  void ShowWarning(const std::string& text) const;
  // That "Log.txt" could not be written, said once after the command's reports, as the
  // main window says it.
  void ShowLogFailure(const std::optional<std::string>& failure) const;
  std::vector<int32_t> ValidRows() const;

  TConfigBase& FSettings;
  TConfigSession& FSession;
  TFileRename& FFiles;
  std::vector<std::unique_ptr<TRow>> FRows;
  int32_t FCurrentRow = -1;
  TTagFields FFields;      // the current record's values as the editors show them
  TTagFields FReadFields;  // the same as read, before the editors' stand-ins
  TTagMarks FMarks;
  int FTickedCount = 0;
  bool FFieldsEnabled = true;
  bool FSingleRowMode = false;
  bool FSaveChoicesMatch = true;
  bool FFileNamesEdited = false;
  bool FNothingToSave = true;
};
