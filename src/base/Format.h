#pragma once
// Format with the few conversions the program uses: %d, %u, %x, %s and %f (two decimals
// unless a precision is given, with the locale's decimal separator), an optional "-"
// for left alignment, a width and a precision; "%%" is a percent sign.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

class FormatArg {
public:
  template <class I, std::enable_if_t<std::is_integral_v<I>, int> = 0>
  FormatArg(I value) : FValue(static_cast<int64_t>(value)) {}
  FormatArg(double value) : FValue(value) {}
  FormatArg(std::string value) : FValue(std::move(value)) {}
  FormatArg(const char* value) : FValue(std::string(value)) {}

  const std::variant<int64_t, double, std::string>& Value() const { return FValue; }

private:
  std::variant<int64_t, double, std::string> FValue;
};

// Raises EConvertError for a conversion that does not match its argument or lacks one.
std::string Format(const std::string& pattern, std::initializer_list<FormatArg> args);

// A number with `decimals` digits after the locale's decimal separator, rounded half away
// from zero.
std::string FloatToStrF(double value, int decimals);
