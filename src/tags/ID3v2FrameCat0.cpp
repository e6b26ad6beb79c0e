#include "ID3v2FrameCat0.h"

void TMp3ID3v2FrameCat0::SetData(TBytes bytes) {
  Data = bytes.empty() ? TBytes{'-'} : std::move(bytes);
}

void TMp3ID3v2FrameCat3::SetText(TBytes bytes) {
  if (!bytes.empty()) SetData(std::move(bytes));
}

std::string TMp3ID3v2FrameCat3::GetTextString() const { return {Data.begin(), Data.end()}; }

void TMp3ID3v2FrameCat3::SetTextString(const std::string& text) {
  if (!text.empty()) Data.assign(text.begin(), text.end());
}

std::string TMp3ID3v2FrameCat6::GetBodyString() const { return {Data.begin(), Data.end()}; }

void TMp3ID3v2FrameCat6::SetBodyString(const std::string& body) {
  if (!body.empty()) Data.assign(body.begin(), body.end());
}
