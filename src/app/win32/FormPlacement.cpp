#include "FormPlacement.h"

#include "app/windowrules/WindowPlacementState.h"

#include "skin/data/SkinRects.h"
#include "skin/form/DynamicSkinForm.h"

#include "classlib/Form.h"

void CenterFormOnForm(TCustomForm* other, TCustomForm* form) {
  const TRect target = other != nullptr ? other->BoundsRect()
                                        : Bounds(0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                                 GetSystemMetrics(SM_CYVIRTUALSCREEN));
  // The skinned frame keeps the window's state: a maximized (or minimized) window keeps
  // its normal bounds in the frame, and those are what is centred.
  TspDynamicSkinForm* frame = GetDynamicSkinForm(form);
  TCentredWindow window{form->BoundsRect(), std::nullopt};
  if (frame != nullptr && !IsNullRect(frame->RestoreRect())) window.RestoreBounds = frame->RestoreRect();
  const TCentredWindow centred = CentreWindowOn(target, window);
  if (centred.RestoreBounds)
    frame->SetRestoreRect(*centred.RestoreBounds);
  else
    form->SetBoundsRect(centred.Bounds);
}
