#include "ID3TextCodec.h"

#include "TagEnvironment.h"

#include "base/Exceptions.h"
#include "base/Locale.h"

#include <algorithm>

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;

TBytes BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::u16string DecodeUtf16(const uint8_t* text, size_t units, bool bigEndian) {
  auto unitAt = [&](size_t i) -> char16_t {
    uint8_t first = text[2 * i], second = text[2 * i + 1];
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  };
  std::u16string wide;
  wide.reserve(units);
  // The mark only when there is one: text written without it keeps its first character.
  for (size_t i = units > 0 && unitAt(0) == kByteOrderMark ? 1 : 0; i < units; ++i)
    wide.push_back(unitAt(i));
  return wide;
}

void AppendUtf16(std::u16string& wide, uint32_t codePoint) {
  if (codePoint < 0x10000) {
    wide.push_back(static_cast<char16_t>(codePoint));
    return;
  }
  codePoint -= 0x10000;
  wide.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
  wide.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

// Length of the valid UTF-8 sequence at text[0] and its code point; 0 when invalid.
size_t Utf8Sequence(const uint8_t* text, size_t available, uint32_t& codePoint) {
  uint8_t lead = text[0];
  size_t length;
  uint8_t low = 0x80, high = 0xBF;  // bounds of the second byte
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (available < length || text[1] < low || text[1] > high) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((text[k] & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (text[k] & 0x3F);
  }
  return length;
}

// characters, when given, receives the characters decoded, a byte that is not UTF-8 as
// the character it is in 8-bit text.
TBytes DecodeUtf8(const uint8_t* text, size_t size, std::u16string* characters) {
  TBytes out;
  out.reserve(size);
  std::u16string run;  // valid characters not yet converted
  auto flush = [&] {
    const std::string ansi = AnsiCodePage().ToAnsi(run);
    out.insert(out.end(), ansi.begin(), ansi.end());
    if (characters) characters->append(run);
    run.clear();
  };
  for (size_t i = 0; i < size;) {
    uint32_t codePoint = 0;
    size_t length = Utf8Sequence(text + i, size - i, codePoint);
    if (length == 0) {
      flush();
      if (characters) characters->append(AnsiCodePage().ToWide(std::string(1, static_cast<char>(text[i]))));
      out.push_back(text[i++]);  // not UTF-8: keep the byte as it is
      continue;
    }
    if (!(i == 0 && codePoint == kByteOrderMark)) AppendUtf16(run, codePoint);
    i += length;
  }
  flush();
  return out;
}

TBytes EncodeUtf8(const std::u16string& wide) {
  TBytes out;
  out.reserve(wide.size());
  for (size_t i = 0; i < wide.size(); ++i) {
    uint32_t c = wide[i];
    if (IsHighSurrogate(wide[i]) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1]))
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00u);
    if (c < 0x80) {
      out.push_back(static_cast<uint8_t>(c));
    } else if (c < 0x800) {
      out.insert(out.end(), {static_cast<uint8_t>(0xC0 | (c >> 6)),
                             static_cast<uint8_t>(0x80 | (c & 0x3F))});
    } else if (c < 0x10000) {
      out.insert(out.end(), {static_cast<uint8_t>(0xE0 | (c >> 12)),
                             static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F)),
                             static_cast<uint8_t>(0x80 | (c & 0x3F))});
    } else {
      out.insert(out.end(), {static_cast<uint8_t>(0xF0 | (c >> 18)),
                             static_cast<uint8_t>(0x80 | ((c >> 12) & 0x3F)),
                             static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F)),
                             static_cast<uint8_t>(0x80 | (c & 0x3F))});
    }
  }
  return out;
}

}  // namespace

void Utf16ToAnsi(TBytes& data, int32_t start, int32_t end, uint8_t encoding,
                 std::u16string* characters) {
  int64_t length = static_cast<int64_t>(end) - start;
  bool refused = encoding == EncodingUtf8 ? length < 0 : length / 2 <= 0;
  if (refused) {
    ShowTagError(TTagErrorCaption::Translated, "Negative length not allowed!");
    return;
  }
  if (start < 0 || static_cast<size_t>(end) > data.size()) throw ERangeError("Range check error");
  const uint8_t* text = data.data() + start;
  size_t size = static_cast<size_t>(length);
  if (characters) characters->clear();
  if (encoding == EncodingUtf8) {
    data = DecodeUtf8(text, size, characters);
  } else {
    bool bigEndian = encoding == EncodingUtf16BigEndian || (text[0] == 0xFE && text[1] == 0xFF);
    std::u16string wide = DecodeUtf16(text, size / 2, bigEndian);
    data = BytesOf(AnsiCodePage().ToAnsi(wide));
    if (characters) *characters = std::move(wide);
  }
}

void DecodeFrameText(TBytes& text, uint8_t encoding, std::u16string* characters) {
  if (characters) characters->clear();
  if (encoding != 0 && !text.empty())
    Utf16ToAnsi(text, 0, static_cast<int32_t>(text.size()), encoding, characters);
}

TBytes EncodeFrameText(const TBytes& text, uint8_t encoding) {
  if (encoding != EncodingUtf16 && encoding != EncodingUtf16BigEndian && encoding != EncodingUtf8)
    return text;
  return EncodeFrameText(AnsiCodePage().ToWide(std::string(text.begin(), text.end())), encoding);
}

TBytes EncodeFrameText(const std::u16string& wide, uint8_t encoding) {
  if (encoding != EncodingUtf16 && encoding != EncodingUtf16BigEndian && encoding != EncodingUtf8)
    return BytesOf(AnsiCodePage().ToAnsi(wide));
  if (encoding == EncodingUtf8) return EncodeUtf8(wide);
  const bool bigEndian = encoding == EncodingUtf16BigEndian;
  TBytes out;
  if (!bigEndian) out = {0xFF, 0xFE};
  for (char16_t unit : wide) {
    const auto high = static_cast<uint8_t>(unit >> 8), low = static_cast<uint8_t>(unit & 0xFF);
    if (bigEndian)
      out.insert(out.end(), {high, low});
    else
      out.insert(out.end(), {low, high});
  }
  return out;
}

uint8_t EncodingToWrite(std::initializer_list<std::span<const uint8_t>> texts) {
  const bool asTheyStand = std::all_of(texts.begin(), texts.end(), [](std::span<const uint8_t> text) {
    const std::u16string wide = AnsiCodePage().ToWide(std::string(text.begin(), text.end()));
    return std::equal(text.begin(), text.end(), wide.begin(), wide.end(),
                      [](uint8_t byte, char16_t unit) { return unit == byte; });
  });
  return asTheyStand ? Encoding8Bit : EncodingUtf16;
}
