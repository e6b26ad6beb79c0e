#include "RebuildPage.h"

#include "FormatBuilder.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"

#include <algorithm>
#include <limits>

namespace {

constexpr char kBackspace = '\b';
const std::string kFirstNumber = "1";  // what an emptied start-number edit shows

bool AnyChecked(const std::array<bool, 7>& sections) {
  return std::find(sections.begin(), sections.end(), true) != sections.end();
}

// A run of digits as a number, held at the largest 32-bit value.
int32_t SaturatedNumber(const std::string& digits) {
  int64_t value = 0;
  for (char digit : digits)
    value = std::min<int64_t>(value * 10 + (digit - '0'), std::numeric_limits<int32_t>::max());
  return static_cast<int32_t>(value);
}

}  // namespace

TRebuildEnabling RebuildEnabling(const TRebuildChecks& checks) {
  const bool sections = AnyChecked(checks.Sections);
  TRebuildEnabling enabling;
  enabling.SectionBoxes = !checks.CutTillNumber;
  enabling.CutTillNumber = !sections;
  enabling.UseSelectedFormat = !sections;
  enabling.FormatChoice = checks.UseSelectedFormat;
  enabling.StartNumberEdit = checks.UseStartNumber;
  return enabling;
}

TRebuildPage::TRebuildPage(TConfigBase& settings, TConfigSession& session)
    : FSettings(settings), FSession(session), FStartNumber(kFirstNumber) {}

TRebuildChecks TRebuildPage::Checks() const {
  TRebuildChecks checks;
  for (size_t i = 0; i < checks.Sections.size(); ++i)
    checks.Sections[i] = FSettings.GetRemoveSection(static_cast<int>(i) + 1);
  checks.CutTillNumber = FSession.CutTillNumber;
  checks.AllWordsCaps = FSession.AllWordsCaps;
  checks.UseSelectedFormat = FUseSelectedFormat;
  checks.UseStartNumber = FSession.UseStartNumber;
  return checks;
}

void TRebuildPage::SetSection(int number, bool checked) {
  if (number < 1 || number > TConfigBase::RemoveSectionFlagCount) return;
  if (!Enabling().SectionBoxes || FSettings.GetRemoveSection(number) == checked) return;
  FSettings.SetRemoveSection(number, checked);
  SetUseSelectedFormat(false);
}

void TRebuildPage::SetCutTillNumber(bool checked) {
  if (Enabling().CutTillNumber) FSession.CutTillNumber = checked;
}

void TRebuildPage::SetAllWordsCaps(bool checked) { FSession.AllWordsCaps = checked; }

void TRebuildPage::SetUseSelectedFormat(bool checked) {
  if (checked && !Enabling().UseSelectedFormat) return;
  FUseSelectedFormat = checked;
  if (checked) {
    SelectFormat(FFormatIndex);
    return;
  }
  FSession.UseSelectedFormat = false;
  if (FFormatAutoChecked) CheckStartNumber(false);
}

void TRebuildPage::SetUseStartNumber(bool checked) {
  if (FSession.UseSelectedFormat && FSettings.NumberPosition > 0) checked = true;  // the format numbers
  FSession.UseStartNumber = checked;
}

void TRebuildPage::CheckStartNumber(bool checked) {
  FSession.UseStartNumber = checked;
  FFormatAutoChecked = checked;
}

void TRebuildPage::ClearSectionBoxes() {
  for (int number = 1; number <= TConfigBase::RemoveSectionFlagCount; ++number)
    if (FSettings.GetRemoveSection(number)) FSettings.SetRemoveSection(number, false);
  FSession.CutTillNumber = false;
}

std::vector<std::string> TRebuildPage::FormatItems() const {
  return FormatExampleFileNames(FSettings, FSettings.RenameFormats);
}

void TRebuildPage::ReloadFormats() { SelectFormat(FSettings.RenameFormats.Count() > 0 ? 0 : -1); }

void TRebuildPage::SelectPreferredFormat() {
  SelectFormat(ClampedFormatIndex(FSettings.PreferredRenameFormat, FSettings.RenameFormats.Count()));
}

void TRebuildPage::SelectFormat(int32_t index) {
  FFormatIndex = index >= 0 && index < FSettings.RenameFormats.Count() ? index : -1;
  if (FFormatIndex >= 0) {
    FSettings.ParseRenameFormat(FFormatIndex);
  } else {
    FSettings.SectionCapsFlags.clear();
    FSettings.NumberPosition = FSettings.PlaceholderCount = 0;
  }
  FSession.UseSelectedFormat = FormatApplies();
  if (FUseSelectedFormat && FSettings.NumberPosition > 0) {
    if (!FSession.UseStartNumber) CheckStartNumber(true);
  } else if (FFormatAutoChecked) {
    CheckStartNumber(false);
  }
}

bool TRebuildPage::FormatApplies() const { return FUseSelectedFormat && FFormatIndex >= 0; }

bool TRebuildPage::IsStartNumberKey(char key) { return (key >= '0' && key <= '9') || key == kBackspace; }

void TRebuildPage::SetStartNumberText(const std::string& text) {
  if (text.empty() || IsDigits(text)) FStartNumber = text.empty() ? kFirstNumber : text;
}

void TRebuildPage::StepStartNumber(bool up) {
  const int32_t number = StartNumber();
  if (up && number < std::numeric_limits<int32_t>::max()) FStartNumber = IntToStr(number + 1);
  if (!up && number > 1) FStartNumber = IntToStr(number - 1);
}

int32_t TRebuildPage::StartNumber() const { return SaturatedNumber(FStartNumber); }
