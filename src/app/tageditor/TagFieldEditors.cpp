#include "TagFieldEditors.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"

#include <optional>
#include <utility>

namespace {

constexpr char kBackspace = '\b';
constexpr int32_t kLastMonth = 12, kLastDay = 31;
constexpr size_t kFullYearDigits = 4;  // a month only follows a full year
// Longer digit runs than the edits take count as 0, as any text that is no number.
constexpr size_t kLongestNumber = 9;

int32_t NumberOf(const std::string& text) {
  return IsDigits(text) && text.size() <= kLongestNumber ? StrToInt(text) : 0;
}

// Text above the largest value gives the largest value.
std::string Clamped(const std::string& text, int32_t largest) {
  return IsDigits(text) && (text.size() > kLongestNumber || StrToInt(text) > largest)
             ? IntToStr(largest)
             : text;
}

// The genre list's entry that shows a genre index: the blank one for none.
int32_t GenreEntry(int32_t genre) { return genre < GenreBlank ? genre : GenreBlank; }

// The field an editor stands for, and its part where the field has parts.
struct TEditorMarks {
  TTagField Field;
  std::optional<TTagPart> Part;
};

TEditorMarks MarksOf(TFieldEditor editor) {
  switch (editor) {
    case feTitle: return {tfTitle, {}};
    case feArtist: return {tfArtist, {}};
    case feAlbum: return {tfAlbum, {}};
    case feGenre: return {tfGenre, {}};
    case feTrackNr: return {tfTrack, tpTrackNr};
    case feTrackTotal: return {tfTrack, tpTrackTotal};
    case feYear: return {tfDate, tpYear};
    case feMonth: return {tfDate, tpMonth};
    case feDay: return {tfDate, tpDay};
    case feLanguage: return {tfComment, tpLanguage};
    case feDescription: return {tfComment, tpDescription};
    case feComment: return {tfComment, tpCommentText};
  }
  return {tfTitle, {}};
}

bool EditorDiffers(TFieldEditor editor, const TFieldEditorValues& e, const TTagFields& f) {
  switch (editor) {
    case feTitle: return e.Title != f.Title;
    case feArtist: return e.Artist != f.Artist;
    case feAlbum: return e.Album != f.Album;
    case feTrackNr: return e.TrackNr != f.TrackNr;
    case feTrackTotal: return e.TrackTotal != f.TrackTotal;
    case feGenre: return GenreEntry(e.Genre) != GenreEntry(f.Genre);
    case feYear: return e.Year != f.Year;
    case feMonth: return e.Month != f.Month;
    case feDay: return e.Day != f.Day;
    case feLanguage: return e.Language != f.Language;
    case feDescription: return e.Description != f.Description;
    case feComment: return e.Comment != f.Comment;
  }
  return false;
}

}  // namespace

TFieldEditorValues EditorValuesOf(TTagFields& fields, int32_t defaultLanguage) {
  TFieldEditorValues editors;
  editors.Title = fields.Title;
  editors.Artist = fields.Artist;
  editors.Album = fields.Album;
  editors.TrackNr = fields.TrackNr;
  editors.TrackTotal = fields.TrackTotal;
  editors.Genre = GenreEntry(fields.Genre);
  editors.Year = fields.Year;
  editors.Month = fields.Month;
  editors.Day = fields.Day;
  if (fields.Comment.empty()) {
    editors.Language = defaultLanguage;
    return editors;
  }
  if (fields.Description.empty()) {
    fields.Language = EnglishLanguage;
    fields.Description.assign(1, '-');  // the stand-in of an empty description
  }
  editors.Language = fields.Language;
  editors.Description = fields.Description;
  editors.Comment = fields.Comment;
  return editors;
}

void TakeBackStandIns(TFieldEditorValues& editors, const TTagFields& shown, const TTagFields& read) {
  if (editors.Description == shown.Description) editors.Description = read.Description;
  if (editors.Language == shown.Language && shown.Language != read.Language) editors.Language = KeepOwnLanguage;
  editors.Characters = read.Characters;
}

TTagFields CollectRowValues(const TTagInfo& info, const TCollectOptions& options, const TTagMarks& marks,
                            const TFieldEditorValues& editors, int32_t defaultLanguage) {
  const bool fromEditors = options.Mode == TCollectMode::FromEditors;
  TTagFields fields =
      fromEditors || options.BlanksOnly ? RecordFields(info, defaultLanguage) : EmptyFields(defaultLanguage);
  if (!fromEditors) return fields;
  const auto takeText = [&](TFieldText text, std::string& field, const std::string& editor) {
    field = editor;
    fields.Characters[text] = editors.Characters[text];
  };
  if (marks.Field(tfTitle)) takeText(ftTitle, fields.Title, editors.Title);
  if (marks.Field(tfArtist)) takeText(ftArtist, fields.Artist, editors.Artist);
  if (marks.Field(tfAlbum)) takeText(ftAlbum, fields.Album, editors.Album);
  if (marks.Field(tfTrack)) {
    fields.TrackNr = editors.TrackNr;
    fields.TrackTotal = editors.TrackTotal;
  }
  if (marks.Field(tfGenre))
    fields.Genre = editors.Genre >= 0 && editors.Genre <= GenreBlank
                       ? static_cast<uint8_t>(editors.Genre)
                       : static_cast<uint8_t>(GenreNone);
  if (marks.Field(tfDate)) {
    fields.Year = editors.Year;
    fields.Month = editors.Month;
    fields.Day = editors.Day;
  }
  if (marks.Field(tfComment)) {
    if (editors.Language >= 0 && editors.Language < LanguageCount)  // else KeepOwnLanguage
      fields.Language = editors.Language;
    takeText(ftDescription, fields.Description, editors.Description);
    takeText(ftComment, fields.Comment, editors.Comment);
  }
  return fields;
}

TTagField FieldOf(TFieldEditor editor) { return MarksOf(editor).Field; }

bool MarkEditedField(TFieldEditor editor, const TFieldEditorValues& editors,
                     const TTagFields& fields, TTagMarks& marks) {
  const TEditorMarks which = MarksOf(editor);
  bool mark = EditorDiffers(editor, editors, fields);
  if (which.Part) {
    marks.SetPart(*which.Part, mark);
    for (TTagPart part : PartsOf(which.Field)) mark = mark || marks.Part(part);
  }
  marks.SetFieldMark(which.Field, mark);
  return mark;
}

TTrackEditors CheckTrack(TTrackEditors track) {
  track.TotalEnabled = !track.TrackNr.empty();
  if (!track.TotalEnabled) track.TrackTotal.clear();
  return track;
}

TTrackEditors TakeTrackTotal(TTrackEditors track) {
  track = CheckTrack(std::move(track));
  if (!track.TrackTotal.empty() && NumberOf(track.TrackTotal) < NumberOf(track.TrackNr))
    track.TrackTotal = track.TrackNr;
  return track;
}

TDateEditors CheckDate(TDateEditors date) {
  date.MonthEnabled = date.Year.size() == kFullYearDigits;
  date.Month = date.MonthEnabled ? Clamped(date.Month, kLastMonth) : "";
  date.DayEnabled = !date.Month.empty();
  date.Day = date.DayEnabled ? Clamped(date.Day, kLastDay) : "";
  return date;
}

bool DigitCharAccepted(char c) { return IsDigit(c) || c == kBackspace; }

std::string DigitKeyResult(const std::string& text, TDigitKey key) {
  const int32_t value = NumberOf(text);
  switch (key) {
    case TDigitKey::Up: return IntToStr(int64_t{value} + 1);
    case TDigitKey::Down: return value - 1 < 1 ? "" : IntToStr(value - 1);
    case TDigitKey::Delete: return "";
  }
  return text;
}
