#include "BoxesFormKit.h"

#include "skin/boxes/SkinBoxClasses.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include <mutex>

TOwned<TSkinnedForm> ReadBoxesForm(const std::string& Text, const std::string& Name, const std::string& Skin) {
  static std::once_flag registration;
  std::call_once(registration, [] {
    RegisterSkinDataClasses(TClassRegistry::Instance());
    RegisterSkinControlClasses(TClassRegistry::Instance());
    RegisterSkinBoxClasses(TClassRegistry::Instance());
  });
  TOwned<TSkinnedForm> form(new TSkinnedForm);
  ReadForm(*form, Text, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()), Name);
  auto* stored = new TspCompressedStoredSkin(form.get());
  LoadTestSkin(*stored, Skin);
  if (auto* data = Found<TspSkinData>(form.get(), "SkinData")) data->LoadCompressedStoredSkin(stored);
  return form;
}
