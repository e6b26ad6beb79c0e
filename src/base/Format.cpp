#include "Format.h"

#include "Exceptions.h"
#include "Locale.h"
#include "StrUtils.h"

#include <cmath>
#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

// Decimals of a float without a precision (%f), and the most a float is written with.
constexpr int kDefaultDecimals = 2, kMaxDecimals = 18;

struct Spec {
  bool leftAlign = false;
  int width = 0;
  int precision = -1;
  char conversion = 0;
};

[[noreturn]] void FormatError(const std::string& pattern) {
  throw EConvertError("Format '" + pattern + "' invalid or incompatible with argument");
}

std::string Pad(const std::string& text, const Spec& spec) {
  if (static_cast<int>(text.size()) >= spec.width) return text;
  std::string fill(spec.width - text.size(), ' ');
  return spec.leftAlign ? text + fill : fill + text;
}

// A whole number with at least `digits` digits ("%.3d" of 7 is "007", of -7 "-007").
std::string ZeroPadded(int64_t value, int digits) {
  std::string text = IntToStr(value);
  const size_t sign = value < 0 ? 1 : 0;
  if (digits > 0 && text.size() - sign < static_cast<size_t>(digits))
    text.insert(sign, static_cast<size_t>(digits) - (text.size() - sign), '0');
  return text;
}

std::string Convert(const Spec& spec, const FormatArg& arg, const std::string& pattern) {
  const auto& v = arg.Value();
  switch (spec.conversion) {
    case 'd':
    case 'u':
      if (!std::holds_alternative<int64_t>(v)) FormatError(pattern);
      return ZeroPadded(std::get<int64_t>(v), spec.precision);
    case 'x':
      if (!std::holds_alternative<int64_t>(v)) FormatError(pattern);
      return IntToHex(static_cast<uint64_t>(std::get<int64_t>(v)),
                      spec.precision < 0 ? 0 : spec.precision);
    case 's':
      if (!std::holds_alternative<std::string>(v)) FormatError(pattern);
      return spec.precision < 0 ? std::get<std::string>(v)
                                : std::get<std::string>(v).substr(0, spec.precision);
    case 'f': {
      double value = std::holds_alternative<double>(v)
                         ? std::get<double>(v)
                         : std::holds_alternative<int64_t>(v)
                               ? static_cast<double>(std::get<int64_t>(v))
                               : (FormatError(pattern), 0.0);
      return FloatToStrF(value, spec.precision < 0 ? kDefaultDecimals : spec.precision);
    }
    default:
      FormatError(pattern);
  }
}

}  // namespace

std::string FloatToStrF(double value, int decimals) {
  if (decimals < 0 || decimals > kMaxDecimals) decimals = kDefaultDecimals;
  double scale = std::pow(10.0, decimals);
  double rounded = std::round(std::fabs(value) * scale) / scale;  // halves away from zero
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  std::string text = buffer;
  if (value < 0 && rounded != 0) text.insert(0, 1, '-');
  size_t dot = text.find('.');
  if (dot != std::string::npos) text[dot] = DecimalSeparator();
  return text;
}

std::string Format(const std::string& pattern, std::initializer_list<FormatArg> args) {
  std::string result;
  auto next = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%') {
      result += pattern[i];
      continue;
    }
    if (++i < pattern.size() && pattern[i] == '%') {
      result += '%';
      continue;
    }
    Spec spec;
    if (i < pattern.size() && pattern[i] == '-') {
      spec.leftAlign = true;
      ++i;
    }
    for (; i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9'; ++i)
      spec.width = std::min(spec.width * 10 + (pattern[i] - '0'), 1000);
    if (i < pattern.size() && pattern[i] == '.') {
      spec.precision = 0;
      for (++i; i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9'; ++i)
        spec.precision = std::min(spec.precision * 10 + (pattern[i] - '0'), 1000);
    }
    if (i >= pattern.size() || next == args.end()) FormatError(pattern);
    spec.conversion = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
    result += Pad(Convert(spec, *next++, pattern), spec);
  }
  return result;
}
