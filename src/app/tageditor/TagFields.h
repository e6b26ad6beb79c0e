#pragma once
// The tag editor's field values and marks: the seven fields a row shows, the marks that
// say which of them an apply writes, and the values a file's tags give its row.

#include "tags/ID3TagsUtils.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

class TFrameSubListManager;
class TTagInfo;

// The seven fields, in the order of their frame kinds (PrimaryFrameKinds).
enum TTagField : uint8_t { tfTitle, tfArtist, tfAlbum, tfTrack, tfGenre, tfDate, tfComment };
inline constexpr int TagFieldCount = 7;

// The parts behind the track, date and comment fields, each marked on its own while
// its editor is edited.
enum TTagPart : uint8_t {
  tpTrackNr,
  tpTrackTotal,
  tpYear,
  tpMonth,
  tpDay,
  tpLanguage,
  tpDescription,
  tpCommentText
};
inline constexpr int TagPartCount = 8;
// The parts behind a field; none for the title, artist, album and genre.
std::span<const TTagPart> PartsOf(TTagField field);
// Whether an ID3v1 tag holds the part: the track number, the year and the comment's text.
// The track total, month, day, comment language and description are the ID3v2 tag's alone.
constexpr bool InID3v1(TTagPart part) { return part == tpTrackNr || part == tpYear || part == tpCommentText; }

inline constexpr uint8_t GenreBlank = 148;  // the genre list's last entry, a blank
inline constexpr int32_t EnglishLanguage = 108;

// The texts that frames may hold in characters 8-bit text has no form for.
enum TFieldText : uint8_t { ftTitle, ftArtist, ftAlbum, ftDescription, ftComment };
inline constexpr int FieldTextCount = 5;

// A text as a frame held it, where 8-bit text has no form for some of its characters and
// shows them as "?"s: the text it reads as, and the characters.
struct TTextCharacters {
  std::string Text;
  std::u16string Characters;
};
using TFieldCharacters = std::array<std::optional<TTextCharacters>, FieldTextCount>;

struct TTagFields {
  std::string Title, Artist, Album;
  std::string TrackNr, TrackTotal;
  uint8_t Genre = GenreNone;  // 0..147, GenreBlank, or GenreNone
  std::string Year, Month, Day;
  int32_t Language = EnglishLanguage;  // a row of the language table
  std::string Description, Comment;
  // The characters of the texts that frames held as the values came from them.
  TFieldCharacters Characters;

  // Whether an apply has something to write for the field: a text, a track number, a
  // year, a comment, a genre below the blank entry.
  bool HasValue(TTagField field) const;
  const std::string& TextOf(TFieldText text) const;
  // The characters a text's value was read with while it still says what it read as,
  // so that it is written in them; else none (empty).
  std::u16string CharactersOf(TFieldText text) const;
};

// Empty fields whose comment language is the default one.
TTagFields EmptyFields(int32_t defaultLanguage);

// The seven field marks, counted, and the part marks behind them.
class TTagMarks {
public:
  bool Field(TTagField field) const { return FFields[field]; }
  // Returns whether the mark changed; MarkedCount follows every change.
  bool SetFieldMark(TTagField field, bool value);
  bool Part(TTagPart part) const { return FParts[part]; }
  void SetPart(TTagPart part, bool value) { FParts[part] = value; }
  // The field mark and every part mark behind it: a field applied whole (its check box,
  // with several rows selected).
  void SetWholeField(TTagField field, bool value);
  // Whether an apply sets the field in an ID3v1 tag. Of the parts, that tag holds only the
  // track number, the year and the comment's text (InID3v1): a field marked by its other
  // parts alone, the track total, month, day, language or description, leaves it as it is.
  // A field marked with none of its parts marked stands whole.
  bool ID3v1Field(TTagField field) const;
  // Every field and part mark.
  void SetAllMarks(bool value);
  int MarkedCount() const { return FMarkedCount; }
  bool AnyMarked() const { return FMarkedCount > 0; }

private:
  std::array<bool, TagFieldCount> FFields{};
  std::array<bool, TagPartCount> FParts{};
  int FMarkedCount = 0;
};

// The tag a row shows: the ID3v2 tag where the file has one or a new one is pending,
// unless it is to be removed; otherwise the ID3v1 tag by the same rule.
bool ShowsID3v2(const TTagInfo& info);
bool ShowsID3v1(const TTagInfo& info);
// The entry of the ID3v2 primary frame of the kind that a row shows, and that a change of
// its field writes into: the last of its kind (players add described comments after the
// user's); -1 when there is none.
int32_t ShownFrameIndex(const TFrameSubListManager& primary, uint8_t frameKind);
// The values of the shown tag: the shown ID3v2 frame of each primary kind, or the ID3v1
// fields.
TTagFields RecordFields(const TTagInfo& info, int32_t defaultLanguage);

// The ID3 column: which tags the file will have ("", "    I", "   II", " I+II").
std::string ID3ColumnText(const TTagInfo& info);
// The genre column: the name, nothing for the blank entry or none.
std::string GenreColumnText(uint8_t genre);
// The value of a text of digits up to 255, of any length (leading zeros); none for
// anything else.
std::optional<uint8_t> ByteOfDigits(const std::string& text);
// The ID3v1 track byte of a track number: 0 for a number that is empty, not digits or
// above 255.
inline uint8_t ID3v1TrackByte(const std::string& trackNr) {
  return ByteOfDigits(trackNr).value_or(0);
}
