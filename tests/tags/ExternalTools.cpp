#include "ExternalTools.h"

#include "base/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

std::string Native(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string RunCommand(const std::string& command, bool& ok) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) {
    ok = false;
    return output;
  }
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  ok = pclose(pipe) == 0;
  return output;
}

std::string PythonCommand(const char* script, const std::vector<std::string>& args) {
  std::string command = std::string(kPython) + " -c " + Quoted(script);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  return command;
}

TValues RunPython(const char* script, const std::vector<std::string>& args) {
  bool ok = false;
  std::string output = RunCommand(PythonCommand(script, args), ok);
  EXPECT_TRUE(ok) << output;
  return ParseValues(output);
}

TValues ParseValues(const std::string& output) {
  TValues values;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

std::string Differences(const TValues& ours, const TValues& theirs) {
  std::set<std::string> keys;
  for (const auto& entry : ours) keys.insert(entry.first);
  for (const auto& entry : theirs) keys.insert(entry.first);
  std::string differences;
  for (const std::string& key : keys) {
    auto a = ours.find(key), b = theirs.find(key);
    std::string mine = a == ours.end() ? "(none)" : a->second;
    std::string other = b == theirs.end() ? "(none)" : b->second;
    if (mine != other)
      differences += key + ": " + mine.substr(0, 80) + " vs " + other.substr(0, 80) + "\n";
  }
  return differences;
}

std::string MutagenMissing() {
  return ToolMissing(std::string(kPython) + " -c 'import mutagen'", "python3-mutagen");
}

std::string ToolMissing(const std::string& versionCommand, const std::string& package) {
  bool ok = false;
  RunCommand(versionCommand, ok);
  return ok ? "" : package + " is not installed (scripts/deps.sh installs it)";
}

void WriteTestSound(const std::string& path, uint32_t seconds) {
  constexpr uint32_t kRate = 44100, kChannels = 2;
  const uint32_t dataSize = kRate * seconds * kChannels * 2;
  TMemoryStream wave;
  auto put32 = [&](uint32_t v) { wave.WriteBuffer(&v, 4); };  // little-endian hosts
  auto put16 = [&](uint16_t v) { wave.WriteBuffer(&v, 2); };
  wave.WriteBuffer("RIFF", 4);
  put32(36 + dataSize);
  wave.WriteBuffer("WAVEfmt ", 8);
  put32(16);
  put16(1);
  put16(kChannels);
  put32(kRate);
  put32(kRate * kChannels * 2);
  put16(kChannels * 2);
  put16(16);
  wave.WriteBuffer("data", 4);
  put32(dataSize);
  uint32_t noise = 12345;
  for (uint32_t i = 0; i < kRate * seconds; ++i) {
    double t = static_cast<double>(i) / kRate;
    noise = noise * 1103515245 + 12345;
    double burst = (static_cast<int>(t) % 3 == 1) ? ((noise >> 16) % 2000 - 1000) / 1000.0 : 0;
    double left = 0.4 * std::sin(2 * M_PI * (220 + 40 * t) * t) + 0.3 * burst;
    double right = 0.4 * std::sin(2 * M_PI * 330 * t);
    put16(static_cast<uint16_t>(static_cast<int16_t>(left * 20000)));
    put16(static_cast<uint16_t>(static_cast<int16_t>(right * 20000)));
  }
  wave.SaveToFile(path);
}
