#include "FormatBuilder.h"

#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/messages/SettingsReports.h"
#include "app/settings/Config.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"

#include <algorithm>

namespace {

const char kFolder[] = "\\";
const char kPlaceholderLetters[] = "ATLYNG";

// The WriteSettingsPart groups of the two modes' formats.
constexpr int kFormatsParts[] = {0, 2};  // by TFormatBuilderMode

std::string ElementText(TFormatElement element) {
  switch (element) {
    case TFormatElement::Folder: return kFolder;
    case TFormatElement::Unused: return "<X>";
    case TFormatElement::Artist: return "<A>";
    case TFormatElement::Title: return "<T>";
    case TFormatElement::Album: return "<L>";
    case TFormatElement::Year: return "<Y>";
    case TFormatElement::Track: return "<N>";
    case TFormatElement::Genre: return "<G>";
  }
  return {};
}

bool Repeatable(TFormatElement element) {
  return element == TFormatElement::Folder || element == TFormatElement::Unused;
}

int NthBackslash(const std::string& format, int8_t n) { return NthCharOfSetPos(format, kFolder, 1, n); }

}  // namespace

std::string FormatExampleFileName(const TConfigBase& settings, const std::string& format) {
  return TConfigBase::FormatToExample(format) + "." + settings.Extension;
}

std::vector<std::string> FormatExampleFileNames(const TConfigBase& settings, const TStringList& formats) {
  std::vector<std::string> items;
  for (int i = 0; i < formats.Count(); ++i) items.push_back(FormatExampleFileName(settings, formats.Strings(i)));
  return items;
}

int32_t ClampedFormatIndex(int32_t index, int32_t count) {
  return count > 0 ? std::clamp(index, 0, count - 1) : -1;
}

bool FormatAcceptable(const std::string& format) {
  if (format.empty()) return false;
  const int unused = NthCharOfSetPos(format, "X", 1, 1);
  const int placeholder = NthCharOfSetPos(format, kPlaceholderLetters, 1, 1);
  const int secondFolder = NthBackslash(format, 2);
  const int lastFolder = static_cast<int>(format.rfind('\\') + 1);  // 0 without one
  const int placeholderAfterLast = NthCharOfSetPos(format, kPlaceholderLetters, std::max(lastFolder, 1), 1);
  if (unused > 0 && placeholder == 0) return false;
  // "<X>" alone in a folder level before the level of the first real placeholder.
  if (unused > 0 && unused < placeholder && unused < secondFolder && placeholder > secondFolder) return false;
  return placeholderAfterLast >= lastFolder;
}

TFormatBuilder::TFormatBuilder(int mode, TConfigBase& settings)
    : FMode(mode == fbTagFormats ? fbTagFormats : fbRenameFormats), FSettings(settings) {
  PreferredIndex() = std::max(ClampedFormatIndex(PreferredIndex(), Formats().Count()), 0);
}

TStringList& TFormatBuilder::Formats() const {
  return FMode == fbTagFormats ? FSettings.TagFormats : FSettings.RenameFormats;
}

int32_t& TFormatBuilder::PreferredIndex() const {
  return FMode == fbTagFormats ? FSettings.PreferredTagFormat : FSettings.PreferredRenameFormat;
}

const std::string& TFormatBuilder::Caption() const {
  return LangText(FMode == fbTagFormats ? TLangText::TagFormatBuilderCaption
                                        : TLangText::FilenameFormatBuilderCaption);
}

std::vector<std::string> TFormatBuilder::StoredItems() const { return FormatExampleFileNames(FSettings, Formats()); }

int32_t TFormatBuilder::InitialSelection() const { return ClampedFormatIndex(0, Formats().Count()); }

std::string TFormatBuilder::CurrentExample() const {
  return FCurrent.empty() ? std::string() : FormatExampleFileName(FSettings, FCurrent);
}

bool TFormatBuilder::ElementEnabled(TFormatElement element) const {
  if (Repeatable(element)) return FolderElementsVisible();
  return FCurrent.find(ElementText(element)) == std::string::npos;
}

void TFormatBuilder::Append(TFormatElement element) {
  if (!ElementEnabled(element)) return;
  const std::string text = ElementText(element);
  if (FCurrent.empty()) {
    FCurrent = FMode == fbRenameFormats || text == kFolder ? text : std::string(kFolder) + " " + text;
  } else if (FMode == fbRenameFormats) {
    FCurrent += " - " + text;
  } else if (text == kFolder) {
    if (FCurrent.back() != '\\') FCurrent += " " + text;  // one level at a time
  } else {
    FCurrent += (FCurrent.back() == '\\' ? " " : " - ") + text;
  }
}

TFormatAddResult TFormatBuilder::Add() {
  if (!FormatAcceptable(FCurrent)) {
    ShowMessageOk(LangText(TLangText::ErrorCaption),
                  LangText(TLangText::FormatNotAcceptableMessage) + CRLF + CurrentExample(),
                  FSettings.StoredSkin);
    ClearCurrent();
    return TFormatAddResult::Refused;
  }
  if (Formats().IndexOf(FCurrent) >= 0) {
    ShowMessageOk(LangText(TLangText::ErrorCaption), LangText(TLangText::NoFilesChangedMessage),
                  FSettings.StoredSkin);
    return TFormatAddResult::Duplicate;
  }
  Formats().Add(FCurrent);
  FFormatsChanged = true;
  ClearCurrent();
  return TFormatAddResult::Added;
}

bool TFormatBuilder::IsStored(int32_t index) const { return index >= 0 && index < Formats().Count(); }

bool TFormatBuilder::EraseEnabled(int32_t selected) const { return IsStored(selected); }

bool TFormatBuilder::PreferenceEnabled(int32_t selected) const {
  return IsStored(selected) && selected != PreferredIndex();
}

int32_t TFormatBuilder::Erase(int32_t selected) {
  if (!IsStored(selected)) return ClampedFormatIndex(PreferredIndex(), Formats().Count());
  Formats().Delete(selected);
  int32_t& preferred = PreferredIndex();
  if (selected < preferred) --preferred;  // the same format, one place up
  preferred = std::max(ClampedFormatIndex(preferred, Formats().Count()), 0);
  WriteFormats();
  return ClampedFormatIndex(preferred, Formats().Count());
}

void TFormatBuilder::Prefer(int32_t selected) {
  if (!PreferenceEnabled(selected)) return;
  PreferredIndex() = selected;
  WriteFormats();
}

void TFormatBuilder::Accept() {
  if (FFormatsChanged) WriteFormats();
}

void TFormatBuilder::WriteFormats() {
  ReportSettingsResult(FSettings.WriteSettingsPart(kFormatsParts[FMode]), FSettings.StoredSkin);
}
