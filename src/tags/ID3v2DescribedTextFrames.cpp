#include "ID3v2DescribedTextFrames.h"

#include "ID3TagsUtils.h"

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

void TMp3ID3v2FrameCat2::Encode() {
  if (!HasFields()) return;
  const TBytes& text = TextToWrite();
  const TWrittenTexts written({Description, text});
  Data = Join({written.Encoding, written.Of(Description), written.Terminator, written.Of(text)});
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
  const TBytes& text = TextToWrite();
  const TWrittenTexts written({Description, text});  // one encoding byte for both
  Data = Join({written.Encoding, Language, written.Of(Description), written.Terminator,
               written.Of(text)});
}
