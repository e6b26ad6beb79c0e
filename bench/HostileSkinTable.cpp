#include "HostileSkinTable.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPayload.h"
#ifdef _WIN32
#include "skin/data/win32/SkinBitmaps.h"
#include "skin/data/win32/SkinRegions.h"
#include "skin/data/win32/WindowShape.h"
#endif

#include "base/Exceptions.h"

#include "BenchTiming.h"
#include "CollidingNames.h"
#include "ProcessMemory.h"
#include "SkinEdits.h"
#include "StreamedSkin.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int kRounds = 3;

// A hostile skin and a sound one of the same size, each made of the synthetic skin's payload
// with pictures added or its INI text edited or followed by more, written piece by piece into
// the zlib data (TStreamedSkin), so that no large picture or text is held whole: its peak
// would hide the load's. Show is what a window does with the loaded skin (nothing natively;
// none for a skin whose cost is all in its load). A hostile skin over a bound is refused.
struct THostileCase {
  const char* Name;
  std::function<void(TStreamedSkin&)> Hostile;
  std::function<void(TStreamedSkin&)> Sound;
  std::function<void(TspSkinData&)> Show = nullptr;
  double Goal = 10;  // the hostile skin's time against the sound one's, at most
  bool Refused = false;
};

constexpr int32_t kMaskSide = 300, kMaskCut = 100, kWindowWidth = 740, kWindowHeight = 480;
// Bands 6 pixels deep: a checkerboard's region of a window of kWindowWidth x kWindowHeight
// holds 7,248 rectangles.
constexpr int32_t kFineMaskCut = 6;
constexpr int kShapedWindows = 20;

// A mask picture for a control drawn at the window's size, cut kMaskCut in from each side.
void AddMask(TspSkinPayload& Skin, const std::function<bool(int32_t, int32_t)>& Inside) {
  TPixelImage mask(kMaskSide, kMaskSide);
  for (int32_t y = 0; y < kMaskSide; ++y)
    for (int32_t x = 0; x < kMaskSide; ++x) mask.SetPixel(x, y, Inside(x, y) ? clBlack : clWhite);
  Skin.ActivePictures.push_back(mask);
}

#ifdef _WIN32
int32_t LastPicture(const TspSkinData& Data) { return static_cast<int32_t>(Data.ActivePictures.size()) - 1; }
#endif

#ifdef _WIN32
// The options of a window region of the last active picture as a mask, cut Cut in from
// each side, as a masked control makes it at the window's size.
TSkinRegionOptions MaskRegionOptions(TspSkinData& Data, int32_t Cut) {
  const TSkinCut cut{{Cut, Cut},
                     {kMaskSide - Cut, Cut},
                     {Cut, kMaskSide - Cut},
                     {kMaskSide - Cut, kMaskSide - Cut},
                     {Cut, Cut, kMaskSide - Cut, kMaskSide - Cut}};
  const TSkinCut sized = CutForSize(cut, TRect{0, 0, kMaskSide, kMaskSide}, kWindowWidth, kWindowHeight);
  return {cut, sized, SkinActiveBitmap(&Data, LastPicture(Data)).Get(), kWindowWidth, kWindowHeight};
}
#endif

// The window region of the last active picture as a mask, as a masked control makes it.
void MakeMaskRegion([[maybe_unused]] TspSkinData& Data) {
#ifdef _WIN32
  CreateSkinRegion(MaskRegionOptions(Data, kMaskCut));
#endif
}

// A form of masked controls: kShapedWindows windows of the form's size, each shaped by the
// last active picture as a mask cut kFineMaskCut in (as the skin's budget of region
// rectangles lets it be), shown and painted, then closed.
void ShowShapedWindows([[maybe_unused]] TspSkinData& Data) {
#ifdef _WIN32
  const HWND form = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kWindowWidth, kWindowHeight,
                                    nullptr, nullptr, nullptr, nullptr);
  for (int i = 0; i < kShapedWindows; ++i) {
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, kWindowWidth,
                                        kWindowHeight, form, nullptr, nullptr, nullptr);
    TSkinRegionOptions options = MaskRegionOptions(Data, kFineMaskCut);
    options.MostRects = RegionRectsLeftFor(window);
    ShapeWindow(window, CreateSkinRegion(options), true);
  }
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  DestroyWindow(form);
#endif
}

// The window region of the last active picture as a fixed-size control makes it: of the
// whole mask.
void MakeWholeMaskRegion([[maybe_unused]] TspSkinData& Data) {
#ifdef _WIN32
  CreateMaskRegion(SkinActiveBitmap(&Data, LastPicture(Data)).Get());
#endif
}

// The bitmap of the last active picture, as a control drawing it makes it.
void DrawLastPicture([[maybe_unused]] TspSkinData& Data) {
#ifdef _WIN32
  if (SkinActiveBitmap(&Data, LastPicture(Data)).Get() == nullptr) std::fprintf(stderr, "no bitmap\n");
#endif
}

// A square 1-bit mask of as many pixels as the skin's own pictures leave room for.
void AddLargestMask(TStreamedSkin& Skin, bool (*Inside)(int32_t, int32_t)) {
  const auto side = static_cast<int32_t>(std::sqrt(MaxSkinPixels - PixelsOf(Skin.Base())));
  Skin.AddPicture([=](TStream& S) { WriteMaskBmp(S, side, side, Inside); });
}

// One comment line of Bytes bytes: text a skin keeps and no load reads.
void WriteCommentLine(TStream& Text, int64_t Bytes) {
  const std::string part(1 << 20, ';');
  for (; Bytes > 0; Bytes -= static_cast<int64_t>(part.size()))
    Text.WriteBuffer(part.data(), static_cast<int32_t>(std::min<int64_t>(Bytes, static_cast<int64_t>(part.size()))));
  WriteLine(Text, "");
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

constexpr int32_t kTinyPictureBytes = 58;  // a 1 x 1 BMP file: its two headers and one padded row

// Count one-pixel pictures.
void AddTinyPictures(TStreamedSkin& Skin, int32_t Count) {
  TMemoryStream onePixel;
  WriteOneColourBmp(onePixel, 1, 1, clWhite);
  Skin.AddPictures(Count, [bmp = onePixel.Bytes()](TStream& S) {
    S.WriteBuffer(bmp.data(), static_cast<int32_t>(bmp.size()));
  });
}

// One 24-bit picture 1000 pixels wide of about Bytes bytes.
void AddPictureOfBytes(TStreamedSkin& Skin, int64_t Bytes) {
  Skin.AddPicture([=](TStream& S) { WriteOneColourBmp(S, 1000, static_cast<int32_t>(Bytes / 3000), clWhite); });
}

// Keys of 520 bytes, kCollidingKeys of them: all sharing one hash, or each its own.
constexpr size_t kCollidingKeys = 120000;
void WriteKeysOf520Bytes(TStream& Text, bool ShareOneHash) {
  const TNamesSharingOneHash keys(kCollidingKeys, std::string(384, 'k'));
  WriteLine(Text, "[hostile]");
  for (size_t i = 0; i < kCollidingKeys; ++i) {
    std::string key = keys[i];
    if (!ShareOneHash) key.replace(0, 8, std::to_string(10000000 + i));  // as long, another hash
    WriteLine(Text, key + "=1");
  }
}

const THostileCase HostileCases[] = {
    {"a checkerboard mask",
     [](TStreamedSkin& Skin) { AddMask(Skin.Base(), [](int32_t x, int32_t y) { return (x + y) % 2 == 0; }); },
     [](TStreamedSkin& Skin) { AddMask(Skin.Base(), [](int32_t x, int32_t y) { return x + y > 3; }); },
     MakeMaskRegion},
    {"a fixed-size control's checkerboard mask as large as a skin's pictures may be",  // beside one of few runs
     [](TStreamedSkin& Skin) { AddLargestMask(Skin, [](int32_t x, int32_t y) { return (x + y) % 2 == 0; }); },
     [](TStreamedSkin& Skin) { AddLargestMask(Skin, [](int32_t x, int32_t y) { return x + y > 3; }); },
     MakeWholeMaskRegion},
    {"as many one-pixel pictures as a skin may have",  // beside one picture of as many bytes
     [](TStreamedSkin& Skin) {
       AddTinyPictures(Skin, MaxSkinActivePictures - static_cast<int32_t>(Skin.Base().ActivePictures.size()));
     },
     [](TStreamedSkin& Skin) { AddPictureOfBytes(Skin, int64_t{MaxSkinActivePictures} * kTinyPictureBytes); },
     DrawLastPicture},
    {"1,100,000 one-pixel pictures, refused",  // beside one comment line of as many bytes
     [](TStreamedSkin& Skin) { AddTinyPictures(Skin, 1100000); },
     [](TStreamedSkin& Skin) {
       Skin.AddText([](TStream& Text) { WriteCommentLine(Text, int64_t{kTinyPictureBytes} * 1100000); });
     },
     nullptr, 10, true},
    {"a 1-bit picture of 2^25 pixels, refused",  // beside a 24-bit picture of as many bytes
     [](TStreamedSkin& Skin) {
       Skin.AddPicture([](TStream& S) { WriteMaskBmp(S, 8192, 4096, [](int32_t, int32_t) { return true; }); });
     },
     [](TStreamedSkin& Skin) { AddPictureOfBytes(Skin, int64_t{8192} * 4096 / 8); }, DrawLastPicture, 10, true},
    {"120,000 blank lines",
     [](TStreamedSkin& Skin) {
       Skin.AddText([](TStream& Text) {
         for (int line = 0; line < kBlankLines; ++line) WriteLine(Text, "");
       });
     },
     [](TStreamedSkin& Skin) { Skin.AddText([](TStream& Text) { WriteNormalLines(Text, 2 * kBlankLines); }); }},
    {"80,000 lines of one 512-letter key in two spellings",  // beside as many distinct keys
     [](TStreamedSkin& Skin) { Skin.AddText([](TStream& Text) { WriteLongKeyLines(Text, OneKeyInTwoSpellings); }); },
     [](TStreamedSkin& Skin) { Skin.AddText([](TStream& Text) { WriteLongKeyLines(Text, DistinctKey); }); }},
    {"120,000 keys of 520 bytes sharing one hash",  // beside as many keys of as many bytes each of its own
     [](TStreamedSkin& Skin) { Skin.AddText([](TStream& Text) { WriteKeysOf520Bytes(Text, true); }); },
     [](TStreamedSkin& Skin) { Skin.AddText([](TStream& Text) { WriteKeysOf520Bytes(Text, false); }); }, nullptr,
     1.5},
    {"20 windows shaped by checkerboard masks of 7,248 rectangles",  // beside masks of few runs
     [](TStreamedSkin& Skin) { AddMask(Skin.Base(), [](int32_t x, int32_t y) { return (x + y) % 2 == 0; }); },
     [](TStreamedSkin& Skin) { AddMask(Skin.Base(), [](int32_t x, int32_t y) { return x + y > 3; }); },
     ShowShapedWindows},
    {"a frame label's text of 7 MB, refused",  // beside a comment line of as many bytes
     [](TStreamedSkin& Skin) {
       AddSkinEntry(Skin.Base(), "SKINOBJECTS", "longlabel:label");
       Skin.AddText([](TStream& Text) {
         WriteLine(Text, "[longlabel]");
         Text.WriteBuffer("textvalue=", 10);
         WriteMegabytes(Text, 7, 'W');
       });
     },
     [](TStreamedSkin& Skin) { Skin.AddText([](TStream& Text) { WriteCommentLine(Text, int64_t{7} << 20); }); },
     nullptr, 10, true},
    {"a section name of 62 MB, refused",  // beside a comment line of as many bytes
     [](TStreamedSkin& Skin) {
       Skin.AddText([](TStream& Text) {
         Text.WriteBuffer("[", 1);
         WriteMegabytes(Text, 62, 's');
         WriteLine(Text, "]");
       });
     },
     [](TStreamedSkin& Skin) { Skin.AddText([](TStream& Text) { WriteCommentLine(Text, int64_t{62} << 20); }); },
     nullptr, 10, true},
};

// Loading Stored and showing it: the best time of a few rounds, the peak's rise in the
// first, and the error that ended a round, if one did.
struct TShown {
  int64_t PayloadBytes = 0;
  double Time = 0;
  uint64_t Rise = 0;
  std::string Error;
};

// Each round gives the stored skin its bytes anew, so that every load decodes them.
TShown TimeLoadAndShow(TspCompressedStoredSkin& Stored, const std::function<void(TspSkinData&)>& Show) {
  TspSkinData data(nullptr);
  TShown shown;
  TMemoryStream packed;
  Stored.WriteData(packed);
  const uint64_t peak = PeakWorkingSetBytes();
  const auto run = [&] {
    packed.SetPosition(0);
    Stored.ReadData(packed);
    try {
      data.LoadCompressedStoredSkin(&Stored);
      if (Show) Show(data);
    } catch (const Exception& E) {
      shown.Error = E.Message();
    }
  };
  shown.Time = Milliseconds(run);
  shown.Rise = PeakWorkingSetBytes() - peak;
  shown.Time = std::min(shown.Time, BestMilliseconds(kRounds - 1, run));
  return shown;
}

void PrintShown(const char* What, const TspCompressedStoredSkin& Stored, const TShown& Shown) {
  std::printf("    %-7s %7lld bytes of zlib data, %8lld of payload %10.3f ms  peak +%6.1f MB%s%s\n", What,
              static_cast<long long>(Stored.CompressedStream().Bytes().size()),
              static_cast<long long>(Shown.PayloadBytes), Shown.Time, Megabytes(Shown.Rise),
              Shown.Error.empty() ? "" : "  raised: ", Shown.Error.c_str());
}

bool TimeHostileCases(const TspSkinPayload& Synthetic) {
  bool asExpected = true;
  std::printf("hostile skins beside sound skins of the same size, loaded and shown, or refused:\n");
  for (const THostileCase& c : HostileCases) {
    TStreamedSkin hostileSkin(Synthetic), soundSkin(Synthetic);
    c.Hostile(hostileSkin);
    c.Sound(soundSkin);
    TspCompressedStoredSkin hostile(nullptr), sound(nullptr);
    const int64_t hostileBytes = hostileSkin.Store(hostile), soundBytes = soundSkin.Store(sound);
    // The hostile skin first, so that the sound one's peak cannot hide its rise.
    TShown hostileShown = TimeLoadAndShow(hostile, c.Show);
    TShown soundShown = TimeLoadAndShow(sound, c.Show);
    hostileShown.PayloadBytes = hostileBytes;
    soundShown.PayloadBytes = soundBytes;
    const double ratio = hostileShown.Time / soundShown.Time;
    const bool handled = hostileShown.Error.empty() != c.Refused && soundShown.Error.empty();
    std::printf("  %s: %.2fx  goal <= %.1fx  %s\n", c.Name, ratio, c.Goal,
                ratio <= c.Goal && handled ? "met" : "MISSED");
    PrintShown("hostile", hostile, hostileShown);
    PrintShown("sound", sound, soundShown);
    asExpected = asExpected && handled;
  }
  return asExpected;
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
  payload.SetPosition(0);
  TspSkinPayload synthetic;
  ReadSkinPayload(payload, synthetic);
  return TimeHostileCases(synthetic);
}
