#pragma once
// TspBudgetedSkinIni: a read-only view of a skin's INI text that charges every value it
// hands out against one budget for the whole load. Each count read from a skin is capped
// on its own, but any number of entries may name one section and each re-reads its lists:
// only a total across the load keeps a small hostile skin from taking gigabytes and
// seconds. Every value a loader reads may be kept, so each costs its text plus the least
// a kept string takes (its object and its place in a list).

#include "SkinLimits.h"

#include "base/IniFiles.h"

#include <cstdint>
#include <string>
#include <string_view>

// Far above what real skins take (each of the project's own is charged about 350 KiB),
// far below what would strain memory or make a load take long.
inline constexpr int64_t MaxSkinLoadCharge = int64_t{8} << 20;
// What a value costs beyond its text: a string object and its slot in a list, with the
// slack of a growing list and the heap's own bookkeeping.
inline constexpr int64_t SkinValueOverhead = 128;

// What keeping a skin's INI text parsed costs, charged once when a stored skin is decoded
// and then against every load of it: each line keeps a record (48 bytes in the 32-bit
// build) and its place in its section's key index, each section its line list, key index
// and a copy of its name, charged by its bytes beyond SkinSectionCharge. A text of nothing
// but line ends would otherwise cost 50 times its size, and one section name of 62 MB
// (an 86 KB skin) 128 MB held.
inline constexpr int64_t SkinLineCharge = 64;
inline constexpr int64_t SkinSectionCharge = 256;
// The longest line that names a section or holds a key: each is a name or text a load
// reads, and what a skin gives a window (a label's or a hint's text, a font's name) is
// drawn or measured whole at every paint. The project's skins take fewer than 70 bytes;
// a label of 7 MB took 0.6 to 1 s at every paint of its window.
inline constexpr size_t MaxSkinLineLength = 4096;

// The charge of keeping Text parsed; raises ESkinTooLarge, having kept nothing, when that
// alone is over MaxSkinLoadCharge or a line that names a section or holds a key is longer
// than MaxSkinLineLength.
int64_t SkinIniTextCharge(std::string_view Text);

class TspBudgetedSkinIni : public TCustomIniFile {
public:
  explicit TspBudgetedSkinIni(TCustomIniFile& Source, int64_t Budget = MaxSkinLoadCharge);

  // What the values read so far have cost.
  int64_t Charged() const { return FCharged; }
  // Raises ESkinTooLarge when Count more values, each costing at least the overhead,
  // cannot fit in what is left, so that a list announcing more than the budget holds is
  // refused before any of it is read. Charges nothing.
  void ExpectValues(int64_t Count) const;

  // Each read charges its result; the read that goes over the budget raises
  // ESkinTooLarge.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) override;
  void ReadSection(const std::string& section, TStrings& keys) override;
  void ReadSections(TStrings& sections) override;
  void ReadSectionValues(const std::string& section, TStrings& values) override;
  bool SectionExists(const std::string& section) override;

  // A view only reads: these raise EInvalidOperation.
  void WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& key) override;
  void UpdateFile() override;

private:
  void Charge(int64_t Bytes);
  void ChargeLines(const TStrings& Lines);

  TCustomIniFile& FSource;
  int64_t FBudget;
  int64_t FCharged = 0;
};
