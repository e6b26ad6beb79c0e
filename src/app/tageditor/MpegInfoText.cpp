#include "MpegInfoText.h"

#include "app/language/Translation.h"

#include "base/Format.h"
#include "base/StrUtils.h"
#include "tags/FileAccess.h"
#include "tags/TagInfo.h"

namespace {

const char* const kSizeUnits[] = {" Bytes, ", " KB, ", " MB, ", " GB, "};
constexpr uint64_t kKilo = 1024;
const char kDash[] = " -";

constexpr TLangText kCaptions[MpegValueCount] = {
    TLangText::AudioLabel,    TLangText::BitrateLabel,   TLangText::FrequencyLabel,
    TLangText::SizeLabel,     TLangText::CrcLabel,       TLangText::CopyrightLabel,
    TLangText::PrivateLabel,  TLangText::OriginalLabel};

std::string YesNo(uint8_t bit) {
  return LangText(bit ? TLangText::YesValue : TLangText::NoValue);
}

TMpegPanelLook NormalLook() {
  TMpegPanelLook look;
  for (int i = 0; i < MpegValueCount; ++i) look.Captions[i] = LangText(kCaptions[i]);
  return look;
}

TMpegPanelLook ErrorLook() {
  TMpegPanelLook look;
  look.Captions[mvType] = LangText(TLangText::ErrorCaption);
  look.ColonsShown = look.BevelShown = false;
  return look;
}

void FillValues(const TTagInfo& info, TMpegPanelView& view) {
  const TMpegHeader& mpeg = info.MpegHeader;
  const int64_t size = info.FileInfo ? FileSizeOf(info.FileInfo->Handle) : -1;
  view.Values[mvType] =
      mpeg.GetVersionText() + " " + mpeg.GetLayerText() + " " + mpeg.BitrateKind;
  view.Values[mvBitrate] =
      mpeg.GetBitrateText() + " kbit/s, " + IntToStr(mpeg.FrameCount) + " frames";
  view.Values[mvFrequency] = mpeg.GetSampleRateText() + " Hz, " + mpeg.GetChannelModeText();
  // A file that cannot be measured shows its playing time alone.
  view.Values[mvSize] = (size > 0 ? FormatFileSize(static_cast<uint64_t>(size)) : "") +
                        FormatDuration(mpeg.Duration);
  view.Values[mvCrc] = YesNo(mpeg.Protected);
  view.Values[mvCopyright] = YesNo(mpeg.Copyright);
  view.Values[mvPrivate] = YesNo(mpeg.Private);
  view.Values[mvOriginal] = YesNo(mpeg.Original);
}

}  // namespace

std::string FormatFileSize(uint64_t bytes) {
  if (bytes == 0) return "";
  size_t unit = 0;
  uint64_t divisor = 1;
  while (unit + 1 < std::size(kSizeUnits) && bytes >= divisor * kKilo) {
    divisor *= kKilo;
    ++unit;
  }
  return Format("%f", {static_cast<double>(bytes) / static_cast<double>(divisor)}) +
         kSizeUnits[unit];
}

std::string FormatDuration(uint32_t seconds) {
  // Whole seconds, so counted in integers: no rounding can make 60 of them.
  const uint32_t hours = seconds / 3600, minutes = seconds % 3600 / 60, rest = seconds % 60;
  const bool minutesShown = hours > 0 || minutes > 0;
  std::string text;
  if (hours > 0) text += IntToStr(hours) + ":";
  if (hours > 0 && minutes < 10) text += '0';
  if (minutesShown) text += IntToStr(minutes) + ":";
  if (minutesShown && rest < 10) text += '0';
  text += IntToStr(rest);
  return text + (hours > 0 ? " hr." : minutes > 0 ? " min." : " sec.");
}

TMpegPanelView ShowMpegInfo(const TTagInfo* info, const TMpegInfoRequest& request) {
  const auto [noRow, valid, readOk, relabel] = request;
  TMpegPanelView view;
  const bool errorLook = noRow && (!valid || !readOk);
  if (relabel) {
    view.Look = errorLook ? ErrorLook() : NormalLook();
    if (errorLook)
      view.Values[mvType] =
          LangText(valid ? TLangText::InvalidTagMessage : TLangText::InvalidFileMessage);
  }
  if (!noRow && valid && readOk && info) {
    FillValues(*info, view);
    return view;
  }
  for (int i = 0; i < MpegValueCount; ++i) {
    if (noRow && i == mvType) continue;  // keeps what relabelling gave it
    view.Values[i] = noRow ? "" : kDash;
  }
  return view;
}
