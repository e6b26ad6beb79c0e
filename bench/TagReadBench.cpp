// bench_tag_read: what the tag editor reads of each file it opens (the tag probe, the
// ID3v1 tag, the ID3v2 tag with its frames, the first MPEG audio frame) for 999
// generated tagged files, against the same work done by TagLib's MPEG file reader, in
// the same run, on a warm cache. The two alternate in repetitions in random order, so that
// a shared machine's load falls on both alike; the best pass of each counts. Prints both
// times per pass over the files, the ratio ours/TagLib, and per file the bytes each reads
// and the calls of its file routines: reads, seeks (with position and length queries) and
// opens.
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
#include <id3v2framefactory.h>
#include <id3v2tag.h>
#include <mpegfile.h>
#include <mpegproperties.h>
#include <tfilestream.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

// Calls of a reader's file routines.
struct TFileCalls {
  double Reads = 0, Seeks = 0, Opens = 0;
};

// Ours, counted where the runtime's file routines call the system: the link wraps this
// program's own calls of open, read, pread and lseek (TagLib's go through its own stream,
// below); a positioned read counts as a read.
TFileCalls OurCalls;

}  // namespace

extern "C" {
int __real_open(const char* path, int flags, ...);
ssize_t __real_read(int fd, void* buffer, size_t count);
ssize_t __real_pread(int fd, void* buffer, size_t count, off_t offset);
off_t __real_lseek(int fd, off_t offset, int whence);

int __wrap_open(const char* path, int flags, ...) {
  ++OurCalls.Opens;
  mode_t mode = 0;
  if (flags & (O_CREAT | O_TMPFILE)) {
    va_list args;
    va_start(args, flags);
    mode = va_arg(args, mode_t);
    va_end(args);
  }
  return __real_open(path, flags, mode);
}

ssize_t __wrap_read(int fd, void* buffer, size_t count) {
  ++OurCalls.Reads;
  return __real_read(fd, buffer, count);
}

ssize_t __wrap_pread(int fd, void* buffer, size_t count, off_t offset) {
  ++OurCalls.Reads;
  return __real_pread(fd, buffer, count, offset);
}

off_t __wrap_lseek(int fd, off_t offset, int whence) {
  ++OurCalls.Seeks;
  return __real_lseek(fd, offset, whence);
}
}

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

// TagLib's file stream with the calls TagLib makes of it counted.
class TCountedStream : public TagLib::IOStream {
public:
  TCountedStream(const char* path, TFileCalls& calls) : FStream(path), FCalls(calls) {
    ++FCalls.Opens;
  }
  TagLib::FileName name() const override { return FStream.name(); }
  TagLib::ByteVector readBlock(unsigned long length) override {
    ++FCalls.Reads;
    return FStream.readBlock(length);
  }
  void writeBlock(const TagLib::ByteVector& data) override { FStream.writeBlock(data); }
  void insert(const TagLib::ByteVector& data, unsigned long start, unsigned long replace) override {
    FStream.insert(data, start, replace);
  }
  void removeBlock(unsigned long start, unsigned long length) override {
    FStream.removeBlock(start, length);
  }
  bool readOnly() const override { return FStream.readOnly(); }
  bool isOpen() const override { return FStream.isOpen(); }
  void seek(long offset, Position p) override {
    ++FCalls.Seeks;
    FStream.seek(offset, p);
  }
  void clear() override { FStream.clear(); }
  long tell() const override {
    ++FCalls.Seeks;
    return FStream.tell();
  }
  long length() override {
    ++FCalls.Seeks;
    return FStream.length();
  }
  void truncate(long length) override { FStream.truncate(length); }

private:
  mutable TagLib::FileStream FStream;
  TFileCalls& FCalls;
};

TFileCalls TagLibCalls;

// What TagLib reads of the file: both tags with their frames and the audio properties.
size_t SumOf(TagLib::MPEG::File& file) {
  size_t sum = 0;
  if (const TagLib::MPEG::Properties* properties = file.audioProperties())
    sum += properties->bitrate() + properties->lengthInSeconds();
  if (TagLib::ID3v1::Tag* tag = file.ID3v1Tag()) sum += tag->title().size() + tag->track();
  if (TagLib::ID3v2::Tag* tag = file.ID3v2Tag())
    for (const TagLib::ID3v2::Frame* frame : tag->frameList()) sum += frame->toString().size();
  return sum;
}

std::string SlashPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

size_t ReadTagLib(const std::string& path) {
  TagLib::MPEG::File file(SlashPath(path).c_str(), true, TagLib::AudioProperties::Average);
  return SumOf(file);
}

// The same through the counted stream; the timed reads use TagLib's own.
size_t ReadTagLibCounted(const std::string& path) {
  TCountedStream stream(SlashPath(path).c_str(), TagLibCalls);
  TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), true,
                          TagLib::AudioProperties::Average);
  return SumOf(file);
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

constexpr int kRepetitions = 8;
BENCHMARK(ReadAll<ReadOurs>)->Name("ours")->Unit(benchmark::kMillisecond)->MinTime(0.5)
    ->Repetitions(kRepetitions);
BENCHMARK(ReadAll<ReadTagLib>)->Name("taglib")->Unit(benchmark::kMillisecond)->MinTime(0.5)
    ->Repetitions(kRepetitions);

// Bytes and read system calls of this process so far (Linux).
std::map<std::string, double> ProcessIo() {
  std::map<std::string, double> io;
  std::ifstream in("/proc/self/io");
  std::string key;
  for (double value; in >> key >> value;) io[key.substr(0, key.size() - 1)] = value;
  return io;
}

struct TReadCost {
  double Bytes, SystemReads;
  TFileCalls Calls;
};

// What one pass over the files reads, per file.
template <size_t (*Read)(const std::string&)>
TReadCost ReadCostPerFile(TFileCalls& calls) {
  std::map<std::string, double> before = ProcessIo();
  calls = {};
  for (const std::string& path : Files().Paths()) Read(path);
  TFileCalls counted = calls;
  std::map<std::string, double> after = ProcessIo();
  return {(after["rchar"] - before["rchar"]) / kFiles, (after["syscr"] - before["syscr"]) / kFiles,
          {counted.Reads / kFiles, counted.Seeks / kFiles, counted.Opens / kFiles}};
}

void PrintCost(const char* reader, const TReadCost& cost) {
  const TFileCalls& calls = cost.Calls;
  std::printf("  %-7s %6.0f bytes (%.1f read system calls); file routine calls: %.1f reads, "
              "%.1f seeks, %.1f opens, %.1f in all\n",
              reader, cost.Bytes, cost.SystemReads, calls.Reads, calls.Seeks, calls.Opens,
              calls.Reads + calls.Seeks + calls.Opens);
}

// Keeps each benchmark's best time per pass over its repetitions for the summary.
class TSummaryReporter : public benchmark::ConsoleReporter {
public:
  TSummaryReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      auto [best, added] = Times.try_emplace(run.run_name.function_name, run.GetAdjustedRealTime());
      if (!added) best->second = std::min(best->second, run.GetAdjustedRealTime());
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> Times;  // milliseconds
};

}  // namespace

int main(int argc, char** argv) {
  // Repetitions of the two alternate in random order unless the command line says otherwise.
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  std::printf("bench_tag_read: %d files of %zu bytes on average\n", kFiles, Files().AverageSize());
  TSummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  double ours = reporter.Times["ours"], taglib = reporter.Times["taglib"];
  TReadCost ourCost = ReadCostPerFile<ReadOurs>(OurCalls);
  TReadCost tagLibCost = ReadCostPerFile<ReadTagLibCounted>(TagLibCalls);
  std::printf("\nbest pass over %d files: ours %.2f ms, TagLib %.2f ms; ours/TagLib = %.3f "
              "(target: at most 0.30)\n",
              kFiles, ours, taglib, taglib > 0 ? ours / taglib : 0.0);
  std::printf("read per file (target for ours: at most 8 KB):\n");
  PrintCost("ours", ourCost);
  PrintCost("TagLib", tagLibCost);
  benchmark::Shutdown();
  return 0;
}
