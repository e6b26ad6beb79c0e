#pragma once
// The two file operations of a rewrite through a temporary copy that the class
// library's file routines lack.

#include "base/FileUtils.h"

#include <string>

// Creates a file that must not exist yet, opened for reading and writing and not
// shared; InvalidHandle when it exists or cannot be made.
THandle CreateNewFile(const std::string& fileName);
// Moves source to target, replacing target in one step.
bool MoveFileReplacing(const std::string& source, const std::string& target);
