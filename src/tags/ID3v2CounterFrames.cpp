#include "ID3v2CounterFrames.h"

#include "ID3Codecs.h"

#include <algorithm>

// --- TMp3ID3v2FrameCat23 ----------------------------------------------------------------

uint32_t TMp3ID3v2FrameCat23::GetCounter() const {
  uint32_t counter = 0;
  for (size_t i = 0; i < std::min<size_t>(CounterData.size(), 4); ++i)
    counter = (counter << 8) | CounterData[i];
  return counter;
}

void TMp3ID3v2FrameCat23::SetCounter(uint32_t value) {
  T4Bytes bytes = WriteBigEndian32(value);
  CounterData.assign(bytes.begin(), bytes.end());
}

void TMp3ID3v2FrameCat23::Encode() {
  if (!CounterData.empty()) Data = CounterData;
}

// --- TMp3ID3v2FrameCat24 ----------------------------------------------------------------

TMp3ID3v2FrameCat24::TMp3ID3v2FrameCat24(uint8_t category, uint8_t frameKind)
    : TMp3ID3v2FrameCat23(category, frameKind), Rating{0} {
  SetEncoding(0);
}

void TMp3ID3v2FrameCat24::Encode() {
  // The counter is optional: a frame without one keeps its address and rating. A frame
  // read with an empty address still has its rating and counter to say.
  if (!Text.empty() || GetRating() != 0 || !CounterData.empty())
    Data = Join({Text, Terminator, Rating, CounterData});
}
