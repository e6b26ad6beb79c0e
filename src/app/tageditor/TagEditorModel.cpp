#include "TagEditorModel.h"

#include "TagChanges.h"
#include "TagSave.h"
#include "TagsFromNames.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/rename/FileGridContents.h"
#include "app/rename/Rename.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "base/Exceptions.h"
#include "base/SharedRoutines.h"
#include "base/StrUtils.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagInfo.h"
#include "tags/TagProbe.h"

#include <algorithm>
#include <string_view>

struct TTagEditorModel::TRow {
  TTagInfo Info;
  bool NameFromTags = false;  // the entry's new name was built from tags here
};

namespace {

// The number placeholders, which a format's template gives digits to read.
const char* const kNumberPlaceholders[] = {"<Y>", "<N>", "<G>"};

// The row count at which a selection becomes a multiple one as rows are added: the MPEG
// panel is relabelled then, and left as it is while the selection grows further.
constexpr int32_t kMultipleSelectionStart = 2;

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + CRLF;
  return text;
}

void RunBusy(const TBusyRunner& busy, const std::function<void()>& work) {
  if (busy)
    busy(work);
  else
    work();
}

// A file larger than 128 bytes: valid with an MPEG audio frame, whose tags are then read.
void ReadTags(TTagInfo& info) {
  int64_t id3v2Size = ProbeTags(info);
  info.IsValid = FindMpegHeader(info, id3v2Size);
  if (!info.IsValid) return;
  if (info.HasID3v1) {
    info.ID3v1 = std::make_unique<TMp3ID3v1>(info, false);
    info.ReadOk = info.ID3v1->ReadTag();
  }
  if (info.HasID3v2) {
    info.ID3v2 = std::make_unique<TMp3ID3v2>(info, false);
    info.ReadOk = info.ID3v2->ReadTag();
  }
}

}  // namespace

TTagEditorModel::TTagEditorModel(TConfigBase& settings, TConfigSession& session,
                                 TFileRename& files)
    : FSettings(settings), FSession(session), FFiles(files) {
  FFields = FReadFields = EmptyFields(DefaultLanguage());
}

TTagEditorModel::~TTagEditorModel() {
  ReleaseTagInfos();
  FSettings.TagEditorSelection.Unbind();  // the grid goes with the window
}

// --- Set-up ---------------------------------------------------------------------------------

std::array<int32_t, 2> TTagEditorModel::InitialiseOptions(const std::vector<int32_t>& selectedRows) {
  FSettings.TagEditorSelection.SetItems(selectedRows);
  // A choice the combos do not offer shows, and so acts, as "-------".
  FSession.DefaultID3v1 = FSettings.DefaultID3v1 == tvID3v11 ? tvID3v11 : tvNone;
  FSession.DefaultID3v2 = FSettings.DefaultID3v2 == tvID3v24 ? tvID3v24 : tvNone;
  return {FSession.DefaultID3v1 > 0, FSession.DefaultID3v2 > 0};
}

void TTagEditorModel::SetSaveChoice(bool id3v2, const std::string& comboText) {
  uint8_t& choice = id3v2 ? FSession.DefaultID3v2 : FSession.DefaultID3v1;
  choice = tvNone;
  for (uint8_t kind = id3v2 ? tvID3v20 : tvID3v10; kind <= (id3v2 ? tvID3v24 : tvID3v11); ++kind) {
    if (TagVersionName(kind) != comboText) continue;
    choice = kind;
    return;
  }
}

int32_t TTagEditorModel::DefaultLanguage() const {
  const int32_t language = FSettings.DefaultTagLanguage;
  return language >= 0 && language < LanguageCount ? language : EnglishLanguage;
}

// --- Rows -----------------------------------------------------------------------------------

int32_t TTagEditorModel::LoadTags() {
  ReleaseTagInfos();
  FFiles.OpenListedFiles();
  const TSelectionManager& selection = FSettings.MainSelection;
  int32_t firstValid = -1;
  for (int32_t i = 0; i < selection.GetCount(); ++i) {
    auto row = std::make_unique<TRow>();
    row->Info.SetFileInfo(FFiles.GetFileInfo(selection.GetItem(i)));
    row->Info.RowIndex = i;
    if (row->Info.IsValid) ReadTags(row->Info);
    if (row->Info.IsValid && firstValid < 0) firstValid = i;
    FRows.push_back(std::move(row));
  }
  FCurrentRow = FRows.empty() ? -1 : std::max(firstValid, 0);
  return FCurrentRow;
}

void TTagEditorModel::ReleaseTagInfos() {
  while (!FRows.empty()) {
    TRow& row = *FRows.back();
    TFileInfo& entry = row.Info.GetEntry();
    if (row.NameFromTags && entry.NewNameSet) {
      entry.NewName = entry.Name;
      entry.NewNameSet = false;
    }
    FRows.pop_back();
  }
  FCurrentRow = -1;
}

TTagInfo& TTagEditorModel::TagInfo(int32_t row) const {
  CheckRange(row, RowCount());
  return FRows[static_cast<size_t>(row)]->Info;
}

TRowCells TTagEditorModel::RowCells(int32_t row) const {
  const TTagInfo& info = TagInfo(row);
  const TFileInfo& entry = info.GetEntry();
  TRowCells cells;
  cells[tcNumber] = RowNumberText(row + 1);  // as the file list numbers its rows
  cells[tcFileName] = FRows[static_cast<size_t>(row)]->NameFromTags ? entry.NewName : entry.Name;
  if (!info.IsValid) return cells;
  const TTagFields fields = RecordFields(info, DefaultLanguage());
  cells[tcID3] = ID3ColumnText(info);
  cells[tcArtist] = fields.Artist;
  cells[tcTitle] = fields.Title;
  cells[tcTrack] = fields.TrackNr;
  cells[tcTotal] = fields.TrackTotal;
  cells[tcAlbum] = fields.Album;
  cells[tcYear] = fields.Year;
  cells[tcGenre] = GenreColumnText(fields.Genre);
  cells[tcComment] = fields.Comment;
  return cells;
}

std::vector<int32_t> TTagEditorModel::SelectedRows() const {
  const TSelectionManager& selection = FSettings.TagEditorSelection;
  std::vector<int32_t> rows;
  for (int32_t i = 0; i < selection.GetCount(); ++i) {
    const int32_t row = selection.GetItem(i);
    if (row >= 0 && row < RowCount()) rows.push_back(row);
  }
  return rows;
}

std::vector<int32_t> TTagEditorModel::ValidRows() const {
  std::vector<int32_t> rows;
  for (int32_t row = 0; row < RowCount(); ++row)
    if (TagInfo(row).IsValid) rows.push_back(row);
  return rows;
}

// --- The current row's fields -------------------------------------------------------------

void TTagEditorModel::SetCurrentRow(int32_t row) {
  FCurrentRow = row >= 0 && row < RowCount() ? row : -1;
}

TTagInfo* TTagEditorModel::CurrentTagInfo() const {
  return FCurrentRow < 0 ? nullptr : &TagInfo(FCurrentRow);
}

TFieldEditorValues TTagEditorModel::ShowRowFields() {
  const TTagInfo* info = CurrentTagInfo();
  FReadFields = info ? RecordFields(*info, DefaultLanguage()) : EmptyFields(DefaultLanguage());
  FFields = FReadFields;
  return EditorValuesOf(FFields, DefaultLanguage());
}

bool TTagEditorModel::EditorChanged(TFieldEditor editor, const TFieldEditorValues& editors) {
  return MarkEditedField(editor, editors, FFields, FMarks);
}

bool TTagEditorModel::DeleteField(TTagField field, TFieldEditorValues& editors) {
  for (TTagPart part : PartsOf(field)) FMarks.SetPart(part, true);
  std::string* editor = nullptr;  // the one whose emptying marks the field
  switch (field) {
    case tfTitle: editor = &editors.Title; break;
    case tfArtist: editor = &editors.Artist; break;
    case tfAlbum: editor = &editors.Album; break;
    case tfTrack:
      editors.TrackTotal.clear();
      editor = &editors.TrackNr;
      break;
    case tfDate:
      editors.Month.clear();
      editors.Day.clear();
      editor = &editors.Year;
      break;
    case tfComment:
      editors.Language = DefaultLanguage();
      editors.Comment.clear();
      editor = &editors.Description;
      break;
    case tfGenre:
      if (editors.Genre == GenreBlank) return false;
      FMarks.SetFieldMark(tfGenre, true);
      editors.Genre = GenreBlank;
      return true;
  }
  if (editor->empty()) return false;
  editor->clear();
  FMarks.SetFieldMark(field, true);
  return true;
}

bool TTagEditorModel::CheckBoxClicked(TTagField field, bool ticked) {
  FTickedCount += ticked ? 1 : -1;
  return ticked || FMarks.Field(field);
}

TDataChange TTagEditorModel::DataChange(int32_t currentRow) {
  TDataChange change;
  SetCurrentRow(currentRow);
  const TTagInfo* info = CurrentTagInfo();
  const bool valid = info && info->IsValid, readOk = info && info->ReadOk;
  const int32_t selected = static_cast<int32_t>(SelectedRows().size());
  if (selected == 1) {
    FMarks.SetAllMarks(false);
    change.MarksCleared = true;
    if (!FSingleRowMode) {
      FSingleRowMode = true;
      change.FieldOptionsEnabled = false;
    }
    if (valid) {
      change.Mpeg = ShowMpegInfo(info, {.Valid = true, .ReadOk = true, .Relabel = !FFieldsEnabled});
      if (!FFieldsEnabled) change.FieldsEnabled = FFieldsEnabled = true;
      change.Editors = ShowRowFields();
    } else if (FFieldsEnabled) {
      FFieldsEnabled = false;
      change.Mpeg = ShowMpegInfo(info, {.ReadOk = readOk, .Relabel = true});
      change.FieldsEnabled = false;
    }
  } else if (selected > 1 && FFieldsEnabled) {
    change.Mpeg = ShowMpegInfo(info, {.Valid = valid, .Relabel = selected == kMultipleSelectionStart});
    if (!valid) FFieldsEnabled = false;
    if (FSingleRowMode) {
      FSingleRowMode = false;
      change.FieldOptionsEnabled = true;
    }
  } else if (selected == 0 && FFieldsEnabled) {
    change.Mpeg = ShowMpegInfo(info, {.NoRow = true, .Valid = valid, .ReadOk = readOk, .Relabel = true});
    FFieldsEnabled = false;
    FSingleRowMode = true;
    change.FieldsEnabled = change.FieldOptionsEnabled = false;
  }
  change.SaveChoices = RecolourSaveChoices();
  change.ChangeEnabled = ChangeEnabled();
  return change;
}

TSaveChoiceLook TTagEditorModel::RecolourSaveChoices() {
  const TTagInfo* info = CurrentTagInfo();
  const bool matchesID3v1 =
      (FSession.DefaultID3v1 > 0) == (info && (info->HasID3v1 || info->NewID3v1));
  const bool matchesID3v2 =
      (FSession.DefaultID3v2 > 0) == (info && (info->HasID3v2 || info->NewID3v2));
  FSaveChoicesMatch = matchesID3v1 && matchesID3v2;
  if (SelectedRows().size() != 1) return {};
  return {!matchesID3v1, !matchesID3v2};
}

bool TTagEditorModel::ChangeEnabled() const {
  if (!FFieldsEnabled) return false;
  return FSingleRowMode ? FMarks.AnyMarked() || !FSaveChoicesMatch : FTickedCount > 0;
}

// --- Change and remove ----------------------------------------------------------------------

TCommandResult TTagEditorModel::ChangeButton(TFieldEditorValues& editors,
                                             const std::array<bool, TagFieldCount>& checkBoxes,
                                             const TBusyRunner& busy) {
  if (FMarks.Field(tfComment) && !editors.Description.empty() && editors.Comment.empty()) {
    if (ShowMessageYesNo(LangText(TLangText::WarningCaption),
                         LangText(TLangText::DescriptionOnlyQuestion),
                         FSettings.StoredSkin) == maNo) {
      TCommandResult stopped;
      stopped.Proceeded = false;
      return stopped;
    }
    editors.Description.clear();
  }
  editors.TrackTotal = TakeTrackTotal({editors.TrackNr, editors.TrackTotal}).TrackTotal;
  TCollectOptions options;
  options.Several = SelectedRows().size() > 1;
  options.Single = !options.Several;
  // A ticked field is applied whole, whichever of its parts the editors changed.
  if (options.Several)
    for (int field = 0; field < TagFieldCount; ++field)
      FMarks.SetWholeField(static_cast<TTagField>(field), checkBoxes[field]);
  return ChangeTags(options, editors, busy);
}

TCommandResult TTagEditorModel::ChangeTags(const TCollectOptions& options, const TFieldEditorValues& editors,
                                           const TBusyRunner& busy) {
  const std::vector<int32_t> rows = SelectedRows();
  if (rows.empty()) {
    ShowErrorMessage(TLangText::NoFilesSelectedMessage, FSettings.StoredSkin);
    return {};
  }
  const TTagApply apply{.ID3v1Wanted = FSession.DefaultID3v1 > 0, .ID3v2Wanted = FSession.DefaultID3v2 > 0,
                        .Replace = options.Clear};
  TFieldEditorValues values = editors;
  TakeBackStandIns(values, FFields, FReadFields);
  TCommandResult result;
  RunBusy(busy, [&] {
    for (int32_t row : rows) {
      TTagInfo& info = TagInfo(row);
      if (!info.IsValid) {
        ShowErrorMessage(TLangText::InvalidFileMessage, FSettings.StoredSkin);
        continue;
      }
      // Each file keeps its own values where no field is marked.
      ApplyFields(info, CollectRowValues(info, options, FMarks, values, DefaultLanguage()), FMarks, apply);
      result.Rows.push_back(row);
    }
  });
  FMarks.SetAllMarks(false);
  FNothingToSave = false;
  return result;
}

TCommandResult TTagEditorModel::RemoveTags() {
  const std::vector<int32_t> rows = SelectedRows();
  TCommandResult result;
  if (rows.empty()) {
    ShowMessageOk(LangText(TLangText::InfoCaption),
                  LangText(TLangText::NoFilesSelectedMessage) + CRLF +
                      LangText(TLangText::OnlyFieldsEmptiedMessage),
                  FSettings.StoredSkin);
    result.Editors = ShowRowFields();  // the edited values go, the current row's come back
    return result;
  }
  for (int32_t row : rows) {
    TTagInfo& info = TagInfo(row);
    if (!info.IsValid) continue;
    ApplyFields(info, TTagFields(), TTagMarks(), TTagApply{false, false});
    result.Rows.push_back(row);
  }
  result.MarksCleared = FMarks.AnyMarked();
  FMarks.SetAllMarks(false);
  FNothingToSave = false;
  result.Editors = ShowRowFields();
  return result;
}

// --- Save and undo ---------------------------------------------------------------------------

TCommandResult TTagEditorModel::Save(const TBusyRunner& busy) {
  TTagSaveReport report(FSettings.Extension);
  RunBusy(busy, [&] {
    for (const auto& row : FRows) SaveRecord(row->Info, report);
  });
  const std::string text = report.Text();
  TCommandResult result;
  result.MarksCleared = FMarks.AnyMarked();
  FMarks.SetAllMarks(false);
  FNothingToSave = true;
  result.Rows = ValidRows();
  // The rename's report and the save's go to the same log: a failure is said once.
  std::optional<std::string> logFailure;
  if (FFileNamesEdited && report.Errors() == 0 && FFiles.RenameFiles(logFailure)) report.CountSaved();
  if (!text.empty()) {
    const std::optional<std::string> reportLogFailure = LogAndShowReport(FSettings, text, true);
    if (!logFailure) logFailure = reportLogFailure;
  }
  ShowLogFailure(logFailure);
  if (report.Saved() == 0)
    ShowMessageOk(LangText(TLangText::InfoCaption), LangText(TLangText::NoFilesChangedMessage),
                  FSettings.StoredSkin);
  return result;
}

TCommandResult TTagEditorModel::Undo() {
  TCommandResult result;
  result.MarksCleared = true;
  FMarks.SetAllMarks(false);
  FNothingToSave = true;
  result.CurrentRow = LoadTags();
  for (int32_t row = 0; row < RowCount(); ++row) result.Rows.push_back(row);
  return result;
}

// --- Tags and file names -----------------------------------------------------------------------

std::optional<std::string> TTagEditorModel::TagFormat(int32_t formatIndex) const {
  if (formatIndex >= 0 && formatIndex < FSettings.TagFormats.Count() &&
      IsTagFormat(FSettings.TagFormats.Strings(formatIndex)))
    return FSettings.TagFormats.Strings(formatIndex);
  ShowErrorMessage(TLangText::FormatNotAcceptableMessage, FSettings.StoredSkin);
  return std::nullopt;
}

void TTagEditorModel::ShowWarning(const std::string& text) const {
  ShowMessageOk(LangText(TLangText::WarningCaption), text, FSettings.StoredSkin);
}

void TTagEditorModel::ShowLogFailure(const std::optional<std::string>& failure) const {
  if (failure) ShowMessageOk(LangText(TLangText::ErrorCaption), *failure, FSettings.StoredSkin);
}

bool TTagEditorModel::FolderLevelsMatch(const TLevels& path, const TLevels& format,
                                        int32_t offset) const {
  const int32_t depth = LevelDepth(format);
  for (int32_t k = 1; k < depth; ++k) {
    if (CountChar(format[k], '-') == CountChar(path[offset + k], '-')) continue;
    std::string folders, levels;
    for (int32_t j = 1; j < depth; ++j) {
      folders += "\\" + path[offset + j];
      levels += "\\" + format[j];
    }
    ShowWarning(folders + CRLF + levels);
    return false;
  }
  return true;
}

TCommandResult TTagEditorModel::FilenameToTag(bool replace, int32_t formatIndex) {
  const std::optional<std::string> format = TagFormat(formatIndex);
  if (!format) return {};
  FMarks.SetAllMarks(false);
  const TCollectOptions options{.Mode = TCollectMode::FromNames, .Clear = replace, .BlanksOnly = !replace};
  const TTagApply apply{.ID3v1Wanted = FSession.DefaultID3v1 > 0, .ID3v2Wanted = FSession.DefaultID3v2 > 0,
                       .Replace = options.Clear, .FromNames = true};
  const std::vector<int32_t> rows = SelectedRows();
  FSettings.ClearFormatFrameIDs();
  if (rows.empty() || (!apply.ID3v1Wanted && !apply.ID3v2Wanted)) {
    ShowErrorMessage(rows.empty() ? TLangText::NoFilesSelectedMessage
                                  : TLangText::NoTagOptionCheckedMessage,
                     FSettings.StoredSkin);
    return {};
  }
  TLevels path = PathLevels(FSettings.WorkingFolder);
  const TLevels levels = FormatLevels(*format);
  const int32_t pathDepth = LevelDepth(path), depth = LevelDepth(levels);
  const int32_t offset = pathDepth - depth;
  if (offset < 0) {
    const std::string extension = "." + FSettings.Extension;
    ShowWarning(LangText(TLangText::TooManyFoldersMessage) + CRLF + CRLF +
                ExcludeTrailingBackslash(FSettings.WorkingFolder) + "\\" +
                TConfigBase::FormatToExample(levels.back()) + extension + CRLF +
                TConfigBase::FormatToExample(*format) + extension);
    return {};
  }
  if (!FolderLevelsMatch(path, levels, offset)) return {};

  TCommandResult result;
  std::vector<std::string> unmatched;
  for (int32_t row : rows) {
    TTagInfo& info = TagInfo(row);
    const std::string& name = info.GetEntry().NewName;
    if (CountChar(name, '-') != CountChar(levels.back(), '-')) {
      unmatched.push_back(name);
      continue;
    }
    // Each file starts from its own values (none when replacing), not another file's.
    TTagFields fields = CollectRowValues(info, options, FMarks, TFieldEditorValues(), DefaultLanguage());
    TTagMarks marks;
    TFormatLevelReader reader(fields, marks, FSettings);
    size_t remembered = 0;
    if (depth > 1) reader.ReadFormatLevel(offset, pathDepth, true, path, *format, remembered);
    path.back() = name;
    reader.ReadFormatLevel(pathDepth - 1, pathDepth + 1, false, path, *format, remembered);
    if (!info.IsValid) continue;
    ApplyFields(info, fields, marks, apply);
    result.Rows.push_back(row);
  }
  if (!unmatched.empty()) {
    unmatched.insert(unmatched.begin(), {LangText(TLangText::NoValidFormatHeading), " "});
    ShowWarning(Lines(unmatched));
  }
  result.Editors = ShowRowFields();
  result.MarksCleared = true;
  FNothingToSave = false;
  return result;
}

TCommandResult TTagEditorModel::TagToFilename(int32_t formatIndex) {
  const std::optional<std::string> format = TagFormat(formatIndex);
  if (!format) return {};
  FFileNamesEdited = true;
  const std::vector<int32_t> rows = SelectedRows();
  FSettings.ClearFormatFrameIDs();
  if (rows.empty()) {
    ShowErrorMessage(TLangText::NoFilesSelectedMessage, FSettings.StoredSkin);
    return {};
  }
  // The file-name part read against itself, its numbers standing as digits, records
  // the frame kinds of its placeholders in order.
  std::string templateName = FormatLevels(*format).back();
  for (const char* placeholder : kNumberPlaceholders) {
    const size_t at = templateName.find(placeholder);
    if (at != std::string::npos) templateName.replace(at, std::string_view(placeholder).size(), 1, '1');
  }
  TLevels path = PathLevels(FSettings.WorkingFolder);
  path.back() = templateName;
  TTagFields scratch;
  TTagMarks scratchMarks;
  size_t remembered = format->rfind('\\');
  TFormatLevelReader(scratch, scratchMarks, FSettings)
      .ReadFormatLevel(LevelDepth(path) - 1, LevelDepth(path) + 1, false, path, *format,
                       remembered);

  TCommandResult result;
  // The report: its heading and a blank line, then each file whose name lacks a tag.
  std::vector<std::string> untagged = {LangText(TLangText::NoTagPresentHeading), " "};
  const size_t headingLines = untagged.size();
  for (int32_t row : rows) {
    TRow& record = *FRows[static_cast<size_t>(row)];
    TFileInfo& entry = record.Info.GetEntry();
    if (!record.Info.IsValid) continue;
    std::vector<std::string> sections(static_cast<size_t>(FSettings.GetFormatFrameIDCount()));
    bool tagged = true;
    for (size_t i = 0; i < sections.size() && tagged; ++i)
      tagged = NameSectionOf(record.Info, FSettings.GetFormatFrameID(static_cast<int>(i)), sections[i]);
    if (!tagged) {
      untagged.push_back(entry.Name + "." + FSettings.Extension);
      continue;
    }
    const std::string name = NameOfSections(sections);
    if (name.empty() || name == entry.NewName) continue;
    entry.NewName = name;
    entry.NewNameSet = record.NameFromTags = true;
    result.Rows.push_back(row);
  }
  if (untagged.size() > headingLines) ShowLogFailure(LogAndShowReport(FSettings, Lines(untagged), false));
  // Typed values are not applied by a later Change; the labels keep their colours.
  FMarks.SetAllMarks(false);
  FNothingToSave = false;
  return result;
}
