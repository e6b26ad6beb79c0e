#include "SkinIniCodecs.h"

#include "SkinIniBudget.h"

#include "base/IniFiles.h"
#include "base/StrUtils.h"
#include "base/Strings.h"

#include <algorithm>
#include <array>

namespace {

// The digits of field Field of S split at ",", all else left out.
std::string FieldDigits(const std::string& S, size_t Field) {
  std::string digits;
  size_t field = 0;
  for (char c : S) {
    if (c == ',') {
      if (++field > Field) break;
    } else if (field == Field && c >= '0' && c <= '9') {
      digits += c;
    }
  }
  return digits;
}

// Splits S at "," into N fields of digits and converts each as StrToInt would. Up to nine
// digits are summed as they come; a field with none or more goes through StrToInt, which
// refuses the one and range-checks the other.
template <size_t N>
std::array<int32_t, N> ParseNumberList(const std::string& S) {
  std::array<int32_t, N> numbers{};
  std::array<int, N> digits{};
  size_t field = 0;
  for (char c : S) {
    if (c == ',') {
      if (++field == N) break;
    } else if (c >= '0' && c <= '9' && digits[field]++ < 9) {
      numbers[field] = numbers[field] * 10 + (c - '0');
    }
  }
  for (size_t i = 0; i < N; ++i)
    if (digits[i] == 0 || digits[i] > 9) numbers[i] = StrToInt(FieldDigits(S, i));
  return numbers;
}

struct TFontStyleKeyword {
  TFontStyle Style;
  const char* Keyword;
};

constexpr std::array<TFontStyleKeyword, 4> FontStyleKeywords = {{{fsBold, "fsbold"},
                                                                 {fsItalic, "fsitalic"},
                                                                 {fsUnderline, "fsunderline"},
                                                                 {fsStrikeOut, "fsstrikeout"}}};

}  // namespace

int32_t CappedSkinListCount(int32_t count) { return std::clamp(count, 0, MaxSkinListCount); }

int32_t ReadSkinListCount(TCustomIniFile& IniFile, const std::string& Section, const std::string& Key) {
  const int32_t count = CappedSkinListCount(IniFile.ReadInteger(Section, Key, 0));
  // Each value of the list is read once at least: refusing now changes no outcome, it
  // only spares the reads.
  if (auto* budgeted = dynamic_cast<TspBudgetedSkinIni*>(&IniFile)) budgeted->ExpectValues(count);
  return count;
}

void ParsePoint(const std::string& S, TPoint& P) {
  auto numbers = ParseNumberList<2>(S);
  P = TPoint{numbers[0], numbers[1]};
}

void ParseRect(const std::string& S, TRect& R) {
  auto numbers = ParseNumberList<4>(S);
  R = TRect{numbers[0], numbers[1], numbers[2], numbers[3]};
}

bool SplitSkinEntry(const std::string& S, std::string& Name, std::string& Rest) {
  const size_t colon = S.find(':');
  if (colon == std::string::npos) {
    Name.clear();
    Rest.clear();
    return false;
  }
  Name = S.substr(0, colon);
  Rest = S.substr(colon + 1);
  return true;
}

void ReadRect(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
              TRect& R) {
  ParseRect(IniFile.ReadString(Section, Ident, "0,0,0,0"), R);
}

void ReadPoint(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
               TPoint& P) {
  ParsePoint(IniFile.ReadString(Section, Ident, "0,0"), P);
}

bool ReadBoolean(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident) {
  return IniFile.ReadInteger(Section, Ident, 0) == 1;
}

TFontStyles ReadFontStyles(TCustomIniFile& IniFile, const std::string& Section,
                           std::string_view Ident) {
  std::string text = IniFile.ReadString(Section, Ident, "");
  TFontStyles styles;
  for (const TFontStyleKeyword& entry : FontStyleKeywords)
    if (text.find(entry.Keyword) != std::string::npos) styles.Include(entry.Style);
  return styles;
}

TAlignment ReadAlignment(TCustomIniFile& IniFile, const std::string& Section,
                         std::string_view Ident) {
  std::string text = IniFile.ReadString(Section, Ident, "tacenter");
  if (text == "tacenter") return taCenter;
  if (text == "taleftjustify") return taLeftJustify;
  return taRightJustify;
}

void ReadTextLines(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
                   TStrings& Strings) {
  const int32_t count = ReadSkinListCount(IniFile, Section, std::string(Ident) + "linecount");
  for (int32_t i = 0; i < count; ++i)
    Strings.Add(IniFile.ReadString(Section, std::string(Ident) + "line" + IntToStr(i), ""));
}

void ReadStrings(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
                 TStrings& Strings) {
  const int32_t count = ReadSkinListCount(IniFile, Section, std::string(Ident) + "count");
  for (int32_t i = 0; i < count; ++i) Strings.Add(IniFile.ReadString(Section, IntToStr(i), ""));
}

void WriteRect(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
               const TRect& R) {
  IniFile.WriteString(Section, Ident,
                      IntToStr(R.Left) + "," + IntToStr(R.Top) + "," + IntToStr(R.Right) + "," +
                          IntToStr(R.Bottom));
}

void WritePoint(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                const TPoint& P) {
  IniFile.WriteString(Section, Ident, IntToStr(P.X) + "," + IntToStr(P.Y));
}

void WriteBoolean(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                  bool Value) {
  IniFile.WriteInteger(Section, Ident, Value ? 1 : 0);
}

void WriteFontStyles(TCustomIniFile& IniFile, const std::string& Section,
                     const std::string& Ident, TFontStyles Styles) {
  std::string text;
  for (const TFontStyleKeyword& entry : FontStyleKeywords) {
    if (!Styles.Contains(entry.Style)) continue;
    if (!text.empty()) text += ',';
    text += entry.Keyword;
  }
  IniFile.WriteString(Section, Ident, text);
}

void WriteAlignment(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                    TAlignment Value) {
  const char* keyword = Value == taCenter        ? "tacenter"
                        : Value == taLeftJustify ? "taleftjustify"
                                                 : "tarightjustify";
  IniFile.WriteString(Section, Ident, keyword);
}

void WriteTextLines(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                    const TStrings& Strings) {
  IniFile.WriteInteger(Section, std::string(Ident) + "linecount", Strings.Count());
  for (int i = 0; i < Strings.Count(); ++i)
    IniFile.WriteString(Section, std::string(Ident) + "line" + IntToStr(i), Strings.Strings(i));
}

bool CheckSkinIniFile(TCustomIniFile& IniFile) {
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!IniFile.SectionExists(section)) return false;
  return true;
}
