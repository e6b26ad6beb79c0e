#include "HostileSkinTable.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/ZlibStreams.h"
#ifdef _WIN32
#include "skin/data/win32/SkinBitmaps.h"
#include "skin/data/win32/SkinRegions.h"
#endif

#include "base/Exceptions.h"

#include "BenchTiming.h"
#include "ProcessMemory.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int kRounds = 3;

// A hostile skin and a sound one of the same size, each made by editing the synthetic
// skin's payload or writing text after its INI text, and what a window does with the
// loaded skin (nothing natively; none for a skin whose cost is all in its load). The text
// goes into the zlib data as it stands, a line at a time, so that no large text is held
// whole: its peak would hide the load's.
struct THostileCase {
  const char* Name;
  std::function<void(TspSkinPayload&)> Hostile = nullptr;
  std::function<void(TspSkinPayload&)> Sound = nullptr;
  std::function<void(TspSkinData&)> Show = nullptr;
  std::function<void(TStream&)> HostileText = nullptr;
  std::function<void(TStream&)> SoundText = nullptr;
};

constexpr double kHostileGoal = 10;  // a hostile skin against a sound one of its size
constexpr int32_t kMaskSide = 300, kMaskCut = 100, kWindowWidth = 740, kWindowHeight = 480;

// A mask picture for a control drawn at the window's size, cut kMaskCut in from each side.
void AddMask(TspSkinPayload& Skin, const std::function<bool(int32_t, int32_t)>& Inside) {
  TPixelImage mask(kMaskSide, kMaskSide);
  for (int32_t y = 0; y < kMaskSide; ++y)
    for (int32_t x = 0; x < kMaskSide; ++x) mask.SetPixel(x, y, Inside(x, y) ? clBlack : clWhite);
  Skin.ActivePictures.push_back(mask);
}

// The window region of the last active picture as a mask, as a masked control makes it.
void MakeMaskRegion([[maybe_unused]] TspSkinData& Data) {
#ifdef _WIN32
  const TSkinCut cut{{kMaskCut, kMaskCut},
                     {kMaskSide - kMaskCut, kMaskCut},
                     {kMaskCut, kMaskSide - kMaskCut},
                     {kMaskSide - kMaskCut, kMaskSide - kMaskCut},
                     {kMaskCut, kMaskCut, kMaskSide - kMaskCut, kMaskSide - kMaskCut}};
  const TSkinCut sized = CutForSize(cut, TRect{0, 0, kMaskSide, kMaskSide}, kWindowWidth, kWindowHeight);
  const auto last = static_cast<int32_t>(Data.ActivePictures.size()) - 1;
  CreateSkinRegion({cut, sized, SkinActiveBitmap(&Data, last).Get(), kWindowWidth, kWindowHeight});
#endif
}

// The bitmap of the last active picture, as a control drawing it makes it.
void DrawLastPicture([[maybe_unused]] TspSkinData& Data) {
#ifdef _WIN32
  if (SkinActiveBitmap(&Data, static_cast<int32_t>(Data.ActivePictures.size()) - 1).Get() == nullptr)
    std::fprintf(stderr, "no bitmap\n");
#endif
}

// Line and its CR LF.
void WriteLine(TStream& Text, const std::string& Line) {
  Text.WriteBuffer(Line.data(), static_cast<int32_t>(Line.size()));
  Text.WriteBuffer("\r\n", 2);
}

// Lines as skins are made, sections of 40 keys of their own, until they fill Bytes bytes.
void WriteNormalLines(TStream& Text, int64_t Bytes) {
  for (int line = 0; Bytes > 0; ++line) {
    std::string lines;
    if (line % 41 == 0) lines += "[section" + std::to_string(line / 41) + "]\r\n";
    lines += "key" + std::to_string(line) + "=" + std::to_string(line * 7) + "\r\n";
    Text.WriteBuffer(lines.data(), static_cast<int32_t>(lines.size()));
    Bytes -= static_cast<int64_t>(lines.size());
  }
}

constexpr int kBlankLines = 120000;  // each a line record: as many as a load may keep

// A section of kLongKeyLines lines of one kLongKey-letter key each, the key of line i
// being KeyAt(i).
constexpr int kLongKeyLines = 80000;
constexpr size_t kLongKey = 512;
void WriteLongKeyLines(TStream& Text, std::string (*KeyAt)(int)) {
  WriteLine(Text, "[hostile]");
  for (int line = 0; line < kLongKeyLines; ++line) WriteLine(Text, KeyAt(line) + "=1");
}

std::string OneKeyInTwoSpellings(int Line) { return std::string(kLongKey, Line % 2 == 0 ? 'k' : 'K'); }

std::string DistinctKey(int Line) {
  const std::string number = std::to_string(Line);
  return std::string(kLongKey - number.size(), 'k') + number;
}

constexpr int32_t kTinyPictures = 70000;
constexpr int32_t kTinyPictureBytes = 58;  // a 1 x 1 BMP file: its two headers and one padded row

const THostileCase HostileCases[] = {
    {"a checkerboard mask",
     [](TspSkinPayload& Skin) { AddMask(Skin, [](int32_t x, int32_t y) { return (x + y) % 2 == 0; }); },
     [](TspSkinPayload& Skin) { AddMask(Skin, [](int32_t x, int32_t y) { return x + y > 3; }); },
     MakeMaskRegion},
    {"70,000 one-pixel pictures",
     [](TspSkinPayload& Skin) {
       Skin.ActivePictures.insert(Skin.ActivePictures.end(), kTinyPictures, TPixelImage(1, 1));
     },
     [](TspSkinPayload& Skin) {
       Skin.ActivePictures.push_back(TPixelImage(1000, kTinyPictures * kTinyPictureBytes / 3000));
     },
     DrawLastPicture},
    {.Name = "120,000 blank lines",
     .HostileText = [](TStream& Text) { for (int line = 0; line < kBlankLines; ++line) WriteLine(Text, ""); },
     .SoundText = [](TStream& Text) { WriteNormalLines(Text, 2 * kBlankLines); }},
    {.Name = "80,000 lines of one 512-letter key in two spellings",  // beside as many distinct keys
     .HostileText = [](TStream& Text) { WriteLongKeyLines(Text, OneKeyInTwoSpellings); },
     .SoundText = [](TStream& Text) { WriteLongKeyLines(Text, DistinctKey); }},
};

// The zlib data of the synthetic skin's payload edited by Edit, with what Text writes
// after it; the payload's size.
int64_t PackEdited(TMemoryStream& Packed, TMemoryStream& Synthetic,
                   const std::function<void(TspSkinPayload&)>& Edit, const std::function<void(TStream&)>& Text) {
  Synthetic.SetPosition(0);
  TspSkinPayload payload;
  ReadSkinPayload(Synthetic, payload);
  if (Edit) Edit(payload);
  TMemoryStream edited;
  WriteSkinPayload(edited, payload);
  TCompressionStream packing(TCompressionLevel::clMax, Packed);  // as CompressStream packs
  packing.WriteBuffer(edited.Memory(), static_cast<int32_t>(edited.Size()));
  if (Text) Text(packing);
  packing.Finish();
  return packing.Position();
}

// Loading Stored and showing it: the best time of a few rounds, the peak's rise in the
// first, and the error that ended a round, if one did.
struct TShown {
  int64_t PayloadBytes = 0;
  double Time = 0;
  uint64_t Rise = 0;
  std::string Error;
};

// Each round gives the stored skin its bytes anew, so that every load decodes them.
TShown TimeLoadAndShow(TspCompressedStoredSkin& Stored, TMemoryStream& Packed, const THostileCase& Case) {
  TspSkinData data(nullptr);
  TShown shown;
  const uint64_t peak = PeakWorkingSetBytes();
  const auto run = [&] {
    Packed.SetPosition(0);
    Stored.ReadData(Packed);
    try {
      data.LoadCompressedStoredSkin(&Stored);
      if (Case.Show) Case.Show(data);
    } catch (const Exception& E) {
      shown.Error = E.Message();
    }
  };
  shown.Time = Milliseconds(run);
  shown.Rise = PeakWorkingSetBytes() - peak;
  if (shown.Error.empty()) shown.Time = std::min(shown.Time, BestMilliseconds(kRounds - 1, run));
  return shown;
}

void PrintShown(const char* What, const TspCompressedStoredSkin& Stored, const TShown& Shown) {
  std::printf("    %-7s %7lld bytes of zlib data, %8lld of payload %10.3f ms  peak +%6.1f MB%s%s\n", What,
              static_cast<long long>(Stored.CompressedStream().Bytes().size()),
              static_cast<long long>(Shown.PayloadBytes), Shown.Time, Megabytes(Shown.Rise),
              Shown.Error.empty() ? "" : "  raised: ", Shown.Error.c_str());
}

bool TimeHostileCases(TMemoryStream& Synthetic) {
  bool loaded = true;
  std::printf("hostile skins beside sound skins of the same size, loaded and shown (goal <= %.0fx):\n",
              kHostileGoal);
  for (const THostileCase& c : HostileCases) {
    TMemoryStream hostilePacked, soundPacked;
    const int64_t hostileBytes = PackEdited(hostilePacked, Synthetic, c.Hostile, c.HostileText);
    const int64_t soundBytes = PackEdited(soundPacked, Synthetic, c.Sound, c.SoundText);
    TspCompressedStoredSkin hostile(nullptr), sound(nullptr);
    // The hostile skin first, so that the sound one's peak cannot hide its rise.
    TShown hostileShown = TimeLoadAndShow(hostile, hostilePacked, c);
    TShown soundShown = TimeLoadAndShow(sound, soundPacked, c);
    soundShown.PayloadBytes = soundBytes;
    hostileShown.PayloadBytes = hostileBytes;
    const double ratio = hostileShown.Time / soundShown.Time;
    const bool met = ratio <= kHostileGoal && hostileShown.Error.empty();
    std::printf("  %s: %.2fx  %s\n", c.Name, ratio, met ? "met" : "MISSED");
    PrintShown("hostile", hostile, hostileShown);
    PrintShown("sound", sound, soundShown);
    loaded = loaded && hostileShown.Error.empty() && soundShown.Error.empty();
  }
  return loaded;
}

}  // namespace

bool TimeHostileSkinTable() {
  // A small sound skin, so that what each row adds is most of its size.
  TSyntheticSkin small;
  small.PictureWidth = 40;
  small.PictureHeight = 30;
  small.ActivePictureWidth = small.ActivePictureHeight = 20;
  TempFolder folder;
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(WriteSyntheticSkin(folder.Path(), small));
  TMemoryStream payload;
  stored.DeCompressToStream(payload);
  return TimeHostileCases(payload);
}
