#pragma once
// Windows only. The skinned-window component, the skinned main menu bar and the MDI tabs
// bar as form resources create them, with their published properties and events (and the
// hint component the frame refers to, unless the registry has it). The skin data and
// skinned control classes (RegisterSkinDataClasses, RegisterSkinControlClasses) must be
// in the registry first.

class TClassRegistry;

// Adds the classes to Registry; a registry takes them once.
void RegisterSkinFormClasses(TClassRegistry& Registry);
