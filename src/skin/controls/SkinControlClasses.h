#pragma once
// Windows only. The skinned controls that form resources create by name, with their
// published properties. The skin data classes (RegisterSkinDataClasses) must be in the
// registry first: the controls refer to their skin data components.

class TClassRegistry;

// Adds the classes to Registry; a registry takes them once.
void RegisterSkinControlClasses(TClassRegistry& Registry);
