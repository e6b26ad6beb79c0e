#pragma once
// The language table: every user-interface text by its name (TLangText, whose values are
// the texts' numbers 7 to 231), with built-in English defaults that a language file from
// the languages folder can replace. The section and key names of "Settings.ini" are texts
// of this table too. The table reads its files where the settings say and reports what
// failed by its result: the callers tell the user.

#include "base/Object.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TStrings;

// The names of the texts, made from the list of built-in English texts.
enum class TLangText : int {
  TranslatorCredit = 5,  // of the loaded language file; no built-in text
#define VQ_TEXT(number, name, text) name = number,
#include "EnglishTexts.def"
#undef VQ_TEXT
};

enum TLangID : uint8_t { lfDE = 0, lfEN = 1, lfES = 2, lfNL = 3 };
using TLangIDs = std::vector<TLangID>;

// One row of the language-file table.
struct TLangFileInfo {
  uint8_t Available;  // 1: the row's file counts when it is found (1 in every row)
  TLangID LangID;
  const char* FileName;
  const char* DisplayName;  // code page 1252
};

// Indexed by TLangID.
extern const std::array<TLangFileInfo, 4> LanguageFiles;

struct TLangConfig {
  uint8_t Language = lfEN;  // row of LanguageFiles; not checked against the table
  uint32_t Locale = 0;      // handed to the locale character-set routine
  TLangIDs LangIDs;         // the language files found, filled by the language table
};

// What the language table reads from the settings and fills in them (the settings object
// is one): the language files' folder, the version every file must carry, and the
// configured language with the list of the files found.
class TLanguageSettings {
public:
  virtual const std::string& LanguageFilesFolder() const = 0;
  virtual const std::string& LanguageFilesVersion() const = 0;
  virtual TLangConfig& LanguageConfig() = 0;

protected:
  ~TLanguageSettings() = default;
};

// What became of loading the configured language's file.
enum class TLanguageLoad : uint8_t {
  Loaded,
  NotFound,  // the configured language has no file in the languages folder
  Invalid,   // the file cannot be read, or its shape or version does not match
};

class TLanguage : public TObject {
public:
  static constexpr int FirstTextNumber = 7;
  static constexpr int LastTextNumber = 231;
  static constexpr int TextCount = LastTextNumber - FirstTextNumber + 1;
  static constexpr int MaxEntries = 301;  // entry positions 0 to 300
  static constexpr int CapacityStep = 25;
  // Language files are a few kilobytes; anything far larger is not one.
  static constexpr int64_t MaxFileSize = 1 << 20;
  // The entries a language file may have: every text, or the texts up to the tag editor
  // menu's, as translations made before the report texts were added have them.
  static const std::array<int, 2> FileEntryCounts;

  // Starts with the English texts and lists the language files found in the settings'
  // languages folder into the settings' available languages.
  explicit TLanguage(TLanguageSettings& settings);
  TLanguage(const TLanguage&) = delete;
  TLanguage& operator=(const TLanguage&) = delete;

  // A text, or the translator credit; ERangeError for a value that names neither.
  const std::string& operator[](TLangText text) const;
  int Count() const { return static_cast<int>(FEntries.size()); }
  int Capacity() const { return FCapacity; }

  // True when the configured language's file was found.
  bool IsLanguageAvailable() const;
  // Replaces every text from the configured language's file. A missing or invalid file
  // leaves the texts as they are.
  TLanguageLoad LoadLanguageFile();
  // Applies a language file's lines: a version line, the translator credit, one line
  // that is not read, then one "name=text" (or bare text) line per entry in table order,
  // as many as one of FileEntryCounts; the texts a shorter file lacks become English.
  // False, changing nothing, when the line count or the version does not match.
  bool ApplyLanguageLines(const TStrings& lines);

private:
  void FillDefaults();
  void FindAvailableLanguages();
  void AddString(std::string& field, const std::string& text);
  void SetString(int index, const std::string& value);
  void SetCapacity(int newCapacity);

  TLanguageSettings& FSettings;
  std::vector<std::string*> FEntries;  // entry position -> its text field
  int FCapacity = 0;
  std::string FCredit;
  std::array<std::string, TextCount> FTexts;  // text k at k - FirstTextNumber
};

// The process-wide language table, made by CreateCore and freed by FreeCore.
extern TLanguage* Lang;

// The built-in English text (the credit is empty); ERangeError for a value that names no
// text.
const std::string& EnglishText(TLangText text);
// Lang's text, or the built-in English one while there is no Lang.
const std::string& LangText(TLangText text);
