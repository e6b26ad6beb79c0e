#include "ID3v2RawBodyFrames.h"

void TMp3ID3v2FrameCat0::SetData(TBytes bytes) {
  Data = bytes.empty() ? TBytes{'-'} : std::move(bytes);
}

void TMp3ID3v2FrameCat0::SetDataString(const std::string& text) {
  if (!text.empty()) Data.assign(text.begin(), text.end());
}

void TMp3ID3v2FrameCat3::SetText(TBytes bytes) {
  if (!bytes.empty()) SetData(std::move(bytes));
}
