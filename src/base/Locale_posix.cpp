#include "Locale.h"

#include <algorithm>

namespace {

// Code page 1252 case pairs outside ASCII: Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and À..Þ/à..þ (not ×/÷).
unsigned char Upper1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

unsigned char Lower1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

template <class Map>
std::string MapBytes(const std::string& s, Map map) {
  std::string r = s;
  std::transform(r.begin(), r.end(), r.begin(),
                 [&](char c) { return static_cast<char>(map(static_cast<unsigned char>(c))); });
  return r;
}

int CompareBytes(const std::string& a, const std::string& b) {
  int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

std::string AnsiUpperCase(const std::string& s) { return MapBytes(s, Upper1252); }
std::string AnsiLowerCase(const std::string& s) { return MapBytes(s, Lower1252); }

int AnsiCompareText(const std::string& a, const std::string& b) {
  return CompareBytes(AnsiLowerCase(a), AnsiLowerCase(b));
}

int AnsiCompareStr(const std::string& a, const std::string& b) { return CompareBytes(a, b); }

bool AnsiSameText(const std::string& a, const std::string& b) {
  return AnsiCompareText(a, b) == 0;
}

char DecimalSeparator() { return '.'; }
