#include "MDIClientRules.h"

TspMDIBackground MDIBackgroundOf(const TspSkinFormInfo& Skin) {
  return {Skin.MDIBGPictureIndex, Skin.BGPictureIndex, Skin.StretchEffect, Skin.MDIBGStretchEffect};
}

TspMDIBackgroundKind MDIClientBackgroundKind(bool SkinUsable, const TspMDIBackground& Background) {
  if (!SkinUsable) return TspMDIBackgroundKind::Workspace;
  if (Background.MDIBGPictureIndex != -1) return TspMDIBackgroundKind::MDIPicture;
  if (Background.BGPictureIndex != -1) return TspMDIBackgroundKind::ClientPicture;
  return TspMDIBackgroundKind::FramePart;
}

bool MDIClientRedrawsOnSize(bool HasLogo, bool SkinInUse, const TspMDIBackground& Background) {
  if (HasLogo) return true;
  if (!SkinInUse) return false;
  return Background.MDIBGPictureIndex == -1 ? Background.StretchEffect : Background.MDIBGStretchEffect;
}
