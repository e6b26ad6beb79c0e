#include "ID3v2FrameBody.h"

#include "ID3TagsUtils.h"
#include "ID3TextCodec.h"
#include "ID3v2FrameCatBase.h"

#include <algorithm>

namespace {

constexpr size_t kLanguageLength = 3;

// Reads the fields of a body one after the other; nothing reads past its end.
class TBodyReader {
public:
  explicit TBodyReader(const TBytes& body) : FBody(body) {}

  bool AtEnd() const { return FPosition >= FBody.size(); }
  uint8_t Byte() { return AtEnd() ? 0 : FBody[FPosition++]; }
  // Up to count bytes.
  TBytes Fixed(size_t count) { return Take(std::min(count, Left()), 0); }
  // The string up to its terminator, which is passed over. Without a terminator the
  // string is empty and the bytes are left to the fields after it: kept so, since
  // passing over a terminator that is not there would cut a byte off the next field.
  TBytes Terminated(bool wide) {
    size_t step = wide ? 2 : 1;
    for (size_t at = FPosition; at + step <= FBody.size(); at += step)
      if (FBody[at] == 0 && (!wide || FBody[at + 1] == 0)) return Take(at - FPosition, step);
    return {};
  }
  TBytes Rest() { return Take(Left(), 0); }

private:
  size_t Left() const { return AtEnd() ? 0 : FBody.size() - FPosition; }
  TBytes Take(size_t count, size_t skipAfter) {
    TBytes field(FBody.begin() + FPosition, FBody.begin() + FPosition + count);
    FPosition += count + skipAfter;
    return field;
  }

  const TBytes& FBody;
  size_t FPosition = 0;
};

bool HasDescription(uint8_t category) {
  return category == fcUserText || category == fcUserUrl || category == fcComment ||
         category == fcPicture || category == fcObject;
}

// Frames whose body is an encoding byte followed by text fields (and, for pictures and
// objects, binary data).
bool HoldsEncodedText(uint8_t category) {
  switch (category) {
    case fcText:
    case fcDate:
    case fcTrack:
    case fcGenre:
    case fcUserText:
    case fcUserUrl:
    case fcComment:
    case fcPicture:
    case fcObject: return true;
    default: return false;
  }
}

void DecodePopularimeter(TMp3ID3v2FrameCatBase& frame, TBodyReader& body) {
  frame.SetText(body.Terminated(false));
  if (!body.AtEnd()) frame.SetRatingData(body.Fixed(1));
  frame.SetCounterData(body.Rest());  // binary: zero bytes belong to the number
}

// Frames whose characters that 8-bit text has no form for the object keeps for the field
// the user leaves alone, or sets from another frame read so.
bool KeepsCharacters(uint8_t category) {
  return category == fcText || category == fcUserText || category == fcComment;
}

void DecodeEncodedText(TMp3ID3v2FrameCatBase& frame, TBodyReader& body, uint8_t category) {
  uint8_t encoding = body.Byte();
  bool wide = IsUtf16Encoding(encoding);
  const bool keepCharacters = KeepsCharacters(category);
  std::u16string characters;  // of the field just decoded, where kept
  auto decoded = [&](TBytes text) {
    DecodeFrameText(text, encoding, keepCharacters ? &characters : nullptr);
    return text;
  };
  frame.SetEncoding(0);  // every field below is handed over as 8-bit text
  bool binary = category == fcPicture || category == fcObject;
  if (binary) {
    frame.SetText(body.Terminated(false));  // the MIME type
    if (category == fcObject)
      frame.SetPictureTypeData(decoded(body.Terminated(wide)));  // the file name
    else if (!body.AtEnd())
      frame.SetPictureTypeData(body.Fixed(1));
  }
  if (category == fcComment) frame.SetLanguage(body.Fixed(kLanguageLength));
  if (HasDescription(category)) {
    frame.SetDescription(decoded(body.Terminated(wide)));
    if (keepCharacters) frame.KeepDescriptionCharacters(std::move(characters));
  }
  if (binary) {
    frame.SetPictureData(body.Rest());
  } else if (category == fcUserUrl) {
    frame.SetText(body.Rest());  // a URL is 8-bit in every encoding
  } else {
    frame.SetText(decoded(body.Rest()));
    if (keepCharacters) frame.KeepTextCharacters(std::move(characters));
  }
}

void DecodeFrameBody(TMp3ID3v2FrameCatBase& frame, const TBytes& body) {
  if (body.empty()) return;
  TBodyReader reader(body);
  const uint8_t category = frame.GetCategory();
  if (category == fcPopularimeter)
    DecodePopularimeter(frame, reader);
  else if (category == fcUrl || category == fcCdIdentifier)
    frame.SetText(reader.Rest());
  else if (HoldsEncodedText(category))
    DecodeEncodedText(frame, reader, category);
  // anything else is kept as the raw body, or has no class at all
}

}  // namespace

bool FieldsRebuildBody(uint8_t category) {
  return HoldsEncodedText(category) || category == fcPopularimeter;
}

void ReadFrameBody(TMp3ID3v2FrameCatBase& frame, const TBytes& body) {
  // Fields that rebuild the body would release it at once, and no setter looks at it:
  // only a frame whose body is its field takes a copy.
  const bool rebuilt = FieldsRebuildBody(frame.GetCategory());
  if (!rebuilt) frame.AssignData(TBytes(body));
  frame.SetReadingBody(true);
  DecodeFrameBody(frame, body);
  frame.SetReadingBody(false);
  if (rebuilt) frame.Clear();
}

TBytes WriteFrameBody(TMp3ID3v2FrameCatBase& frame) {
  frame.Encode();
  TBytes body = frame.GetData();
  if (FieldsRebuildBody(frame.GetCategory())) frame.Clear();
  return body;
}
