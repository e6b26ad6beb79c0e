#include "ExternalTools.h"

#include "base/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

TValues RunPython(const char* script, const std::vector<std::string>& args) {
  std::string command = std::string(kPython) + " -c " + Quoted(script);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  bool ok = false;
  std::string output = RunCommand(command, ok);
  EXPECT_TRUE(ok) << output;
  TValues values;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

std::string MutagenMissing() {
  bool ok = false;
  RunCommand(std::string(kPython) + " -c 'import mutagen'", ok);
  return ok ? "" : "python3-mutagen is not installed (scripts/deps.sh installs it)";
}

std::string ReadBytes(const std::string& path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}
