#pragma once
// Frames that carry binary data after a MIME type and a description.
// - TMp3ID3v2FrameCat7: attached picture (APIC), with a picture type byte.
// - TMp3ID3v2FrameCat8: general encapsulated object (GEOB), with a file name, which it
//   keeps where the picture keeps its type.
// The MIME type is the text of these frames, always 8-bit.

#include "ID3v2DescribedTextFrames.h"

class TMp3ID3v2FrameCat7 : public TMp3ID3v2FrameCat4 {
public:
  TMp3ID3v2FrameCat7(uint8_t category, uint8_t frameKind);

  uint8_t GetPictureType() const override;
  void SetPictureType(uint8_t type) override { PictureType = {type}; }
  TBytes GetPictureTypeData() const override { return PictureType; }
  void SetPictureTypeData(TBytes bytes) override { PictureType = std::move(bytes); }
  TBytes GetPictureData() const override { return PictureData; }
  void SetPictureData(TBytes bytes) override { PictureData = std::move(bytes); }
  // Without picture data the body stays as it is. Body: encoding byte, MIME type and
  // its zero byte, picture type, description, terminator, picture data.
  void Encode() override;

protected:
  TBytes MimeTerminator;
  TBytes PictureType;
  TBytes PictureData;
};

class TMp3ID3v2FrameCat8 : public TMp3ID3v2FrameCat7 {
public:
  TMp3ID3v2FrameCat8(uint8_t category, uint8_t frameKind);

  std::string GetFileNameString() const override;
  // An empty string changes nothing.
  void SetFileNameString(const std::string& name) override;
  // Without an object the body stays as it is. Body: encoding byte, MIME type and its
  // zero byte, file name, terminator, description, terminator, object.
  void Encode() override;
};
