#pragma once
// Running the independent tools of the interoperability tests (Debian's lame,
// python3-mutagen and id3v2), native build only.

#include <map>
#include <string>
#include <vector>

inline const char* const kPython = "/usr/bin/python3";

// A path of ours ("\" separators) as the tools want it.
std::string Native(std::string path);
// The argument quoted for the shell.
std::string Quoted(const std::string& arg);
// Runs a command; its standard output and error, with ok false when it fails.
std::string RunCommand(const std::string& command, bool& ok);

using TValues = std::map<std::string, std::string>;
// The "key=value" lines of a tool's output.
TValues ParseValues(const std::string& output);
// The keys whose values differ, each with both values (shortened): "" when the maps
// are equal.
std::string Differences(const TValues& ours, const TValues& theirs);
// Runs a Python script with arguments (failing the test when it fails) and returns the
// "key=value" lines it prints.
TValues RunPython(const char* script, const std::vector<std::string>& args);
// The command line that runs a Python script with arguments.
std::string PythonCommand(const char* script, const std::vector<std::string>& args);
// Why mutagen cannot run here, or "" when it can.
std::string MutagenMissing();
// Why a command-line tool (run with its version option) cannot run here, or "".
std::string ToolMissing(const std::string& versionCommand, const std::string& package);

// Writes a WAVE file of 16-bit stereo at 44.1 kHz: tones with bursts of noise, so that a
// variable bitrate varies.
void WriteTestSound(const std::string& path, uint32_t seconds);
