#pragma once
// The rules of the tag editor's field editors that need no window: what the editors show
// of a row's fields, which edit marks which field, the track and date bounds, and the
// digit-only edits' keys. The window moves the editors' contents in and out through
// TFieldEditorValues.

#include "TagFields.h"

#include <cstdint>
#include <string>

// A comment language that is no choice of the user's: each comment keeps the one it has,
// a new one takes the default.
inline constexpr int32_t KeepOwnLanguage = -1;

// What the field editors hold.
struct TFieldEditorValues {
  std::string Title, Artist, Album;
  std::string TrackNr, TrackTotal;
  int32_t Genre = GenreBlank;  // the genre list's index
  std::string Year, Month, Day;
  int32_t Language = EnglishLanguage;  // the language list's index, or KeepOwnLanguage
  std::string Description, Comment;    // the comment is the memo's text
  // What the "?"s of the texts stand for, as the row shown was read (TakeBackStandIns;
  // the window leaves it empty).
  TFieldCharacters Characters;
};

// The fields as the editors show them. A comment without a description shows the
// description "-" in English, and the fields take them over, so that the editors are
// compared with what they show; without a comment the editors show the default language
// and no description.
TFieldEditorValues EditorValuesOf(TTagFields& fields, int32_t defaultLanguage);
// Editors left as they showed a row stand for what was read from it (read: its fields
// before EditorValuesOf, shown: after it), not for the stand-ins of a comment without a
// description: such a description stays empty, and the English shown for it becomes
// KeepOwnLanguage, so that a comment keeps its code, also one outside the language list
// ("ENG", "XXX"). Texts that still read as the row's did stand for the characters its
// frames held, also those the editors show as "?"s.
void TakeBackStandIns(TFieldEditorValues& editors, const TTagFields& shown, const TTagFields& read);
// How CollectRowValues comes by a record's field values.
enum class TCollectMode : uint8_t {
  // Tags from file names: the record's values when adding (blanks-only), none when
  // replacing; the names fill in what their format holds.
  FromNames = 0,
  // Change: the record's values, then the marked fields' values from the editors.
  FromEditors = 2,
};

// The five options of a command that applies fields to the selected files.
struct TCollectOptions {
  TCollectMode Mode = TCollectMode::FromEditors;
  bool Clear = false;       // replace: the tags' fields are dropped before the new ones are written
  bool Single = false;      // one row is selected
  bool Several = false;     // several rows are selected: the field check boxes give the marks
  bool BlanksOnly = false;  // adding: the record's own values stand where the names give none
};

// The field values that a command applies to one record, by its options. The editors'
// values come in only for the marked fields, a field's parts together, each text with
// the characters it stands for.
TTagFields CollectRowValues(const TTagInfo& info, const TCollectOptions& options, const TTagMarks& marks,
                            const TFieldEditorValues& editors, int32_t defaultLanguage);

enum TFieldEditor : uint8_t {
  feTitle,
  feArtist,
  feAlbum,
  feTrackNr,
  feTrackTotal,
  feGenre,
  feYear,
  feMonth,
  feDay,
  feLanguage,
  feDescription,
  feComment
};

// The field an editor's value belongs to.
TTagField FieldOf(TFieldEditor editor);

// An editor the user edited marks its field (and part) while it differs from the
// field's value; returns the field's mark, which the label's colour and the check box
// follow.
bool MarkEditedField(TFieldEditor editor, const TFieldEditorValues& editors,
                     const TTagFields& fields, TTagMarks& marks);

// The track number and total as their edits hold them.
struct TTrackEditors {
  std::string TrackNr, TrackTotal;
  bool TotalEnabled = false;
};
// While the user types in either edit: the total only beside a track number (emptied
// while there is none). A total below the number stays as typed: raising it then would
// put the number in front of the digits still to come ("1" of "12" beside track 3).
TTrackEditors CheckTrack(TTrackEditors track);
// The total taken, when its edit is left and when Change takes the editors: as
// CheckTrack, and a total below the number is raised to it.
TTrackEditors TakeTrackTotal(TTrackEditors track);

// A month only beside a four-digit year, a day only beside a month (each emptied while
// it is disabled); a month above 12 becomes 12, a day above 31 becomes 31.
struct TDateEditors {
  std::string Year, Month, Day;
  bool MonthEnabled = false, DayEnabled = false;
};
TDateEditors CheckDate(TDateEditors date);

// The comment memo takes text only beside a description.
inline bool MemoEnabled(const std::string& description) { return !description.empty(); }

// The digit-only edits (track number and total, year, month, day).
bool DigitCharAccepted(char c);  // "0" to "9" and backspace
enum class TDigitKey { Up, Down, Delete };
// Up counts the number up, Down counts it down and empties the edit below 1, Delete
// empties it; a text that is not all digits counts as 0.
std::string DigitKeyResult(const std::string& text, TDigitKey key);
