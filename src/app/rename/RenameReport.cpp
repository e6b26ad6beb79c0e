#include "RenameReport.h"

#include "app/language/Translation.h"

#include "base/StrUtils.h"
#include "base/TextFileWriter.h"

#include <algorithm>
#include <iterator>

namespace {

// The texts of the setting "ActionOnExistingFile", by TExistingFileAction.
constexpr TLangText kActionTexts[] = {TLangText::AddNumberAction, TLangText::OverwriteAction,
                                      TLangText::SkipAction, TLangText::AskAction};

std::string GroupText(const std::string& heading, const std::vector<std::string>& lines) {
  std::string text = heading + CRLF + " " + CRLF;
  for (const std::string& line : lines) text += line + CRLF;
  return text;
}

// A name built from a tag may hold line breaks; the report keeps one entry per line.
std::string Printable(std::string name) {
  std::replace_if(
      name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < ' '; }, '?');
  return name;
}

}  // namespace

TRenameReport::TRenameReport(uint8_t actionOnExistingFile)
    : FExistingHeading(LangText(TLangText::ExistingNamesHeading)) {
  if (actionOnExistingFile < std::size(kActionTexts))
    FExistingHeading += " " + LangText(kActionTexts[actionOnExistingFile]);
}

size_t TRenameReport::AddExisting(const std::string& fileName) {
  FExisting.push_back(Printable(fileName));
  return FExisting.size() - 1;
}

void TRenameReport::ReplaceExisting(size_t place, const std::string& fileName) {
  FExisting.at(place) = Printable(fileName);
}

void TRenameReport::AddFailure(const std::string& fileName, const std::string& newFileName) {
  FFailures.push_back(Printable(fileName) + " -> " + Printable(newFileName));
}

void TRenameReport::AddFailedFile(const std::string& fileName) {
  FFailures.push_back(Printable(fileName));
}

std::string TRenameReport::Text() const {
  std::string text;
  if (!FExisting.empty()) text = GroupText(FExistingHeading, FExisting);
  if (!FFailures.empty())
    text += (text.empty() ? "" : CRLF) +
            GroupText(LangText(TLangText::FailedFilesHeading), FFailures);
  return text;
}

void TRenameReport::SaveToFile(const std::string& fileName) const {
  TTextFileWriter log(fileName);
  log.WriteLine(Text());
  log.Close();
}
