#include "ID3v2TextFrames.h"

#include "ID3TagsUtils.h"
#include "ID3TextCodec.h"
#include "TagEnvironment.h"

#include "base/SharedRoutines.h"

#include <algorithm>

namespace {

constexpr uint8_t kAnsiCharset = 0;
constexpr uint8_t kCarriageReturn = '\r', kLineFeed = '\n';
// The year an empty date stands for.
const std::string kStandInYear = "1900";

TBytes BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// The first of the values a text frame may hold, separated by zero bytes.
std::string FirstValue(const std::string& text) { return text.substr(0, text.find('\0')); }

// The text with a carriage return before every line feed that has none, built in one go:
// inserted one by one, each moving the rest of the text, lyrics of many lines took minutes.
TBytes WithCarriageReturns(const TBytes& text) {
  TBytes widened;
  const auto lineFeeds = std::count(text.begin(), text.end(), kLineFeed);
  widened.reserve(text.size() + static_cast<size_t>(lineFeeds));
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kLineFeed && (i == 0 || text[i - 1] != kCarriageReturn))
      widened.push_back(kCarriageReturn);
    widened.push_back(text[i]);
  }
  return widened;
}

}  // namespace

// --- TMp3ID3v2FrameCat1 -----------------------------------------------------------------

TMp3ID3v2FrameCat1::TMp3ID3v2FrameCat1(uint8_t category, uint8_t frameKind)
    : TMp3ID3v2FrameCat0(category, frameKind), Encoding{0} {
  SelectEncoding();
}

void TMp3ID3v2FrameCat1::SelectEncoding() {
  SetEncoding(LocaleCharset() == kAnsiCharset ? Encoding8Bit : EncodingUtf16);
}

void TMp3ID3v2FrameCat1::UpdateTerminator() {
  Terminator.assign(IsUtf16Encoding(GetEncoding()) ? 2 : 1, 0);
}

void TMp3ID3v2FrameCat1::ConvertTextEncoding(TBytes& bytes) {
  bool ansiLocale = LocaleCharset() == kAnsiCharset;
  if (ansiLocale && GetEncoding() != 0)
    DecodeFrameText(bytes, GetEncoding());
  else if (!ansiLocale && GetEncoding() == 0)
    ShowTagError(TTagErrorCaption::Fixed, "Encoding in Unicode not yet implemented!");
}

void TMp3ID3v2FrameCat1::SetEncoding(uint8_t encoding) {
  Encoding = {encoding};
  UpdateTerminator();
  SetTextFlag1(encoding > 0);
}

TBytes TMp3ID3v2FrameCat1::GetText() {
  if (TextFlag2 && !Text.empty()) {
    TBytes widened = WithCarriageReturns(Text);
    if (widened.size() != Text.size()) {
      FLineBreaksWidened = TLineBreaksWidened{std::move(Text), widened};
      Text = std::move(widened);
    }
  }
  return Text;
}

const TBytes& TMp3ID3v2FrameCat1::TextToWrite() const {
  return FLineBreaksWidened && Text == FLineBreaksWidened->After ? FLineBreaksWidened->Before
                                                                  : Text;
}

TBytes TMp3ID3v2FrameCat1::TakeText(TBytes bytes, bool dropCarriageReturns) {
  if (!ReadingBody()) {
    const TBytes dash = {'-'};
    if (bytes.empty()) return dash;
    if (TextFlag1) {
      ConvertTextEncoding(bytes);
      if (bytes.empty()) return dash;
    }
    if (dropCarriageReturns) RemoveByte(bytes, kCarriageReturn, 1, true);
  }
  TrimByteArray(bytes, 0);
  return bytes;
}

void TMp3ID3v2FrameCat1::SetText(TBytes bytes) { Text = TakeText(std::move(bytes), TextFlag2); }

void TMp3ID3v2FrameCat1::SetTextString(const std::string& text) {
  if (text.empty())
    SetText({});  // the class's own idea of an empty text
  else
    Text = BytesOf(text);
}

void TMp3ID3v2FrameCat1::KeepTextCharacters(std::u16string characters) {
  FTextKept = CharactersLost(TextToWrite(), std::move(characters));
}

std::u16string TMp3ID3v2FrameCat1::GetTextCharacters() const { return StillKeptOrNone(FTextKept, TextToWrite()); }

std::optional<TMp3ID3v2FrameCat1::TKeptCharacters> TMp3ID3v2FrameCat1::CharactersLost(
    const TBytes& field, std::u16string characters) {
  const size_t first = characters.find_first_not_of(u'\0');
  characters = first == std::u16string::npos
                   ? u""
                   : characters.substr(first, characters.find_last_not_of(u'\0') + 1 - first);
  if (characters.empty() || AnsiCodePage().ToWide({field.begin(), field.end()}) == characters)
    return std::nullopt;
  return TKeptCharacters{field, std::move(characters)};
}

const std::u16string* TMp3ID3v2FrameCat1::StillKept(const std::optional<TKeptCharacters>& kept,
                                                    const TBytes& field) {
  return kept && kept->Field == field ? &kept->Characters : nullptr;
}

std::u16string TMp3ID3v2FrameCat1::StillKeptOrNone(const std::optional<TKeptCharacters>& kept,
                                                  const TBytes& field) {
  const std::u16string* characters = StillKept(kept, field);
  return characters ? *characters : std::u16string();
}

void TMp3ID3v2FrameCat1::Encode() {
  if (Text.empty()) return;
  if (const std::u16string* characters = TextCharacters()) {
    const TWrittenTexts written(EncodingUtf16);
    Data = Join({written.Encoding, written.Of(*characters)});
  } else {
    EncodeText(TextToWrite());
  }
}

void TMp3ID3v2FrameCat1::EncodeText(const TBytes& text) {
  const TWrittenTexts written({text});
  Data = Join({written.Encoding, written.Of(text)});
}

TMp3ID3v2FrameCat1::TWrittenTexts::TWrittenTexts(std::initializer_list<std::span<const uint8_t>> texts)
    : TWrittenTexts(EncodingToWrite(texts)) {}

TMp3ID3v2FrameCat1::TWrittenTexts::TWrittenTexts(uint8_t encoding)
    : Encoding{encoding}, Terminator(IsUtf16Encoding(encoding) ? 2 : 1, 0) {}

TBytes TMp3ID3v2FrameCat1::TWrittenTexts::Of(const TBytes& text) const {
  return EncodeFrameText(text, Encoding[0]);
}

TBytes TMp3ID3v2FrameCat1::TWrittenTexts::Of(const std::u16string& characters) const {
  return EncodeFrameText(characters, Encoding[0]);
}

TBytes TMp3ID3v2FrameCat1::Join(std::initializer_list<std::span<const uint8_t>> parts) {
  TBytes joined;
  for (std::span<const uint8_t> part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// --- TMp3ID3v2FrameCat1Date -------------------------------------------------------------

void TMp3ID3v2FrameCat1Date::SetText(TBytes bytes) {
  bool standIn = bytes.empty() && !ReadingBody();
  TMp3ID3v2FrameCat1::SetText(standIn ? BytesOf(kStandInYear) : std::move(bytes));
  // A new text replaces the whole date, so no month or day of an older one survives.
  std::string text = FirstValue(GetTextString());
  Year = text.size() >= 4 ? Copy(text, 1, 4) : "";
  Month = text.size() > 4 ? Copy(text, 6, 2) : "";
  Day = text.size() > 7 ? Copy(text, 9, 2) : "";
}

void TMp3ID3v2FrameCat1Date::Encode() {
  std::string date = Year;
  if (!Month.empty()) {
    date += "-" + Month;
    if (!Day.empty()) date += "-" + Day;
  }
  EncodeText(BytesOf(date.empty() ? kStandInYear : date));
}

// --- TMp3ID3v2FrameCat1Track ------------------------------------------------------------

void TMp3ID3v2FrameCat1Track::SetText(TBytes bytes) {
  bool standIn = bytes.empty() && !ReadingBody();
  TMp3ID3v2FrameCat1::SetText(standIn ? BytesOf("1") : std::move(bytes));
  std::string text = FirstValue(GetTextString());
  size_t slash = text.find('/');
  TrackNumber = text.substr(0, slash);
  if (slash != std::string::npos) TrackTotal = text.substr(slash + 1);
}

void TMp3ID3v2FrameCat1Track::SetTrackNumber(const std::string& number) {
  TrackNumber = number;
  StripChar(TrackNumber, '0', smLeading);
}

void TMp3ID3v2FrameCat1Track::SetTrackTotal(const std::string& total) {
  TrackTotal = total;
  StripChar(TrackTotal, '0', smLeading);
}

void TMp3ID3v2FrameCat1Track::Encode() {
  std::string track = TrackNumber;
  if (!TrackTotal.empty()) track += "/" + TrackTotal;
  if (track.empty())
    TMp3ID3v2FrameCat1::Encode();
  else
    EncodeText(BytesOf(track));
}

// --- TMp3ID3v2FrameCat1Genre ------------------------------------------------------------

namespace {

// A text that begins with a reference in parentheses is reduced to it: "(17)Rock" and
// "(17)" give "17". Any other text, "Rock (Live)" too, is kept up to its first zero
// byte: kept so, as ID3v2.3 places a reference only at the start, where cutting at any
// "(" would turn "Rock (Live)" into "Live". The opening parentheses in a row all go,
// "((17)" gives "17", so that the text reads back as itself; found in one pass, as a
// frame may hold megabytes of them.
std::string GenreReference(const std::string& text) {
  if (text.empty() || text[0] != '(') return FirstValue(text);
  const size_t start = text.find_first_not_of('(');
  if (start == std::string::npos) return "";
  return FirstValue(text.substr(start, text.find(')', start) - start));
}

uint8_t GenreIndexOfText(const std::string& text) {
  if (IsDigits(text)) {
    // Past its leading zeros a number of more than three digits names no genre; it is
    // never converted, so no length of digits can overflow.
    size_t first = text.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    if (text.size() - first > 3) return GenreNone;
    int32_t value = StrToInt(text.substr(first));
    return value < GenreNone ? static_cast<uint8_t>(value) : GenreNone;
  }
  int32_t index = GenreIndexOf(text);
  return index < 0 ? GenreNone : static_cast<uint8_t>(index);
}

}  // namespace

void TMp3ID3v2FrameCat1Genre::SetText(TBytes bytes) {
  if (bytes.empty()) {
    GenreIndex = GenreNone;
    return;
  }
  TMp3ID3v2FrameCat1::SetText(std::move(bytes));
  std::string reference = GenreReference(GetTextString());
  Text = BytesOf(reference);
  GenreIndex = GenreIndexOfText(reference);
}

void TMp3ID3v2FrameCat1Genre::SetGenreIndex(uint8_t index) {
  if (index < GenreCount - 1) {
    GenreIndex = index;
    Text = BytesOf(Genres[index]);
  } else {
    GenreIndex = GenreNone;
    Text.clear();
  }
}
