#pragma once
// How a menu item looks: painted into a bitmap of the item's size, from the skin's menu
// item entry (divider, animation frame, cross-fade or plain look, with caption, shortcut,
// submenu arrow, image and check marks, or a section header) or in the skinless look.

class TBitmap;
class TspSkinMenuItem;

// Image takes the item's size and its look in the item's present state.
void PaintMenuItem(TBitmap& Image, TspSkinMenuItem& Item);
