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

  // Whether item Index is one that can be chosen: any but a header.
  bool Choosable(int32_t Index) const {
    return Index >= 0 && Index < Count() && Kinds[static_cast<size_t>(Index)] != TspImagesItemKind::Header;
  }
  // The choosable item under P, or -1.
  int32_t ItemAt(TPoint P) const;
  // The item the arrow key Key (VirtualKey::Left, Up, Right or Down) makes hot after Hot
  // (-1: none). With none hot, Up and Left go to the last item, Down and Right to the
  // first (the second when the first is a header). Right and Left walk the choosable
  // items in order, from the last item to the first (or second) and back, so the ends
  // may make a header hot; Up and Down go to the nearest choosable item above or below in
  // the same column (or a button row). A move that finds nothing keeps Hot, and -1 when
  // no item is there to go to.
  int32_t ArrowTarget(int32_t Hot, uint16_t Key) const;

private:
  // Where Down and Right start: item 0, or 1 after a header.
  int32_t FirstItem() const;
  // Up (Step -1) or Down (+1): the nearest choosable item beyond Hot's row that way.
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
