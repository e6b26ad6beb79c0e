#pragma once
// Windows only. The skin data components that form resources create by name, with their
// published properties: the stored skin, whose zlib data arrives through its
// "CompressedData" property, the list of stored skins with its items, the resource
// strings, and the skin data component that loads a skin and refers to the others.

class TClassRegistry;

// Adds the classes to Registry; a registry takes them once.
void RegisterSkinDataClasses(TClassRegistry& Registry);
