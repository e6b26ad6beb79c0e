#include "FrameFixtures.h"

#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2Frame.h"
#include "tags/ID3v2FrameBody.h"

#include "base/Locale.h"
#include "base/StrUtils.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>

TBytes Hex(const std::string& hex) {
  std::string digits;
  std::copy_if(hex.begin(), hex.end(), std::back_inserter(digits), [](char c) { return c != ' '; });
  if (digits.size() % 2) throw std::invalid_argument("odd hex: " + hex);
  TBytes bytes;
  for (size_t i = 0; i < digits.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
  return bytes;
}

TBytes Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Printable(const TBytes& bytes) {
  std::string text;
  for (uint8_t c : bytes)
    text += c >= ' ' && c <= '~' && c != '\\' ? std::string(1, static_cast<char>(c))
                                                : "\\x" + IntToHex(c, 2);
  return text;
}

std::unique_ptr<TMp3ID3v2FrameCatBase> ReadCategory(uint8_t category, uint8_t frameKind,
                                                    const TBytes& body) {
  bool ok = false;
  std::unique_ptr<TMp3ID3v2FrameCatBase> frame = CreateFrameCategory(category, frameKind, ok);
  ReadFrameBody(*frame, body);
  return frame;
}

TBytes EncodedBody(TMp3ID3v2FrameCatBase& frame) {
  frame.Encode();
  return frame.GetData();
}

std::string Summary(const TMp3ID3v2FrameCatBase& frame) {
  auto text = [](const std::string& s) { return Printable(Bytes(s)); };
  auto desc = [&] { return "desc=" + text(frame.GetDescriptionString()) + " | "; };
  switch (frame.GetCategory()) {
    case fcText:
      return "text=" + text(frame.GetTextString());
    case fcDate:
      return "text=" + text(frame.GetTextString()) + " | year=" + frame.GetYear() +
             " | month=" + frame.GetMonth() + " | day=" + frame.GetDay();
    case fcGenre:
      return "genre=" + IntToStr(frame.GetGenreIndex()) + " | text=" + text(frame.GetTextString());
    case fcUserText:
    case fcUserUrl:
      return desc() + "text=" + text(frame.GetTextString());
    case fcComment:
      return "lang=" + text(frame.GetLanguageString()) + " | " + desc() +
             "text=" + text(frame.GetTextString());
    case fcObject:
      return "mime=" + text(frame.GetTextString()) + " | file=" +
             text(frame.GetFileNameString()) + " | " + desc() +
             "data=" + Printable(frame.GetPictureData());
    case fcPopularimeter:
      return "email=" + text(frame.GetTextString()) + " | rating=" +
             IntToStr(frame.GetRating()) + " | counter=" + Printable(frame.GetCounterData());
    default:  // the body is the frame's field
      return "body=" + Printable(frame.GetData());
  }
}

std::string FrameList(const TFrameListManager& frames) {
  std::string list;
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    const TMp3ID3v2Frame& frame = frames.GetFrame(i);
    list.append(i ? " " : "").append(frame.GetID()).append("{");
    list.append(Summary(frame.GetCategoryObject())).append("}");
  }
  return list;
}

namespace {

constexpr unsigned char kFirstLetter = 0xC0;
constexpr char16_t kFirstCyrillic = 0x0410, kLastCyrillic = 0x044F;

std::u16string CyrillicToWide(const std::string& text) {
  std::u16string wide;
  for (unsigned char c : text)
    wide += c >= kFirstLetter ? static_cast<char16_t>(kFirstCyrillic + (c - kFirstLetter))
                              : AnsiToWide(std::string(1, static_cast<char>(c)))[0];
  return wide;
}

std::string CyrillicToAnsi(const std::u16string& wide) {
  std::string ansi;
  for (char16_t unit : wide) {
    const char below = WideToAnsi(std::u16string(1, unit))[0];
    ansi += unit >= kFirstCyrillic && unit <= kLastCyrillic
                ? static_cast<char>(kFirstLetter + (unit - kFirstCyrillic))
                : static_cast<unsigned char>(below) >= kFirstLetter ? '?' : below;
  }
  return ansi;
}

}  // namespace

TCyrillicCodePage::TCyrillicCodePage()
    : FPrevious(SetAnsiCodePage({CyrillicToWide, CyrillicToAnsi})) {}

std::string Deflated(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  EXPECT_EQ(compress(reinterpret_cast<Bytef*>(out.data()), &size,
                     reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size())),
            Z_OK);
  out.resize(size);
  return out;
}
