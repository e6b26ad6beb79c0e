// bench_skin_load: loading a stored skin of about 200 KB of pictures and a full skin's
// entry lists into a skin data component (inflate, picture decoding and INI parsing),
// the inflate alone as its floor, measured in the same run; a second skin data's load of
// the same stored skin, which copies the first one's decoding; and refusing hostile skins of
// about 2 KB whose thousand entries all name one section of symbol lines: of 65536 lines
// (once 2.5 GB and 13 s, now refused at its first list) and of 1000 lines (read until the
// load's budget is spent). Each figure is the best of several rounds; the inflate and the
// loads take turns in each round, so that all see the machine alike. Each round gives the
// stored skin its bytes anew, so that its first load decodes them again. Last, names that
// share one hash: every key of an INI section of 65536 such keys read once, and (where the
// hash is the 32-bit one the program runs with, for which such names are cheap to make)
// loading a skin whose 8000 entries (bevels: few keys each) read a section of 500,000
// keys sharing the hash of "skinrect", with the peak memory it takes.
//
// Then the table of hostile skins, each beside a sound skin of the same size (as many
// bytes of payload), both made from one small synthetic skin: loaded and (in the Windows
// build) shown as a window would show it,
// the best of a few rounds each, the hostile one's time as a multiple of the sound one's
// (goal: at most 10x), with the peak memory each first run raised (a lower bound: an
// earlier, higher peak hides part of a rise).
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinIniBudget.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/ZlibStreams.h"
#ifdef _WIN32
#include "skin/data/win32/SkinBitmaps.h"
#include "skin/data/win32/SkinRegions.h"
#endif

#include "base/Exceptions.h"
#include "base/IniFiles.h"

#include "BenchTiming.h"
#include "CollidingNames.h"
#include "ProcessMemory.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int kRounds = 50;
constexpr double kGoal = 1.5;  // load against the inflate alone
constexpr int kHostileRounds = 3;

void StoreHostileSkin(TspCompressedStoredSkin& Stored, int Lines) {
  constexpr int kEntries = 1000;
  TspSkinPayload payload;
  std::string text = "[SKINCONTROLS]\r\ncount=" + std::to_string(kEntries) + "\r\n";
  for (int i = 0; i < kEntries; ++i) text += std::to_string(i) + "=a:bitlabel\r\n";
  payload.IniText.SetText(text + "[a]\r\nsymbolslinecount=" + std::to_string(Lines) + "\r\n");
  TMemoryStream plain, packed;
  WriteSkinPayload(plain, payload);
  CompressStream(plain, packed);
  Stored.ReadData(packed);
}

void StoreSkinText(TspCompressedStoredSkin& Stored, const std::string& Text) {
  TspSkinPayload payload;
  payload.IniText.SetText(Text);
  TMemoryStream plain, packed;
  WriteSkinPayload(plain, payload);
  CompressStream(plain, packed);
  Stored.ReadData(packed);
}

// Loads a skin of Text once (its decoding included) and tells how long it took and how far
// the peak working set rose.
void TimeCollidingSkin(TspSkinData& Data, const char* What, const std::string& Text, double Load) {
  TspCompressedStoredSkin hostile(nullptr);
  StoreSkinText(hostile, Text);
  const uint64_t peak = PeakWorkingSetBytes();
  const double took = Milliseconds([&] { Data.LoadCompressedStoredSkin(&hostile); });
  std::printf("%s (%lld bytes of text): loaded in %9.3f ms  (%.2f times the load), peak +%.1f MB\n", What,
              static_cast<long long>(Text.size()), took, took / Load, Megabytes(PeakWorkingSetBytes() - peak));
}

// A hostile skin and a sound one of the same size, each made by editing the synthetic
// skin's payload, and what a window does with the loaded skin (nothing natively; none
// for a skin whose cost is all in its load).
struct THostileCase {
  const char* Name;
  std::function<void(TspSkinPayload&)> Hostile;
  std::function<void(TspSkinPayload&)> Sound;
  std::function<void(TspSkinData&)> Show;
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
};

// The zlib data of the synthetic skin's payload edited by Edit; the payload's size.
int64_t PackEdited(TMemoryStream& Packed, TMemoryStream& Synthetic,
                   const std::function<void(TspSkinPayload&)>& Edit) {
  Synthetic.SetPosition(0);
  TspSkinPayload payload;
  ReadSkinPayload(Synthetic, payload);
  Edit(payload);
  TMemoryStream edited;
  WriteSkinPayload(edited, payload);
  CompressStream(edited, Packed);
  return edited.Size();
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
  if (shown.Error.empty()) shown.Time = std::min(shown.Time, BestMilliseconds(kHostileRounds - 1, run));
  return shown;
}

void PrintShown(const char* What, const TspCompressedStoredSkin& Stored, const TShown& Shown) {
  std::printf("    %-7s %7lld bytes of zlib data, %8lld of payload %10.3f ms  peak +%6.1f MB%s%s\n", What,
              static_cast<long long>(Stored.CompressedStream().Bytes().size()),
              static_cast<long long>(Shown.PayloadBytes), Shown.Time, Megabytes(Shown.Rise),
              Shown.Error.empty() ? "" : "  raised: ", Shown.Error.c_str());
}

void TimeHostileCases(TMemoryStream& Synthetic) {
  std::printf("hostile skins beside sound skins of the same size, loaded and shown (goal <= %.0fx):\n",
              kHostileGoal);
  for (const THostileCase& c : HostileCases) {
    TMemoryStream hostilePacked, soundPacked;
    const int64_t hostileBytes = PackEdited(hostilePacked, Synthetic, c.Hostile);
    const int64_t soundBytes = PackEdited(soundPacked, Synthetic, c.Sound);
    TspCompressedStoredSkin hostile(nullptr), sound(nullptr);
    TShown soundShown = TimeLoadAndShow(sound, soundPacked, c);
    TShown hostileShown = TimeLoadAndShow(hostile, hostilePacked, c);
    soundShown.PayloadBytes = soundBytes;
    hostileShown.PayloadBytes = hostileBytes;
    const double ratio = hostileShown.Time / soundShown.Time;
    const bool met = ratio <= kHostileGoal && hostileShown.Error.empty();
    std::printf("  %s: %.2fx  %s\n", c.Name, ratio, met ? "met" : "MISSED");
    PrintShown("hostile", hostile, hostileShown);
    PrintShown("sound", sound, soundShown);
  }
}

}  // namespace

int main() {
  TSyntheticSkin options;
  options.PictureWidth = 146;  // the main picture and mask of the application's skin
  options.PictureHeight = 120;
  options.ActivePictureCount = 6;
  options.ActivePictureWidth = 100;
  options.ActivePictureHeight = 85;
  TempFolder folder;
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(WriteSyntheticSkin(folder.Path(), options));

  TMemoryStream payload, zlibData;
  stored.DeCompressToStream(payload);
  stored.WriteData(zlibData);
  TspSkinData data(nullptr), sibling(nullptr);
  double inflate = 1e9, load = 1e9, siblingLoad = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    stored.ReadData(zlibData);
    inflate = std::min(inflate, Milliseconds([&] {
                         TMemoryStream out;
                         stored.DeCompressToStream(out);
                       }));
    load = std::min(load, Milliseconds([&] { data.LoadCompressedStoredSkin(&stored); }));
    siblingLoad = std::min(siblingLoad, Milliseconds([&] { sibling.LoadCompressedStoredSkin(&stored); }));
  }
  if (data.Empty() || data.CtrlList.size() < 65 || sibling.CtrlList.size() != data.CtrlList.size() ||
      stored.Decodings() != kRounds) {
    std::fprintf(stderr, "the skin did not load\n");
    return 1;
  }

  std::printf("stored skin: %lld bytes of zlib data, %lld bytes of payload\n",
              static_cast<long long>(stored.CompressedStream().Bytes().size()),
              static_cast<long long>(payload.Size()));
  std::printf("inflate only:              %8.3f ms\n", inflate);
  std::printf("load (inflate and parse):  %8.3f ms  (%zu objects, %zu controls, %zu pictures)\n",
              load, data.ObjectList.size(), data.CtrlList.size(), data.ActivePictures.size());
  const double ratio = load / inflate;
  std::printf("load / inflate:            %8.2fx  goal <= %.2fx  %s\n", ratio, kGoal,
              ratio <= kGoal ? "met" : "MISSED");
  std::printf("second load, decoded once: %8.3f ms  (%.2f times the load)\n", siblingLoad,
              siblingLoad / load);
  for (int lines : {65536, 1000}) {
    TspCompressedStoredSkin hostile(nullptr);
    StoreHostileSkin(hostile, lines);
    bool refused = true;
    const double refuse = BestMilliseconds(kHostileRounds, [&] {
      try {
        data.LoadCompressedStoredSkin(&hostile);
        refused = false;
      } catch (const ESkinTooLarge&) {
      }
    });
    if (!refused) {
      std::fprintf(stderr, "the hostile skin loaded\n");
      return 1;
    }
    std::printf("hostile skin of %lld bytes, %5d lines a section, refused in %8.3f ms  (%.2f times the load)\n",
                static_cast<long long>(hostile.CompressedStream().Bytes().size()), lines, refuse, refuse / load);
  }
  {
    // A small sound skin, so that what each case adds is most of its size.
    TSyntheticSkin small;
    small.PictureWidth = 40;
    small.PictureHeight = 30;
    small.ActivePictureWidth = small.ActivePictureHeight = 20;
    TempFolder smallFolder;
    TspCompressedStoredSkin smallStored(nullptr);
    smallStored.LoadFromIniFile(WriteSyntheticSkin(smallFolder.Path(), small));
    TMemoryStream smallPayload;
    smallStored.DeCompressToStream(smallPayload);
    TimeHostileCases(smallPayload);
  }
  constexpr size_t kCollidingKeys = 65536, kEntries = 8000, kSkinRectKeys = 500000;
  const std::vector<std::string> colliding = NamesSharingOneHash(kCollidingKeys);
  std::string section = "[colliding]\r\n";
  for (const std::string& key : colliding) section += key + "=1\r\n";
  TMemIniFile ini;
  ini.SetText(section);
  const double readAll = Milliseconds([&] {
    for (const std::string& key : colliding) ini.ReadString("colliding", key, "");
  });
  std::printf("every key of a section of %zu keys sharing one hash read once: %9.3f ms\n", colliding.size(),
              readAll);
  const std::vector<std::string> keys = NamesSharingTheHashOf("skinrect", kSkinRectKeys);
  if (keys.size() < kSkinRectKeys) {
    std::printf("keys sharing the hash of skinrect: not made (the %zu-bit hash)\n", 8 * sizeof(size_t));
    return 0;
  }
  std::string skin = "[SKINCONTROLS]\r\ncount=" + std::to_string(kEntries) + "\r\n";
  for (size_t i = 0; i < kEntries; ++i) skin += std::to_string(i) + "=hostile:bevel\r\n";
  skin += "[hostile]\r\n";
  for (const std::string& key : keys) skin += key + "=1,2,3,4\r\n";
  TimeCollidingSkin(data, "entries reading 500,000 keys sharing the hash of skinrect", skin, load);
  return 0;
}
