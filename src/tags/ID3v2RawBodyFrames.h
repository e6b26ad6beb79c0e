#pragma once
// Frames held as their raw body: the body is the frame's only field, so nothing
// rebuilds it and neither the frame reader nor the tag writer releases it.
// - TMp3ID3v2FrameCat0: the root of every category class, and the object of frames
//   kept whole (and of frames whose category has no class).
// - TMp3ID3v2FrameCat3: URL frames (W*** but WXXX), whose body is the URL.
// - TMp3ID3v2FrameCat6: the music CD identifier (MCDI), a binary body.

#include "ID3v2FrameCatBase.h"

class TMp3ID3v2FrameCat0 : public TMp3ID3v2FrameCatBase {
public:
  TMp3ID3v2FrameCat0(uint8_t category, uint8_t frameKind)
      : Category(category), FrameKind(frameKind) {}

  TBytes GetData() const override { return Data; }
  void SetData(TBytes bytes) override;
  TBytes& GetDataAddress() override { return Data; }
  void AssignData(TBytes&& bytes) override { Data = std::move(bytes); }
  int32_t GetDataSize() const override { return static_cast<int32_t>(Data.size()); }
  uint8_t GetCategory() const override { return Category; }
  uint8_t GetFrameKind() const override { return FrameKind; }
  void Encode() override {}
  void Clear() override { Data.clear(); }

protected:
  // The body as a string, one character a byte.
  std::string DataString() const { return {Data.begin(), Data.end()}; }
  // An empty string changes nothing.
  void SetDataString(const std::string& text);

  TBytes Data;

private:
  uint8_t Category;
  uint8_t FrameKind;
};

class TMp3ID3v2FrameCat3 : public TMp3ID3v2FrameCat0 {
public:
  using TMp3ID3v2FrameCat0::TMp3ID3v2FrameCat0;

  // Empty bytes change nothing.
  void SetText(TBytes bytes) override;
  std::string GetTextString() const override { return DataString(); }
  // An empty string changes nothing.
  void SetTextString(const std::string& text) override { SetDataString(text); }
};

class TMp3ID3v2FrameCat6 : public TMp3ID3v2FrameCat0 {
public:
  using TMp3ID3v2FrameCat0::TMp3ID3v2FrameCat0;

  TBytes GetText() override { return Data; }
  void SetText(TBytes bytes) override { Data = std::move(bytes); }
  std::string GetBodyString() const override { return DataString(); }
  // An empty string changes nothing.
  void SetBodyString(const std::string& body) override { SetDataString(body); }
};
