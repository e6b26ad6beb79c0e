#pragma once
// TSkinCatalog: every rectangle, point, picture index, tiled strip and group of state
// images of a loaded skin, each with the picture it lies in, in that picture's
// coordinates. Each frame of an object's frame strip and each cell of a bitmap font is a
// rectangle of its own. A rectangle that the skin gives relative to another (a client rectangle
// inside its skin rectangle, a text rectangle inside an item) is moved into picture
// coordinates and carries the rectangle it must stay inside. The contact sheet outlines
// the rectangles; the skin checks read the rest.

#include "skin/data/SkinData.h"

#include "base/Geometry.h"

#include <string>
#include <utility>
#include <vector>

// The picture numbers of the window frame (and of its inactive twin and mask, which share
// its coordinates) and of the rolled-up frame (and its mask); active pictures are
// numbered from 0.
inline constexpr int MainPicture = -1;
inline constexpr int RollUpPicture = -2;

struct TSkinRectRef {
  std::string Entry;  // IDName, or the name of a window section
  std::string Key;    // the INI key
  int Picture;        // MainPicture or an active picture
  TRect Rect;         // in the picture's coordinates
  TRect Within;       // the rectangle it must lie inside besides its picture; empty: none
};

struct TSkinPointRef {
  std::string Entry;
  std::string Key;
  TPoint Point;  // in picture coordinates
  TRect Within;  // edges included
};

// A part of an image that is tiled or stretched to a new length: it must be at least
// one pixel long.
struct TSkinStrip {
  std::string Entry;
  std::string Part;
  int32_t Length;
};

struct TSkinPictureIndex {
  std::string Entry;
  std::string Key;
  int32_t Index;  // -1 means none
};

// State images drawn in each other's place: they must be of one size.
struct TSkinStateGroup {
  std::string Entry;
  std::vector<std::pair<std::string, TRect>> States;  // the empty ones are left out
};

struct TSkinCatalog {
  std::vector<TSkinRectRef> Rects;
  std::vector<TSkinPointRef> Points;
  std::vector<TSkinStrip> Strips;
  std::vector<TSkinPictureIndex> PictureIndexes;
  std::vector<TSkinStateGroup> StateGroups;
};

// Rectangles and points that are not given (empty rectangles, zero points of an entry
// without that geometry) are left out.
TSkinCatalog CatalogSkin(const TspSkinData& Skin);
