// bench_skin_load: loading a stored skin of about 200 KB of pictures and a full skin's
// entry lists into a skin data component (inflate, picture decoding and INI parsing),
// the inflate alone as its floor, measured in the same run; a second skin data's load of
// the same stored skin, which copies the first one's decoding; and refusing hostile skins of
// about 2 KB whose thousand entries all name one section of symbol lines: of 65536 lines
// (once 2.5 GB and 13 s, now refused at its first list) and of 1000 lines (read until the
// load's budget is spent). Each figure is the best of several rounds; the inflate and the
// loads take turns in each round, so that all see the machine alike. Each round gives the
// stored skin its bytes anew, so that its first load decodes them again.
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinIniBudget.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/ZlibStreams.h"

#include "BenchTiming.h"
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
  return 0;
}
