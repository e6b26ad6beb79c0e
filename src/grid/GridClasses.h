#pragma once
// Windows only. The skinned grids (and the transparent masked edit of their editor) that
// form resources create by name, with their published properties and events. The
// skinned controls (RegisterSkinControlClasses) must be in the registry first: a grid
// refers to its skin data and scroll bars.

class TClassRegistry;

void RegisterGridClasses(TClassRegistry& Registry);
