#pragma once
// Windows only. The skinned boxes that form resources create by name, with their
// published properties. The skinned controls' classes (RegisterSkinControlClasses) must
// be in the registry first: the boxes derive from them.

class TClassRegistry;

// Adds the classes to Registry; a registry takes them once.
void RegisterSkinBoxClasses(TClassRegistry& Registry);
