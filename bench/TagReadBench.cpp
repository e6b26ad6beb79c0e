// bench_tag_read: what the tag editor reads of each file it opens (the tag probe, the
// ID3v1 tag, the ID3v2 tag with its frames, the first MPEG audio frame) for 999
// generated tagged files, against the same work done by TagLib's MPEG file reader, in
// the same run, on a warm cache. Prints both times per pass over the files, the ratio
// ours/TagLib, and the bytes and read calls each spends per file.
#include "TagFixtures.h"
#include "TempFolder.h"

#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagInfo.h"
#include "tags/TagProbe.h"

#include "base/FileUtils.h"
#include "base/Streams.h"
#include "base/StrUtils.h"

#include <benchmark/benchmark.h>
#include <id3v1tag.h>
#include <id3v2tag.h>
#include <mpegfile.h>
#include <mpegproperties.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr int kFiles = 999;

// MPEG 1 Layer III at 128 kbit/s and 44.1 kHz: 417-byte frames, the first an Info frame.
std::string Audio() {
  const TFrameFields fields = {3, 1, 9, 0};
  return Frame(fields, 417, XingBody(36, "Info", 3, 150, 150 * 417)) + Frames(fields, 417, 150);
}

class TFiles {
public:
  TFiles() {
    const std::string audio = Audio();
    for (int i = 0; i < kFiles; ++i) {
      std::string name = "song" + IntToStr(i) + ".mp3";
      std::string bytes = TypicalTaggedFile(i, audio);
      FFolder.WriteFile(name, bytes);
      FPaths.push_back(FFolder / name);
      FTotalSize += bytes.size();
    }
  }
  const std::vector<std::string>& Paths() const { return FPaths; }
  size_t AverageSize() const { return FTotalSize / FPaths.size(); }

private:
  TempFolder FFolder;
  std::vector<std::string> FPaths;
  size_t FTotalSize = 0;
};

const TFiles& Files() {
  static const TFiles files;
  return files;
}

// What the tag editor reads of one listed file; returns a checksum of what it read.
size_t ReadOurs(const std::string& path) {
  TFileInfo entry;
  entry.OpenMode = fmOpenReadWrite | fmShareDenyWrite;
  entry.Handle = FileOpen(path, entry.OpenMode);
  entry.LargerThan128 = true;
  TTagInfo info;
  info.SetFileInfo(&entry);
  size_t sum = 0;
  int64_t id3v2Size = ProbeTags(info);
  if (FindMpegHeader(info, id3v2Size)) sum += info.MpegHeader.Bitrate + info.MpegHeader.Duration;
  if (info.HasID3v1) {
    TMp3ID3v1 tag(info, false);
    if (tag.ReadTag()) sum += tag.GetTitle().size() + tag.GetTrack();
  }
  if (info.HasID3v2 && info.ReadOk) {
    TMp3ID3v2 tag(info, false);
    if (tag.ReadTag()) {
      TFrameListManager& frames = tag.GetFrameList();
      for (int32_t f = 0; f < frames.GetCount(); ++f)
        sum += frames.GetFrameCategory(f).GetTextString().size();
    }
  }
  FileClose(entry.Handle);
  return sum;
}

// The same with TagLib: both tags with their frames and the audio properties.
size_t ReadTagLib(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  TagLib::MPEG::File file(native.c_str(), true, TagLib::AudioProperties::Average);
  size_t sum = 0;
  if (const TagLib::MPEG::Properties* properties = file.audioProperties())
    sum += properties->bitrate() + properties->lengthInSeconds();
  if (TagLib::ID3v1::Tag* tag = file.ID3v1Tag()) sum += tag->title().size() + tag->track();
  if (TagLib::ID3v2::Tag* tag = file.ID3v2Tag())
    for (const TagLib::ID3v2::Frame* frame : tag->frameList()) sum += frame->toString().size();
  return sum;
}

template <size_t (*Read)(const std::string&)>
void ReadAll(benchmark::State& state) {
  const std::vector<std::string>& paths = Files().Paths();
  for (const std::string& path : paths) Read(path);  // warm the cache
  for (auto _ : state) {
    size_t sum = 0;
    for (const std::string& path : paths) sum += Read(path);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}

BENCHMARK(ReadAll<ReadOurs>)->Name("ours")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReadAll<ReadTagLib>)->Name("taglib")->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Bytes and read calls of this process so far (Linux).
std::map<std::string, double> ProcessIo() {
  std::map<std::string, double> io;
  std::ifstream in("/proc/self/io");
  std::string key;
  for (double value; in >> key >> value;) io[key.substr(0, key.size() - 1)] = value;
  return io;
}

template <size_t (*Read)(const std::string&)>
std::pair<double, double> ReadCostPerFile() {
  std::map<std::string, double> before = ProcessIo();
  for (const std::string& path : Files().Paths()) Read(path);
  std::map<std::string, double> after = ProcessIo();
  return {(after["rchar"] - before["rchar"]) / kFiles, (after["syscr"] - before["syscr"]) / kFiles};
}

// Keeps each benchmark's time per pass for the summary.
class TSummaryReporter : public benchmark::ConsoleReporter {
public:
  TSummaryReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) Times[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> Times;  // milliseconds
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("bench_tag_read: %d files of %zu bytes on average\n", kFiles, Files().AverageSize());
  TSummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  double ours = reporter.Times["ours"], taglib = reporter.Times["taglib"];
  auto [ourBytes, ourCalls] = ReadCostPerFile<ReadOurs>();
  auto [tagLibBytes, tagLibCalls] = ReadCostPerFile<ReadTagLib>();
  std::printf("\nper pass over %d files: ours %.2f ms, TagLib %.2f ms; ours/TagLib = %.3f "
              "(target: at most 0.5)\n",
              kFiles, ours, taglib, taglib > 0 ? ours / taglib : 0.0);
  std::printf("read per file: ours %.0f bytes in %.1f calls, TagLib %.0f bytes in %.1f calls\n",
              ourBytes, ourCalls, tagLibBytes, tagLibCalls);
  benchmark::Shutdown();
  return 0;
}
