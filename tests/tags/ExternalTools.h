#pragma once
// Running the independent tools of the interoperability tests (Debian's lame and
// python3-mutagen), native build only.

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
// Runs a Python script with arguments (failing the test when it fails) and returns the
// "key=value" lines it prints.
TValues RunPython(const char* script, const std::vector<std::string>& args);
// Why mutagen cannot run here, or "" when it can.
std::string MutagenMissing();

std::string ReadBytes(const std::string& path);
