#pragma once
// Python 3 of the Linux system that Wine runs on, for tests that check the files they
// wrote with its tools (python3-mutagen). Wine starts a Unix program without a handle to
// wait on, so the script's output comes back through a file that appears once complete.

#include <optional>
#include <string>
#include <vector>

// Runs the script with the Unix names of the files (Windows paths) as its arguments
// (sys.argv[1:]) and returns what it printed, a traceback where it raised, or why it did
// not run or end within 30 seconds (a text no script prints, so that the test fails). None
// only outside Wine or without /usr/bin/python3: a test may skip then.
std::optional<std::string> RunHostPython(const std::string& script, const std::vector<std::string>& files);
