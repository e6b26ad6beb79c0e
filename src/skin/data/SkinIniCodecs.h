#pragma once
// Value codecs of the skin INI text: rectangles, points, booleans, font styles,
// alignments, text lines and numbered lists. Readers and writers of a kind agree on the
// text form; comparisons of value text are exact and case-sensitive.

#include "SkinTypes.h"

#include <string>
#include <string_view>

class TCustomIniFile;
class TStrings;

// The most entries a count read from skin text may announce; larger counts are taken
// as this many, so a hostile count never makes a loader loop or allocate without bound.
inline constexpr int32_t MaxSkinListCount = 65536;
// A count read from skin text, made safe: 0 for zero or negative counts.
int32_t CappedSkinListCount(int32_t count);
// The capped count under Key, for a list of that many values. Read through a budgeted
// view (TspBudgetedSkinIni), a count the rest of the budget cannot hold refuses the skin
// at once.
int32_t ReadSkinListCount(TCustomIniFile& IniFile, const std::string& Section, const std::string& Key);

// "x,y" and "l,t,r,b": only the digits of each field count (a minus sign, blanks and
// letters are dropped) and text after the last field is ignored. A field without any
// digit, or one too large for 32 bits, raises EConvertError.
void ParsePoint(const std::string& S, TPoint& P);
void ParseRect(const std::string& S, TRect& R);

// Splits a list entry "name:rest" at its first ":". Without one, both parts are empty
// and the result is false.
bool SplitSkinEntry(const std::string& S, std::string& Name, std::string& Rest);

void ReadRect(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
              TRect& R);  // absent: 0,0,0,0
void ReadPoint(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
               TPoint& P);  // absent: 0,0
// True exactly for the integer 1.
bool ReadBoolean(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident);
// A style is present when its keyword ("fsbold", ...) occurs anywhere in the text.
TFontStyles ReadFontStyles(TCustomIniFile& IniFile, const std::string& Section,
                           std::string_view Ident);
// "tacenter" (also when absent), "taleftjustify", anything else taRightJustify.
TAlignment ReadAlignment(TCustomIniFile& IniFile, const std::string& Section,
                         std::string_view Ident);
// std::string(Ident) + "linecount" lines under Ident + "line" + i, appended to Strings.
void ReadTextLines(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
                   TStrings& Strings);
// std::string(Ident) + "count" entries under the bare keys "0", "1", ..., appended to Strings.
void ReadStrings(TCustomIniFile& IniFile, const std::string& Section, std::string_view Ident,
                 TStrings& Strings);

void WriteRect(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
               const TRect& R);
void WritePoint(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                const TPoint& P);
void WriteBoolean(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                  bool Value);
void WriteFontStyles(TCustomIniFile& IniFile, const std::string& Section,
                     const std::string& Ident, TFontStyles Styles);
void WriteAlignment(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                    TAlignment Value);
void WriteTextLines(TCustomIniFile& IniFile, const std::string& Section, const std::string& Ident,
                    const TStrings& Strings);

// True when the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS all
// exist; the skin builder refuses an INI file that fails this.
bool CheckSkinIniFile(TCustomIniFile& IniFile);
