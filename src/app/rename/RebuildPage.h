#pragma once
// The options of the main window's rebuild page: which check boxes are checked, which
// controls they enable, the chosen rename format and its pull on the start-number box,
// and the start number's edit. The boxes write the options of the settings and the
// session as they change, so that the rename engine reads them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;
class TConfigSession;

struct TRebuildChecks {
  std::array<bool, 7> Sections{};  // remove section 1 to 7
  bool CutTillNumber = false;      // "Remove text up to numbers"
  bool AllWordsCaps = false;
  bool UseSelectedFormat = false;  // "Selected format :"
  bool UseStartNumber = false;     // the track number's "Start"
  bool operator==(const TRebuildChecks&) const = default;
};

struct TRebuildEnabling {
  bool SectionBoxes = true;       // the seven section boxes and their number labels
  bool CutTillNumber = true;
  bool UseSelectedFormat = true;
  bool FormatChoice = false;      // the formats combo box and the format builder's button
  bool StartNumberEdit = false;
  bool operator==(const TRebuildEnabling&) const = default;
};

// Cutting up to the numbers and removing sections exclude each other, and so do removing
// sections and a format; a format's combo and the start number's edit follow their boxes.
TRebuildEnabling RebuildEnabling(const TRebuildChecks& checks);

class TRebuildPage {
public:
  // The boxes start unchecked; the all-words-caps box shows the session's option.
  TRebuildPage(TConfigBase& settings, TConfigSession& session);
  TRebuildPage(const TRebuildPage&) = delete;
  TRebuildPage& operator=(const TRebuildPage&) = delete;

  TRebuildChecks Checks() const;
  TRebuildEnabling Enabling() const { return RebuildEnabling(Checks()); }

  // --- Clicks on the boxes, with the state the box takes. A disabled box takes none. --
  void SetSection(int number, bool checked);  // 1 to 7; unchecks "Selected format"
  void SetCutTillNumber(bool checked);
  void SetAllWordsCaps(bool checked);
  void SetUseSelectedFormat(bool checked);
  // Stays checked while the chosen format numbers the files.
  void SetUseStartNumber(bool checked);
  // After sections were removed: every section box and the cut box unchecked.
  void ClearSectionBoxes();

  // --- The formats combo box ------------------------------------------------------------
  std::vector<std::string> FormatItems() const;
  // The combo's item, -1 while the format list is empty.
  int32_t FormatIndex() const { return FFormatIndex; }
  // Refilled: the first format chosen, none from an empty list.
  void ReloadFormats();
  // The stored preferred format, brought into the list.
  void SelectPreferredFormat();
  // A format with "<N>" checks the start-number box while "Selected format" is checked;
  // choosing one without unchecks it again when a format had checked it. Without a
  // format (-1, or an empty list) nothing is parsed and no format applies.
  void SelectFormat(int32_t index);
  // "Selected format" is checked and there is a format to apply.
  bool FormatApplies() const;

  // --- The start number's edit ----------------------------------------------------------
  // The keys the edit takes: the digits and backspace.
  static bool IsStartNumberKey(char key);
  const std::string& StartNumberText() const { return FStartNumber; }
  // Typed text: an emptied edit shows "1"; text that is not a number is refused and the
  // edit shows the number it had.
  void SetStartNumberText(const std::string& text);
  // Up adds 1 without an upper bound; Down subtracts 1 from a number above 1 and leaves
  // 1 and 0 as they are, so the start never turns negative.
  void StepStartNumber(bool up);
  int32_t StartNumber() const;

private:
  void CheckStartNumber(bool checked);

  TConfigBase& FSettings;
  TConfigSession& FSession;
  bool FUseSelectedFormat = false;  // the box; the session's option also needs a format
  bool FFormatAutoChecked = false;  // a format, not the user, checked the start-number box
  int32_t FFormatIndex = -1;
  std::string FStartNumber;
};
