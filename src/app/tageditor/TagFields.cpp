#include "TagFields.h"

#include "base/SharedRoutines.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/TagInfo.h"

#include <algorithm>

namespace {

// The ID3 column by [ID3v1 kept][ID3v2 kept].
const std::string kID3Texts[2][2] = {{"", "   II"}, {"    I", " I+II"}};

constexpr int32_t kLargestByte = 255;

// The characters a text read from a frame was read with, where it shows some as "?"s.
void ReadCharacters(TTagFields& fields, TFieldText text, std::u16string characters) {
  std::optional<TTextCharacters>& read = fields.Characters[text];
  if (characters.empty())
    read.reset();
  else
    read = TTextCharacters{fields.TextOf(text), std::move(characters)};
}

void ReadFrame(const TMp3ID3v2FrameCatBase& frame, uint8_t kind, TTagFields& fields) {
  const auto readText = [&](std::string& field, TFieldText text) {
    field = frame.GetTextString();
    ReadCharacters(fields, text, frame.GetTextCharacters());
  };
  switch (kind) {
    case fiTIT2: readText(fields.Title, ftTitle); break;
    case fiTPE1: readText(fields.Artist, ftArtist); break;
    case fiTALB: readText(fields.Album, ftAlbum); break;
    case fiTRCK:
      fields.TrackNr = frame.GetTrackNumber();
      fields.TrackTotal = frame.GetTrackTotal();
      break;
    case fiTDRC:
      fields.Year = frame.GetYear();
      fields.Month = frame.GetMonth();
      fields.Day = frame.GetDay();
      break;
    case fiTCON: fields.Genre = frame.GetGenreIndex(); break;
    case fiCOMM:
      fields.Language = frame.GetLanguageIndex();
      fields.Description = frame.GetDescriptionString();
      ReadCharacters(fields, ftDescription, frame.GetDescriptionCharacters());
      readText(fields.Comment, ftComment);
      break;
    default: break;
  }
}

constexpr TTagPart kTrackParts[] = {tpTrackNr, tpTrackTotal};
constexpr TTagPart kDateParts[] = {tpYear, tpMonth, tpDay};
constexpr TTagPart kCommentParts[] = {tpLanguage, tpDescription, tpCommentText};

}  // namespace

std::span<const TTagPart> PartsOf(TTagField field) {
  switch (field) {
    case tfTrack: return kTrackParts;
    case tfDate: return kDateParts;
    case tfComment: return kCommentParts;
    default: return {};
  }
}

bool TTagFields::HasValue(TTagField field) const {
  switch (field) {
    case tfTitle: return !Title.empty();
    case tfArtist: return !Artist.empty();
    case tfAlbum: return !Album.empty();
    case tfTrack: return !TrackNr.empty();
    case tfGenre: return Genre < GenreBlank;
    case tfDate: return !Year.empty();
    case tfComment: return !Comment.empty();
  }
  return false;
}

const std::string& TTagFields::TextOf(TFieldText text) const {
  const std::string* const values[FieldTextCount] = {&Title, &Artist, &Album, &Description, &Comment};
  return *values[text];
}

std::u16string TTagFields::CharactersOf(TFieldText text) const {
  const std::optional<TTextCharacters>& read = Characters[text];
  return read && read->Text == TextOf(text) ? read->Characters : std::u16string();
}

TTagFields EmptyFields(int32_t defaultLanguage) {
  TTagFields fields;
  fields.Language = defaultLanguage;
  return fields;
}

bool TTagMarks::SetFieldMark(TTagField field, bool value) {
  if (FFields[field] == value) return false;
  FFields[field] = value;
  FMarkedCount += value ? 1 : -1;
  return true;
}

void TTagMarks::SetWholeField(TTagField field, bool value) {
  SetFieldMark(field, value);
  for (TTagPart part : PartsOf(field)) FParts[part] = value;
}

bool TTagMarks::ID3v1Field(TTagField field) const {
  if (!Field(field)) return false;
  const std::span<const TTagPart> parts = PartsOf(field);
  const auto marked = [this](TTagPart part) { return Part(part); };
  return std::none_of(parts.begin(), parts.end(), marked) ||
         std::any_of(parts.begin(), parts.end(), [&](TTagPart part) { return InID3v1(part) && marked(part); });
}

void TTagMarks::SetAllMarks(bool value) {
  for (int field = 0; field < TagFieldCount; ++field)
    SetFieldMark(static_cast<TTagField>(field), value);
  FParts.fill(value);
}

bool ShowsID3v2(const TTagInfo& info) {
  return info.ID3v2 && (info.HasID3v2 || (info.NewID3v2 && info.ChangedID3v2)) &&
         !info.RemoveID3v2;
}

bool ShowsID3v1(const TTagInfo& info) {
  return info.ID3v1 && (info.HasID3v1 || (info.NewID3v1 && info.ChangedID3v1)) &&
         !info.RemoveID3v1;
}

int32_t ShownFrameIndex(const TFrameSubListManager& primary, uint8_t frameKind) {
  for (int32_t index = primary.GetCount() - 1; index >= 0; --index)
    if (primary.GetFrameKind(index) == frameKind) return index;
  return -1;
}

TTagFields RecordFields(const TTagInfo& info, int32_t defaultLanguage) {
  TTagFields fields = EmptyFields(defaultLanguage);
  if (ShowsID3v2(info)) {
    const TFrameSubListManager& primary = info.ID3v2->GetFrameList().GetPrimarySubList();
    for (uint8_t kind : PrimaryFrameKinds) {
      const int32_t shown = ShownFrameIndex(primary, kind);
      if (shown >= 0) ReadFrame(primary.GetFrameCategory(shown), kind, fields);
    }
  } else if (ShowsID3v1(info)) {
    const TMp3ID3v1& tag = *info.ID3v1;
    fields.Title = tag.GetTitle();
    fields.Artist = tag.GetArtist();
    fields.Album = tag.GetAlbum();
    fields.Year = tag.GetYear();
    fields.Comment = tag.GetComment();
    fields.Genre = static_cast<uint8_t>(tag.GetGenre() < GenreBlank ? tag.GetGenre() : GenreBlank);
    if (tag.GetTrack() >= 1) fields.TrackNr = IntToStr(tag.GetTrack());
  }
  return fields;
}

std::string ID3ColumnText(const TTagInfo& info) {
  // A tag is kept when the file has it or a new one is pending, unless it goes.
  const bool keepsID3v1 = (info.HasID3v1 || info.NewID3v1) && !info.RemoveID3v1;
  const bool keepsID3v2 = (info.HasID3v2 || info.NewID3v2) && !info.RemoveID3v2;
  return kID3Texts[keepsID3v1][keepsID3v2];
}

std::string GenreColumnText(uint8_t genre) { return genre < GenreBlank ? GenreName(genre) : ""; }

std::optional<uint8_t> ByteOfDigits(const std::string& text) {
  // More than three digits past the leading zeros are above 255, however many there are.
  if (!IsDigits(text)) return std::nullopt;
  const size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  if (text.size() - first > 3) return std::nullopt;
  const int32_t value = StrToInt(text.substr(first));
  if (value > kLargestByte) return std::nullopt;
  return static_cast<uint8_t>(value);
}
