#pragma once
// The texts of the tag editor's MPEG information panel: the focused file's audio data,
// its size and playing time, and the panel's two looks.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TTagInfo;

// The size with two decimals in bytes, KB, MB or GB (the largest unit it reaches, GB
// from 1024^3 bytes on) followed by ", "; empty for 0 bytes.
std::string FormatFileSize(uint64_t bytes);
// "1:02:05 hr.", "1:05 min.", "42 sec.".
std::string FormatDuration(uint32_t seconds);

// The panel's eight values, in the order of their captions.
enum TMpegValue : uint8_t {
  mvType,
  mvBitrate,
  mvFrequency,
  mvSize,
  mvCrc,
  mvCopyright,
  mvPrivate,
  mvOriginal
};
inline constexpr int MpegValueCount = 8;

struct TMpegPanelLook {
  std::array<std::string, MpegValueCount> Captions;
  bool ColonsShown = true;  // the colon labels 2 to 8
  bool BevelShown = true;
};

// What the panel is to show; what is left empty keeps what it shows.
struct TMpegPanelView {
  std::optional<TMpegPanelLook> Look;
  std::array<std::optional<std::string>, MpegValueCount> Values;
};

// What the panel is asked to show of the current record.
struct TMpegInfoRequest {
  bool NoRow = false;    // no row is focused
  bool Valid = false;    // the record is valid
  bool ReadOk = false;   // its tags were read
  bool Relabel = false;  // the look is set too
};

// The panel for the current record: its values when a row is focused, the record is
// valid and its tags were read; dashes for a row without them; with no row, empty
// values under the error look when the record is not valid or its read failed.
// Relabelling sets the look (normal, or that error look).
TMpegPanelView ShowMpegInfo(const TTagInfo* info, const TMpegInfoRequest& request);
