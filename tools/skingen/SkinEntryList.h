#pragma once
// The entries every complete skin of the program carries: the window-frame objects and
// the controls, each an IDName with its type keyword, in the order the skin lists them.

#include <span>

struct TSkinEntryName {
  const char* IDName;
  const char* Keyword;
};

std::span<const TSkinEntryName> RequiredSkinObjects();
std::span<const TSkinEntryName> RequiredSkinControls();
