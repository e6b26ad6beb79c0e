#pragma once
// The morph of a skinned control that fades between its normal look (factor 0) and its
// active look (1) while the pointer or the focus comes and goes: a fifth of the way at
// each tick of its timer.

class TspMorph {
public:
  static constexpr unsigned Interval = 20;  // milliseconds between steps

  double Kf() const { return FStep / double(Steps); }
  // At the active look (Active) or the normal one.
  void Reset(bool Active) { FStep = Active ? Steps : 0; }
  // Between the two looks: both are drawn and blended.
  bool InProgress() const { return FStep > 0 && FStep < Steps; }
  // One step towards the active look (Active) or the normal one; false when it was
  // already there.
  bool Step(bool Active);

private:
  static constexpr int Steps = 5;
  int FStep = 0;
};
