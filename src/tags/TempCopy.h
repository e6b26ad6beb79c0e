#pragma once
// Rewriting a listed file through a temporary copy beside it.

#include "FileInfo.h"

#include "base/Streams.h"

#include <functional>
#include <string>

// Writes the new content of the file into the copy, reading the old content from
// source (positioned at 0). Raising an exception abandons the rewrite.
using TFillCopy = std::function<void(TStream& source, TStream& copy)>;

// The copy lies in the listed folder, named like the file with the extension "tmp"
// ("name.tmp", or "name.1.tmp", "name.2.tmp", ... when that name is taken); it is
// created new, never over an existing file. Only a complete copy replaces the file, in
// one step; on any failure the file stays as it was and the copy is deleted. Either way
// the entry's handle is open again afterwards in the entry's open mode (-1 when the file
// cannot be reopened). Returns whether the file was replaced; an entry that is not open
// for writing is refused at once.
bool RewriteThroughTempCopy(TFileInfo& entry, const TFillCopy& fill);
