#pragma once
// What the skinned frame of an MDI main form draws behind its children, without windows:
// which background the MDI client window shows, and whether a new size must redraw it
// all (a stretched picture or a centred logo moves with the size).

#include "skin/data/SkinFormInfo.h"

#include <cstdint>

// The skin's background choices for the client area.
struct TspMDIBackground {
  int32_t MDIBGPictureIndex = -1;
  int32_t BGPictureIndex = -1;
  bool StretchEffect = false;
  bool MDIBGStretchEffect = false;
};
TspMDIBackground MDIBackgroundOf(const TspSkinFormInfo& Skin);

enum class TspMDIBackgroundKind {
  MDIPicture,     // the skin's MDI background picture
  ClientPicture,  // its client background picture
  FramePart,      // the client part of its frame picture
  Workspace,      // no usable skin: the application workspace colour and the logo
};
TspMDIBackgroundKind MDIClientBackgroundKind(bool SkinUsable, const TspMDIBackground& Background);

// The logo is centred, and a stretched picture follows the size: the whole client is
// redrawn after a resize.
bool MDIClientRedrawsOnSize(bool HasLogo, bool SkinInUse, const TspMDIBackground& Background);
