#pragma once
// TspFrameRegion: the skinned window's shape. It gives the window the region of the skin's
// mask for the window's size (or the roll-up mask of a rolled-up client-area frame) and
// takes it away again; a region handed to the window belongs to the system from then on.
// A region cut as the one set already is not given again while the window is hidden, nor
// by the first show's size message: the shape would stay, and giving it would only repaint
// the frame and every control at once, before the first paint paints them again.

#include "skin/data/win32/WindowShape.h"

#include <cstdint>
#include <optional>

class TCustomForm;
class TspFrameCore;
class TspSkinData;
enum class TspFormRegion : uint8_t;

class TspFrameRegion {
public:
  explicit TspFrameRegion(TCustomForm& Form) : FForm(Form) {}

  // The region of the frame the core has laid out for its last size; none for an ordinary
  // frame (not Skinnable), whose shape is the system's.
  void SetFormRegion(const TspFrameCore& Core, TspSkinData* Skin, bool Skinnable);
  // The frame's region given to the window just before its first show, unless it has it
  // already. The same region asked for next (by the size message of the show) is not given
  // again.
  void SetBeforeFirstShow(const TspFrameCore& Core, TspSkinData* Skin);
  // The roll-up mask, widened to the window's width; none without one.
  void SetRollUpFormRegion(TspSkinData* Skin);
  // Whether a region of the frame's is set on the window.
  bool Set() const { return FSet; }

private:
  // What a frame region is cut from.
  struct TCut {
    HWND Window;
    int Width, Height;
    TspFormRegion Kind;
    const TspSkinData* Skin;
    uint32_t SkinGeneration;
    bool operator==(const TCut&) const = default;
  };
  TCut CutOf(const TspFrameCore& Core, const TspSkinData* Skin) const;
  // The most rectangles the skin's budget leaves the window's region.
  size_t MostRects() const;

  // Hands Region, cut as Cut says, to the window (whose it is from then on); a refused one
  // is deleted. No region takes the window's away: the window shows whole.
  void Give(TRegion Region, std::optional<TCut> Cut);
  void Drop();

  TCustomForm& FForm;
  bool FSet = false;
  // What the region set was cut from; none for the roll-up mask's.
  std::optional<TCut> FSetCut;
  // The region set before the first show, until the next one is asked for.
  bool FSetBeforeFirstShow = false;
};
