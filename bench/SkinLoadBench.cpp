// bench_skin_load: loading a stored skin of about 200 KB of pictures and a full skin's
// entry lists into a skin data component (inflate, picture decoding and INI parsing),
// and the inflate alone as its floor, measured in the same run. Each figure is the best of
// several rounds.
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include "BenchTiming.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRounds = 20;
constexpr double kGoal = 1.5;  // load against the inflate alone

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

  TMemoryStream payload;
  stored.DeCompressToStream(payload);
  const double inflate = BestMilliseconds(kRounds, [&] {
    TMemoryStream out;
    stored.DeCompressToStream(out);
  });
  TspSkinData data(nullptr);
  const double load = BestMilliseconds(kRounds, [&] { data.LoadCompressedStoredSkin(&stored); });
  if (data.Empty() || data.CtrlList.size() < 65) {
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
  return 0;
}
