#include "ID3v2DescribedTextFrames.h"

#include "ID3TagsUtils.h"
#include "ID3TextCodec.h"

namespace {

constexpr size_t kLanguageLength = 3;

}  // namespace

// --- TMp3ID3v2FrameCat2 -----------------------------------------------------------------

TMp3ID3v2FrameCat2::TMp3ID3v2FrameCat2(uint8_t category, uint8_t frameKind)
    : TMp3ID3v2FrameCat1(category, frameKind) {
  SetTextFlag2(1);
}

void TMp3ID3v2FrameCat2::SetDescription(TBytes bytes) {
  Description = TakeText(std::move(bytes), false);
}

std::string TMp3ID3v2FrameCat2::GetDescriptionString() const {
  return {Description.begin(), Description.end()};
}

void TMp3ID3v2FrameCat2::SetDescriptionString(const std::string& text) {
  if (text.empty())
    SetDescription({});
  else
    Description.assign(text.begin(), text.end());
}

void TMp3ID3v2FrameCat2::KeepDescriptionCharacters(std::u16string characters) {
  FDescriptionKept = CharactersLost(Description, std::move(characters));
}

std::u16string TMp3ID3v2FrameCat2::GetDescriptionCharacters() const {
  return StillKeptOrNone(FDescriptionKept, Description);
}

TMp3ID3v2FrameCat2::TDescribedTexts TMp3ID3v2FrameCat2::DescribedTexts() const {
  const TBytes& text = TextToWrite();
  const std::u16string* description = StillKept(FDescriptionKept, Description);
  const std::u16string* characters = TextCharacters();
  const TWrittenTexts written = description || characters ? TWrittenTexts(EncodingUtf16)
                                                          : TWrittenTexts({Description, text});
  return {written.Encoding, description ? written.Of(*description) : written.Of(Description),
          written.Terminator, characters ? written.Of(*characters) : written.Of(text)};
}

void TMp3ID3v2FrameCat2::Encode() {
  if (!HasFields()) return;
  const TDescribedTexts texts = DescribedTexts();
  Data = Join({texts.Encoding, texts.Description, texts.Terminator, texts.Text});
}

// --- TMp3ID3v2FrameCat4 -----------------------------------------------------------------

void TMp3ID3v2FrameCat4::SetText(TBytes bytes) {
  if (!bytes.empty()) Text = std::move(bytes);
}

void TMp3ID3v2FrameCat4::Encode() {
  if (!HasFields()) return;
  const TWrittenTexts written({Description});
  Data = Join({written.Encoding, written.Of(Description), written.Terminator, TextToWrite()});
}

// --- TMp3ID3v2FrameCat5 -----------------------------------------------------------------

TMp3ID3v2FrameCat5::TMp3ID3v2FrameCat5(uint8_t category, uint8_t frameKind)
    : TMp3ID3v2FrameCat2(category, frameKind), Language(kLanguageLength, 0) {}

void TMp3ID3v2FrameCat5::SetTextString(const std::string& text) {
  if (!text.empty()) TMp3ID3v2FrameCat2::SetTextString(text);
}

void TMp3ID3v2FrameCat5::SetLanguage(TBytes bytes) {
  // A body always holds three bytes here; anything else would shift the fields after it.
  bool usable = bytes.size() == kLanguageLength && (ReadingBody() || bytes[0] != 0);
  Language = usable ? std::move(bytes) : TBytes{'X', 'X', 'X'};
}

void TMp3ID3v2FrameCat5::SetLanguageString(const std::string& code) {
  SetLanguage(code.size() == kLanguageLength ? TBytes(code.begin(), code.end()) : TBytes{});
}

int32_t TMp3ID3v2FrameCat5::GetLanguageIndex() const {
  // Rows 1..427 are the codes in ascending order, all in lower case.
  std::string code = GetLanguageString();
  if (code.empty() || code[0] < 'a' || code[0] > 'z') return 0;
  for (int32_t row = 1; row < LanguageCount - 1; ++row)
    if (code == Languages[row].Code) return row;
  return 0;
}

void TMp3ID3v2FrameCat5::SetLanguageIndex(int32_t index) {
  SetLanguageString(LanguageCode(index));
}

void TMp3ID3v2FrameCat5::Encode() {
  if (!HasFields()) return;
  const TDescribedTexts texts = DescribedTexts();  // one encoding byte for both
  Data = Join({texts.Encoding, Language, texts.Description, texts.Terminator, texts.Text});
}
