#include "SettingsChoices.h"

#include "app/language/Translation.h"
#include "app/messages/SettingsReports.h"
#include "app/rename/RenameRun.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "tags/ID3TagsUtils.h"

#include <algorithm>
#include <iterator>

namespace {

// The version numbers each combo offers, item by item.
const std::vector<uint8_t>& VersionItems(TVersionCombo combo) {
  static const std::vector<uint8_t> kID3v1{tvNone, tvID3v11};
  static const std::vector<uint8_t> kID3v2{tvNone, tvID3v24};
  return combo == TVersionCombo::ID3v1 ? kID3v1 : kID3v2;
}

std::vector<std::string> Texts(std::initializer_list<TLangText> texts) {
  std::vector<std::string> items;
  for (TLangText text : texts) items.push_back(LangText(text));
  return items;
}

constexpr int32_t kCheckBoxRoom = 22;
constexpr int32_t kCheckBoxFieldGap = 4;
constexpr int32_t kLabelFieldGap = 5;
constexpr int32_t kGroupEndGap = 15;
constexpr int32_t kCheckImageRoom = 18;  // where a check box's caption starts

TCaptionRow CaptionRow(int32_t left, int32_t width, int32_t gap, int32_t groupWidth) {
  const int32_t fieldLeft = left + width + gap;
  return {{left, width}, {fieldLeft, std::max(groupWidth - kGroupEndGap - fieldLeft, 0)}};
}

}  // namespace

std::vector<std::string> VersionComboItems(TVersionCombo combo) {
  std::vector<std::string> items;
  for (uint8_t version : VersionItems(combo)) items.push_back(TagVersionName(version));
  return items;
}

int32_t VersionComboIndex(TVersionCombo combo, uint8_t version) {
  const std::vector<uint8_t>& items = VersionItems(combo);
  const auto item = std::find(items.begin(), items.end(), version);
  return item == items.end() ? 0 : static_cast<int32_t>(item - items.begin());
}

uint8_t VersionFromComboText(TVersionCombo combo, const std::string& text, uint8_t stored) {
  const std::vector<uint8_t>& items = VersionItems(combo);
  const auto item =
      std::find_if(items.begin(), items.end(), [&](uint8_t version) { return TagVersionName(version) == text; });
  if (item == items.end()) return stored;
  return item - items.begin() == VersionComboIndex(combo, stored) ? stored : *item;
}

std::vector<std::string> FileExistsComboItems() {
  using enum TLangText;
  return Texts({AddNumberAction, OverwriteAction, SkipAction, AskAction});
}

std::vector<std::string> SaveActionComboItems() {
  using enum TLangText;
  return Texts({SaveNothingItem, SaveFailuresItem, SaveEverythingItem});
}

std::vector<std::string> CommentLanguageComboItems() {
  std::vector<std::string> items;
  for (int i = 0; i < LanguageCount; ++i) items.push_back(LanguageName(i));
  return items;
}

TListNameProblem ListNameProblem(const std::string& name, const std::string& extension) {
  if (!ListNameIsFileName(name)) return TListNameProblem::NotAFileName;
  return ListNameAllowed(name, extension) ? TListNameProblem::None : TListNameProblem::NamesAnMp3File;
}

bool ListNameAcceptable(const std::string& name, const std::string& extension) {
  return ListNameProblem(name, extension) == TListNameProblem::None;
}

std::string ListNameNote(TListNameProblem problem) {
  switch (problem) {
    case TListNameProblem::NotAFileName: return LangText(TLangText::ListNameInvalidNote);
    case TListNameProblem::NamesAnMp3File: return LangText(TLangText::ListNameMp3Note);
    default: return {};
  }
}

TSettingsChoices TSettingsChoices::Of(const TConfigBase& settings) {
  return {settings.AllWordsCaps,        settings.SaveList,           settings.ListName(),
          settings.ActionOnExistingFile, settings.DefaultSaveActionForLog, settings.DefaultTagLanguage,
          settings.DefaultID3v1,         settings.DefaultID3v2};
}

TListNameProblem TSettingsChoices::ListNameProblem(const TConfigBase& settings) const {
  return ::ListNameProblem(ListName, settings.Extension);
}

bool TSettingsChoices::CanSave(const TConfigBase& settings) const {
  return ListNameProblem(settings) == TListNameProblem::None;
}

bool TSettingsChoices::Save(TConfigBase& settings, TConfigSession& session) const {
  if (!CanSave(settings)) return false;
  settings.AllWordsCaps = AllWordsCaps;
  settings.SaveList = SaveList;
  settings.ActionOnExistingFile = ActionOnExistingFile;
  settings.DefaultSaveActionForLog = DefaultSaveActionForLog;
  settings.DefaultTagLanguage = DefaultTagLanguage;
  settings.DefaultID3v1 = DefaultID3v1;
  settings.DefaultID3v2 = DefaultID3v2;
  settings.SetListName(ListName);
  ReportSettingsResult(settings.WriteSettings(), settings.StoredSkin);
  session.AllWordsCaps = AllWordsCaps;
  return true;
}

TCaptionRow CheckBoxRow(int32_t left, int32_t captionWidth, int32_t groupWidth) {
  return CaptionRow(left, captionWidth + kCheckBoxRoom, kCheckBoxFieldGap, groupWidth);
}

TCaptionRow LabelRow(int32_t left, int32_t captionWidth, int32_t groupWidth) {
  return CaptionRow(left, captionWidth, kLabelFieldGap, groupWidth);
}

TSpan ListNoteSpan(int32_t checkBoxLeft, int32_t groupWidth) {
  const int32_t left = checkBoxLeft + kCheckImageRoom;
  return {left, std::max(groupWidth - kGroupEndGap - left, 0)};
}
