#include "ID3v2AttachmentFrames.h"

// --- TMp3ID3v2FrameCat7 -----------------------------------------------------------------

TMp3ID3v2FrameCat7::TMp3ID3v2FrameCat7(uint8_t category, uint8_t frameKind)
    : TMp3ID3v2FrameCat4(category, frameKind), MimeTerminator{0}, PictureType{0} {}

uint8_t TMp3ID3v2FrameCat7::GetPictureType() const {
  return PictureType.empty() ? 0 : PictureType[0];
}

void TMp3ID3v2FrameCat7::Encode() {
  if (PictureData.empty()) return;
  const TWrittenTexts written({Description});
  Data = Join({written.Encoding, TextToWrite(), MimeTerminator, PictureType,
               written.Of(Description), written.Terminator, PictureData});
}

// --- TMp3ID3v2FrameCat8 -----------------------------------------------------------------

TMp3ID3v2FrameCat8::TMp3ID3v2FrameCat8(uint8_t category, uint8_t frameKind)
    : TMp3ID3v2FrameCat7(category, frameKind) {
  PictureType.clear();  // no file name yet
}

std::string TMp3ID3v2FrameCat8::GetFileNameString() const {
  return {PictureType.begin(), PictureType.end()};
}

void TMp3ID3v2FrameCat8::SetFileNameString(const std::string& name) {
  if (!name.empty()) PictureType.assign(name.begin(), name.end());
}

void TMp3ID3v2FrameCat8::Encode() {
  if (PictureData.empty()) return;
  const TWrittenTexts written({PictureType, Description});  // the file name, the description
  Data = Join({written.Encoding, TextToWrite(), MimeTerminator, written.Of(PictureType),
               written.Terminator, written.Of(Description), written.Terminator, PictureData});
}
