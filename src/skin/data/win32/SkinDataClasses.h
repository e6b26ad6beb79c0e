#pragma once
// Windows only. The skin data components that form resources create by name, with their
// published properties: the stored skin, whose zlib data arrives through its
// "CompressedData" property, and the skin data component that loads it.

class TClassRegistry;

// Adds the classes to Registry; a registry takes them once.
void RegisterSkinDataClasses(TClassRegistry& Registry);
