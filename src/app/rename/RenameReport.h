#pragma once
// The report of one rename run: the names that already existed, under a heading that
// tells the action taken, and the files that could not be renamed. It is shown to the
// user and kept in "Log.txt".

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TRenameReport {
public:
  // The heading names the action of the setting "ActionOnExistingFile" (0 to 3).
  explicit TRenameReport(uint8_t actionOnExistingFile);

  // Adds the file name an entry met; returns its place, for ReplaceExisting.
  size_t AddExisting(const std::string& fileName);
  // The entry met another name while looking for a free one.
  void ReplaceExisting(size_t place, const std::string& fileName);
  // A file that keeps its name: fileName could not become newFileName.
  void AddFailure(const std::string& fileName, const std::string& newFileName);
  // A file the run had to write and could not (the list of old names).
  void AddFailedFile(const std::string& fileName);

  bool Empty() const { return FExisting.empty() && FFailures.empty(); }
  // Each group with entries: its heading, a line holding one blank, its entries; every
  // line ended by CR LF, and an empty line between the groups.
  std::string Text() const;
  // Replaces the file with the text and one more line end; raises EInOutError.
  void SaveToFile(const std::string& fileName) const;

private:
  std::string FExistingHeading;
  std::vector<std::string> FExisting;
  std::vector<std::string> FFailures;
};
