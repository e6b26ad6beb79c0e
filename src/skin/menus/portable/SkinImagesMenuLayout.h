#pragma once
// An images menu without windows: a grid of image cells, a fixed number of columns wide,
// with full-width button rows and header rows between them; the window around the grid
// and where it goes under its button; which item the pointer is over and which one the
// arrow keys make hot; and how a cell looks.
//
// Sizes come from the image list and the skin and are summed saturated.

#include "base/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

enum class TspImagesItemKind {
  Image,   // one cell of the grid
  Button,  // a full-width row with an image and a caption
  Header,  // a full-width row with a caption, never hot and never chosen
};

// What the grid is laid out by.
struct TspImagesGridMetrics {
  TSize Image;          // the image list's image size; a cell is 10 pixels larger
  int32_t Columns = 1;  // cells in a row
  TPoint Origin;        // the first row's top-left corner in the window
  int32_t HeaderHeight = 0;  // 0: a header is as high as a cell
};

// The frame around the grid: the skin's popup picture with its items rectangle, or
// without a skin 5 plain pixels on each side.
struct TspImagesMenuFrame {
  bool Skinned = false;
  TSize Picture;
  TRect ItemsRect;

  // Where the grid starts.
  TPoint Origin() const;
  // The window for a grid of Content.
  TSize WindowSize(TSize Content) const;
};

class TspImagesMenuLayout {
public:
  std::vector<TspImagesItemKind> Kinds;  // in item order
  std::vector<TRect> Rects;              // each item's rectangle in the window

  int32_t Count() const { return static_cast<int32_t>(Kinds.size()); }

  // Lays the items out from the origin: cells left to right until a row is full, each
  // row a pixel below the one above; a button or header row starts a row of its own
  // (after a row that was begun) and the cells go on below it.
  void Arrange(const TspImagesGridMetrics& Metrics);
  // The grid: a row wide, from the first item's top to the last one's bottom.
  TSize ContentSize() const { return FContent; }

  // The item under P that can be hot (no header), or -1.
  int32_t ItemAt(TPoint P) const;
  // The item the arrow key Key (VirtualKey::Left, Up, Right or Down) makes hot after Hot
  // (-1: none): Right and Left walk the items in order and wrap, Up and Down go to the
  // nearest item above or below in the same column (or a button row). Headers are passed
  // over; without any other item the answer is -1, and a move that finds nothing keeps Hot.
  int32_t ArrowTarget(int32_t Hot, uint16_t Key) const;

private:
  bool Selectable(int32_t Index) const {
    return Index >= 0 && Index < Count() && Kinds[static_cast<size_t>(Index)] != TspImagesItemKind::Header;
  }
  int32_t FirstSelectable() const;
  int32_t LastSelectable() const;
  // Up (Step -1) or Down (+1): the nearest item beyond Hot's row in that direction.
  int32_t Vertical(int32_t Hot, int32_t Step) const;

  TSize FContent;
};

// The window's top-left corner under Anchor (screen coordinates), within the work area:
// above the anchor when there is no room below, pushed left from the right edge, and
// never left of or above the work area.
TPoint ImagesMenuPosition(const TRect& Anchor, TSize Size, const TRect& WorkArea);

// How an image cell (or a button row) is framed: the selected item pressed, unless the
// button is held on an item, when the hot item is pressed instead; the hot item otherwise
// hot.
enum class TspImagesCellLook { None, Hot, Pressed };
TspImagesCellLook ImagesCellLook(bool Selected, bool Hot, bool HeldOnItem);
