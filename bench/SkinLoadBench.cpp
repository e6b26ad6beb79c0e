// bench_skin_load: loading a stored skin of about 200 KB of pictures and a full skin's
// entry lists into a skin data component (inflate, picture decoding and INI parsing),
// the inflate alone as its floor, measured in the same run; a second skin data's load of
// the same stored skin, which copies the first one's decoding. Each figure is the best of
// several rounds; the inflate and the loads take turns in each round, so that all see the
// machine alike. Each round gives the stored skin its bytes anew, so that its first load
// decodes them again. Then the table of hostile skins (HostileSkinTable.h), among them
// a fixed-size control's checkerboard mask as large as a skin's pictures may be, as many
// one-pixel pictures as a skin may have, skins refused for 1,100,000 of them or a picture
// of 2^25 pixels, 120,000 blank lines, 80,000 lines of one 512-letter key (in two
// spellings) beside as many distinct keys, 120,000 keys of 520 bytes sharing one hash
// beside as many distinct ones (goal 1.5x), 20 windows shaped by checkerboard masks of
// 7,248 rectangles beside masks of few runs, and a frame label's text of 7 MB and a
// section name of 62 MB, both refused, each beside a comment line of as many bytes. Then
// refusing hostile skins: of about 2 KB whose thousand entries
// all name one section of symbol lines, of 65536 lines (once 2.5 GB and 13 s, now refused
// at its first list) and of 1000 lines (read until the load's budget is spent); and of
// 4 MiB of blank lines. Last, names that share one hash: every key of an INI section of
// 65536 such keys read once, and (where the hash is the 32-bit one the program runs with,
// for which such names are cheap to make) loading a skin whose 3000 entries (bevels: few
// keys each) read a section of 60,000 keys sharing the hash of "skinrect", with the peak
// memory it takes.
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinIniBudget.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/ZlibStreams.h"

#include "base/IniFiles.h"

#include "BenchTiming.h"
#include "CollidingNames.h"
#include "HostileSkinTable.h"
#include "ProcessMemory.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>

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

// A skin of Text as it stands, without pictures.
void StoreSkinText(TspCompressedStoredSkin& Stored, const std::string& Text) {
  TMemoryStream plain, packed;
  WriteSkinPayload(plain, TspSkinPayload{});
  plain.WriteBuffer(Text.data(), static_cast<int32_t>(Text.size()));
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

// A skin of 4 MiB of blank lines, far more lines than a load may keep: refused, once (a
// skin that loads keeps its decoding).
bool TimeBlankLinesRefused(TspSkinData& Data, double Load) {
  TspCompressedStoredSkin tooMany(nullptr);
  StoreSkinText(tooMany, std::string(size_t{4} << 20, '\n'));
  bool refused = true;
  const double took = Milliseconds([&] {
    try {
      Data.LoadCompressedStoredSkin(&tooMany);
      refused = false;
    } catch (const ESkinTooLarge&) {
    }
  });
  std::printf("4 MiB of blank lines (%lld bytes of zlib data): %s in %8.3f ms  (%.2f times the load)\n",
              static_cast<long long>(tooMany.CompressedStream().Bytes().size()), refused ? "refused" : "LOADED", took,
              took / Load);
  return refused;
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
  if (!TimeHostileSkinTable()) {
    std::fprintf(stderr, "a skin of the hostile skins' table did not load\n");
    return 1;
  }
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
  if (!TimeBlankLinesRefused(data, load)) {
    std::fprintf(stderr, "the skin of blank lines loaded\n");
    return 1;
  }
  constexpr size_t kCollidingKeys = 65536, kEntries = 3000, kSkinRectKeys = 60000;
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
  TimeCollidingSkin(data, "entries reading 60,000 keys sharing the hash of skinrect", skin, load);
  return 0;
}
