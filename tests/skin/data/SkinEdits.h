#pragma once
// Test skins edited after they are read: how the tests make hostile or unusual skins of
// a sound one (a mask finer than a region may be, a rectangle past its picture).

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPayload.h"

#include <functional>
#include <string>

// Stored's inflated payload, read.
TspSkinPayload StoredSkinPayload(TspCompressedStoredSkin& Stored);
// Applies Edit to Stored's inflated payload (its INI text and pictures).
using TSkinEdit = std::function<void(TspSkinPayload&)>;
void EditStoredSkin(TspCompressedStoredSkin& Stored, const TSkinEdit& Edit);
// Sets Key of Section in Skin's INI text.
void SetSkinValue(TspSkinPayload& Skin, const std::string& Section, const std::string& Key, const std::string& Value);
// Adds Entry ("IDName:type") at the end of the list section List (SKINCONTROLS, SKINOBJECTS).
void AddSkinEntry(TspSkinPayload& Skin, const std::string& List, const std::string& Entry);
// Cuts the skin rectangle of Section's entry at one pixel from its top-left corner on
// every side, so that its strips and client part are one pixel long: a tile that costs
// a copy per pixel where tiling copies tile by tile.
void CutToOnePixelTiles(TspSkinPayload& Skin, const std::string& Section);
