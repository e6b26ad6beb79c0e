#include "SkinnedWindowClasses.h"

#include "skin/boxes/SkinBoxClasses.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDataClasses.h"
#include "skin/form/SkinFormClasses.h"
#include "skin/menus/SkinPopupMenu.h"

#include "classlib/ClassRegistry.h"
#include "classlib/Form.h"

void RegisterSkinnedWindowClasses() {
  TClassRegistry& registry = TClassRegistry::Instance();
  // One class of each group stands for the group, which is added whole.
  const struct {
    const char* Known;
    void (*Register)(TClassRegistry&);
  } groups[] = {{"TspSkinData", RegisterSkinDataClasses},
                {"TspSkinButton", RegisterSkinControlClasses},
                {"TspSkinPopupMenu", RegisterSkinPopupMenuClass},
                {"TspSkinMemo", RegisterSkinBoxClasses},
                {"TspDynamicSkinForm", RegisterSkinFormClasses}};
  for (const auto& group : groups)
    if (registry.FindClass(group.Known) == nullptr) group.Register(registry);
}
