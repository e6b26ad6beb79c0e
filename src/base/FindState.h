#pragma once
// The platform half of FindFirst/FindNext: one open folder listing.

#include "FileUtils.h"

struct TFindPlatform;

struct TFindState {
  TFindState();
  ~TFindState();
  TFindState(const TFindState&) = delete;
  TFindState& operator=(const TFindState&) = delete;

  // Start listing path's folder and fill rec with the first entry; 0 or an OS error.
  int Open(const std::string& path, TSearchRec& rec);
  // Fill rec with the next entry; 0 or an OS error (NoMoreFilesError at the end).
  int Next(TSearchRec& rec);
  bool Accepts(const TSearchRec& rec) const;
  static int NoMoreFilesError();

  std::string Mask;
  std::unique_ptr<TFindPlatform> Platform;
};
