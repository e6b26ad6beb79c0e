#pragma once
// Windows only. The skinned-window component as form resources create it, with its
// published properties and events. The skin data and skinned control classes
// (RegisterSkinDataClasses, RegisterSkinControlClasses) must be in the registry first.

class TClassRegistry;

// Adds the class to Registry; a registry takes it once.
void RegisterSkinFormClasses(TClassRegistry& Registry);
