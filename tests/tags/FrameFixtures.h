#pragma once
// Fixtures of the ID3v2 tests: frame bodies written as text and hex, category objects
// made from a body, a one-line summary of the fields a category object holds and of the
// frames a tag holds, compressed frame data, and the user's locale and shown errors.

#include "tags/FrameListManager.h"
#include "tags/ID3v2FrameCatBase.h"
#include "tags/TagEnvironment.h"
#include "tags/TagInfo.h"

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

// A category object of the code and kind, after reading the body the way the frame
// reader reads one.
std::unique_ptr<TMp3ID3v2FrameCatBase> ReadCategory(uint8_t category, uint8_t frameKind,
                                                    const TBytes& body);
// The body the category object encodes.
TBytes EncodedBody(TMp3ID3v2FrameCatBase& frame);

// The fields of the object's category as "name=value" pairs separated by " | ", text
// written with Printable: "lang=eng | desc=- | text=Hi".
std::string Summary(const TMp3ID3v2FrameCatBase& frame);

// The frames of the list in list order, each as "ID{fields}" (see Summary), separated
// by blanks.
std::string FrameList(const TFrameListManager& frames);
// The frames of the tag in the file, read by a new tag object on the record.
std::string FramesInFile(TTagInfo& info);
// The bytes zlib makes of data.
std::string Deflated(const std::string& data);

// While it lives, the user's locale has the given font character set (0: 8-bit text).
class TCharsetScope {
public:
  explicit TCharsetScope(uint8_t charset);
  ~TCharsetScope();
  TCharsetScope(const TCharsetScope&) = delete;
  TCharsetScope& operator=(const TCharsetScope&) = delete;

private:
  TCharsetSource FPrevious;
};

// While it lives, collects the errors the tag library shows.
class TShownErrors {
public:
  TShownErrors();
  ~TShownErrors();
  TShownErrors(const TShownErrors&) = delete;
  TShownErrors& operator=(const TShownErrors&) = delete;

  std::vector<std::string> Texts;

private:
  TTagErrorHandler FPrevious;
};
