#include "TextScrollWatch.h"

void TspTextScrollWatch::BeforePaint(HWND Edit, const TMessage& Message) {
  if (Message.WParam != 0) return;
  const LRESULT origin = SendMessageA(Edit, EM_POSFROMCHAR, 0, 0);
  if (FTextOrigin.has_value() && *FTextOrigin != origin) InvalidateRect(Edit, nullptr, TRUE);
  FTextOrigin = origin;
}
