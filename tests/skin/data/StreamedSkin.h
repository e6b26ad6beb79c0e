#pragma once
// A stored skin written piece by piece into its zlib data, so that a test or benchmark
// makes a skin of a large payload without holding the payload, or any large picture,
// whole: a sound skin's payload with pictures and text added, each written by a function
// as the data is deflated. What loading such a skin takes then stands out from what
// making it took.

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPayload.h"

#include "base/Colors.h"
#include "base/Streams.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using TStreamWriter = std::function<void(TStream&)>;

class TStreamedSkin {
public:
  // Base's pictures and INI text (edit its text before storing).
  explicit TStreamedSkin(TspSkinPayload Base) : FBase(std::move(Base)) {}

  TspSkinPayload& Base() { return FBase; }
  // Count active pictures after Base's and those added before, each the BMP file Write
  // writes; the index of the first.
  int32_t AddPictures(int32_t Count, TStreamWriter Write);
  int32_t AddPicture(TStreamWriter Write) { return AddPictures(1, std::move(Write)); }
  // Text after the INI text, at the payload's end.
  void AddText(TStreamWriter Write) { FTexts.push_back(std::move(Write)); }

  // The skin's zlib data into Stored, deflated as it is written; the payload's size.
  int64_t Store(TspCompressedStoredSkin& Stored) const;

private:
  struct TPictures {
    int32_t Count;
    TStreamWriter Write;
  };
  TspSkinPayload FBase;
  std::vector<TPictures> FPictures;
  std::vector<TStreamWriter> FTexts;
};

// The pixels of Skin's pictures together, as the skin's pixel bound counts them.
int64_t PixelsOf(const TspSkinPayload& Skin);

// BMP files written a row at a time, bottom row first as BMP files hold them.
// A 1-bit mask, black where Inside(X, Y) (Y = 0 the top row), white elsewhere.
void WriteMaskBmp(TStream& S, int32_t Width, int32_t Height, const std::function<bool(int32_t, int32_t)>& Inside);
// A picture of one colour, opaque, of 8 (every pixel palette index 0), 24 or 32 bits;
// with CoreHeader of 8 or 24 bits under the 12-byte OS/2 core header.
void WriteOneColourBmp(TStream& S, int32_t Width, int32_t Height, TColor Colour, int BitCount = 24,
                       bool CoreHeader = false);

// Line and its CR LF.
void WriteLine(TStream& S, const std::string& Line);
// Megabytes megabytes of Letter, written a megabyte at a time.
void WriteMegabytes(TStream& S, int Megabytes, char Letter);
