#pragma once
// Fixtures of the ID3v2 tests: bytes as hex and text, category objects read from a body,
// summaries of their fields, compressed data, the user's locale and shown errors.

#include "tags/FrameListManager.h"
#include "tags/ID3v2FrameCatBase.h"
#include "tags/TagEnvironment.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Bytes from hex pairs, blanks ignored: "FF FE 41 00".
TBytes Hex(const std::string& hex);
// The bytes of a string (which may hold zero bytes).
TBytes Bytes(const std::string& text);
// Bytes written as text with "\xNN" for everything outside ' '..'~' (and for '\').
std::string Printable(const TBytes& bytes);

// A category object of the code and kind that read the body as the frame reader does.
std::unique_ptr<TMp3ID3v2FrameCatBase> ReadCategory(uint8_t category, uint8_t frameKind,
                                                    const TBytes& body);
// The body the category object encodes.
TBytes EncodedBody(TMp3ID3v2FrameCatBase& frame);

// The object's fields as "name=value" pairs joined by " | ": "lang=eng | desc=- | text=Hi".
std::string Summary(const TMp3ID3v2FrameCatBase& frame);

// The frames of the list in list order, each "ID{Summary}", joined by blanks.
std::string FrameList(const TFrameListManager& frames);
// The bytes zlib makes of data.
std::string Deflated(const std::string& data);

// While it lives, the user's locale has the given font character set (0: 8-bit text).
class TCharsetScope {
public:
  explicit TCharsetScope(uint8_t charset)
      : FPrevious(SetCharsetSource([charset] { return charset; })) {}
  ~TCharsetScope() { SetCharsetSource(FPrevious); }
  TCharsetScope(const TCharsetScope&) = delete;
  TCharsetScope& operator=(const TCharsetScope&) = delete;

private:
  TCharsetSource FPrevious;
};

// While it lives, the tag library's ANSI code page stands in for code page 1251 as far as
// the tests need it: its letters А..я at 0xC0..0xFF, the bytes below as in code page 1252.
class TCyrillicCodePage {
public:
  TCyrillicCodePage();
  ~TCyrillicCodePage() { SetAnsiCodePage(FPrevious); }
  TCyrillicCodePage(const TCyrillicCodePage&) = delete;
  TCyrillicCodePage& operator=(const TCyrillicCodePage&) = delete;

private:
  TAnsiCodePage FPrevious;
};

// While it lives, collects the errors the tag library shows and their captions.
class TShownErrors {
public:
  TShownErrors()
      : FPrevious(SetTagErrorHandler([this](TTagErrorCaption caption, const std::string& text) {
          Captions.push_back(caption);
          Texts.push_back(text);
        })) {}
  ~TShownErrors() { SetTagErrorHandler(FPrevious); }
  TShownErrors(const TShownErrors&) = delete;
  TShownErrors& operator=(const TShownErrors&) = delete;

  std::vector<TTagErrorCaption> Captions;
  std::vector<std::string> Texts;

private:
  TTagErrorHandler FPrevious;
};
