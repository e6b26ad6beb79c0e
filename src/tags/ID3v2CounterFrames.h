#pragma once
// Counter frames.
// - TMp3ID3v2FrameCat23: a play counter, the base of the next class only.
// - TMp3ID3v2FrameCat24: the popularimeter (POPM): e-mail address (the text), rating
//   and play counter. Its text is always 8-bit.

#include "ID3v2TextFrames.h"

class TMp3ID3v2FrameCat23 : public TMp3ID3v2FrameCat1 {
public:
  using TMp3ID3v2FrameCat1::TMp3ID3v2FrameCat1;

  TBytes GetCounterData() const override { return CounterData; }
  void SetCounterData(TBytes bytes) override { CounterData = std::move(bytes); }
  // The counter as a big-endian number; a counter longer than 4 bytes gives its first 4.
  uint32_t GetCounter() const override;
  // The counter becomes the value's 4 big-endian bytes.
  void SetCounter(uint32_t value) override;
  // Body: the counter; without one the body stays as it is.
  void Encode() override;

protected:
  TBytes CounterData;
};

class TMp3ID3v2FrameCat24 : public TMp3ID3v2FrameCat23 {
public:
  TMp3ID3v2FrameCat24(uint8_t category, uint8_t frameKind);

  TBytes GetRatingData() const override { return Rating; }
  void SetRatingData(TBytes bytes) override { Rating = std::move(bytes); }
  uint8_t GetRating() const override { return Rating.empty() ? 0 : Rating[0]; }
  void SetRating(uint8_t rating) override { Rating = {rating}; }
  // Body: e-mail address, its zero byte, rating, counter (which may be empty).
  void Encode() override;

private:
  TBytes Rating;
};
