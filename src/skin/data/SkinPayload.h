#pragma once
// The byte formats of a stored skin.
//
// Payload (what the zlib data inflates to): a version, the picture records that version
// carries (a flag byte, then a BMP file unless the flag marks the picture empty), the
// active pictures (BMP files without flag bytes) and the skin's INI text, CR LF lines to
// the end. Container (a compressed skin file, a skin-list item): a version, a byte count
// N and N bytes of zlib data. Every number is a little-endian signed 32-bit integer.

#include "SkinLimits.h"

#include "base/IniFiles.h"
#include "base/PixelImage.h"
#include "base/Strings.h"

#include <cstdint>
#include <vector>

class TMemoryStream;
class TStream;

// Readers accept every payload and container version up to this; writers write
// StoredSkinVersion.
inline constexpr int32_t MaxStoredSkinVersion = 3;
inline constexpr int32_t StoredSkinVersion = 2;
// How many times larger than its zlib data a skin's payload usually is: its pictures are
// mostly runs of one colour.
inline constexpr int64_t ExpectedSkinInflation = 64;

struct TspSkinPictures {
  TPixelImage Picture;          // the window frame
  TPixelImage InActivePicture;  // the frame of an inactive window
  TPixelImage Mask;             // black pixels are inside the window shape
  TPixelImage RollUpPicture;
  TPixelImage RollUpMask;
  std::vector<TPixelImage> ActivePictures;
};

struct TspSkinPayload : TspSkinPictures {
  TStringList IniText;
};

// A payload as skin loads take it: the pictures decoded and the INI text parsed.
struct TspDecodedSkin {
  TspSkinPictures Pictures;
  // Mutable only because an INI file's reads are not const in type; they change nothing.
  // Loads read it through a TspBudgetedSkinIni, which refuses writes.
  mutable TMemIniFile Ini;
  // What keeping Ini costs against each load's budget (SkinIniTextCharge).
  int64_t IniCharge = 0;
};

int32_t ReadStoredSkinInt32(TStream& S);  // raises EReadError when the stream ends
void WriteStoredSkinInt32(TStream& S, int32_t Value);

// Reads a payload from S's position. Returns false, having read only the version, when
// the version is above MaxStoredSkinVersion. A payload cut short raises EReadError, a
// malformed picture EInvalidGraphic; more active pictures than MaxSkinActivePictures, or
// a picture wider or higher than MaxSkinPictureSide or that would take its skin past
// MaxSkinPixels, raise ESkinTooLarge before they are read.
bool ReadSkinPayload(TStream& S, TspSkinPayload& Payload);
// The same without the INI text: S is left where the text begins, for a reader that
// takes the text from there.
bool ReadSkinPictures(TStream& S, TspSkinPictures& Pictures);
// The pictures, then the rest of S parsed as the INI text; false as ReadSkinPictures. A
// text whose lines alone would cost more than a load may take raises ESkinTooLarge.
bool ReadDecodedSkin(TMemoryStream& S, TspDecodedSkin& Skin);
// Writes a payload of StoredSkinVersion, which carries all five picture records (an
// empty picture writes flag 1 and nothing else). Colour pictures are written as BMP
// files of the depth they were read at (24 or 32 bits, alpha kept), the two masks as
// 1-bit ones (all a mask tells is black or not).
void WriteSkinPayload(TStream& S, const TspSkinPayload& Payload);
