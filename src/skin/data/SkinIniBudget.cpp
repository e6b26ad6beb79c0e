#include "SkinIniBudget.h"

#include "base/IniDocument.h"
#include "base/Strings.h"

namespace {

[[noreturn]] void RefuseSkin() { throw ESkinTooLarge("The skin's entries need more memory than a skin may take"); }

}  // namespace

int64_t SkinIniTextCharge(std::string_view Text) {
  const TIniDocument::TExtent extent = TIniDocument::ExtentOf(Text);
  if (extent.LongestEntryLine > MaxSkinLineLength)
    throw ESkinTooLarge("A line of the skin's text is longer than a skin's line may be");
  const int64_t charge = static_cast<int64_t>(extent.Lines) * SkinLineCharge +
                         static_cast<int64_t>(extent.Sections) * SkinSectionCharge +
                         static_cast<int64_t>(extent.SectionNameBytes);
  if (charge > MaxSkinLoadCharge) RefuseSkin();
  return charge;
}

TspBudgetedSkinIni::TspBudgetedSkinIni(TCustomIniFile& Source, int64_t Budget)
    : TCustomIniFile(Source.FileName()), FSource(Source), FBudget(Budget) {}

void TspBudgetedSkinIni::Charge(int64_t Bytes) {
  FCharged += SkinValueOverhead + Bytes;
  if (FCharged > FBudget) RefuseSkin();
}

void TspBudgetedSkinIni::ExpectValues(int64_t Count) const {
  if (Count > (FBudget - FCharged) / SkinValueOverhead) RefuseSkin();
}

void TspBudgetedSkinIni::ChargeLines(const TStrings& Lines) {
  for (int i = 0; i < Lines.Count(); ++i) Charge(static_cast<int64_t>(Lines.Strings(i).size()));
}

std::string TspBudgetedSkinIni::ReadString(std::string_view section, std::string_view key, std::string_view def) {
  std::string value = FSource.ReadString(section, key, def);
  Charge(static_cast<int64_t>(value.size()));
  return value;
}

void TspBudgetedSkinIni::ReadSection(const std::string& section, TStrings& keys) {
  FSource.ReadSection(section, keys);
  ChargeLines(keys);
}

void TspBudgetedSkinIni::ReadSections(TStrings& sections) {
  FSource.ReadSections(sections);
  ChargeLines(sections);
}

void TspBudgetedSkinIni::ReadSectionValues(const std::string& section, TStrings& values) {
  FSource.ReadSectionValues(section, values);
  ChargeLines(values);
}

bool TspBudgetedSkinIni::SectionExists(const std::string& section) {
  Charge(0);
  return FSource.SectionExists(section);
}

void TspBudgetedSkinIni::WriteString(const std::string&, const std::string&, const std::string&) {
  throw EInvalidOperation("A skin being loaded is not written");
}

void TspBudgetedSkinIni::EraseSection(const std::string&) {
  throw EInvalidOperation("A skin being loaded is not written");
}

void TspBudgetedSkinIni::DeleteKey(const std::string&, const std::string&) {
  throw EInvalidOperation("A skin being loaded is not written");
}

void TspBudgetedSkinIni::UpdateFile() { throw EInvalidOperation("A skin being loaded is not written"); }
