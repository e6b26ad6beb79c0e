#include "GraphicSkinControl.h"

#include "SkinControlMessages.h"

void TspGraphicSkinControl::Dispatch(TMessage& Message) {
  if (Message.Msg == SP_PARENT_BACKGROUND_CHANGED) {
    if (AlphaBlend()) Repaint();
    return;
  }
  TspSkinControlCore::Dispatch(Message);
}
