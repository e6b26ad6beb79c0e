#pragma once
// Runs work between BeginUpdate and EndUpdate of a list or collection; EndUpdate also
// runs when the work raises, so that change notifications are never left switched off.

#include "ScopeExit.h"

template <class T, class Work>
void WithUpdate(T& target, Work work) {
  target.BeginUpdate();
  TScopeExit endUpdate([&] { target.EndUpdate(); });
  work();
}
