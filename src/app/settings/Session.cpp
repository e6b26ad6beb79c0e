#include "Session.h"

#include "Config.h"

TConfigSession* Session = nullptr;

void TConfigSession::LoadFromConfig(const TConfigBase& config, bool shellMenuRegistered) {
  ShellMenuRegistered = shellMenuRegistered;
  AllWordsCaps = config.AllWordsCaps;
  CutTillNumber = false;
  DefaultID3v1 = config.DefaultID3v1;
  DefaultID3v2 = config.DefaultID3v2;
  ChangedFontColor = ChangedColor;
}
