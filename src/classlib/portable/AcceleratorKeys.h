#pragma once
// Which character a pressed key stands for when menus match it with a caption's
// accelerator ("&x"): menus see the virtual key of a key-down, not the character typed.

#include <cstdint>

// The letter or digit that the virtual key Key types, upper case: "A" to "Z" and "0" to
// "9" from the main keys, "0" to "9" from the keypad's digits (NumLock on). '\0' for every
// other key: function keys, arrows, the keypad's operators and point, punctuation. Their
// codes fall among those of letters ("p" to "{" for F1 to F12, "`" and "a" to "i" for the
// keypad's digits), so read as characters they would run menu items.
char AcceleratorCharOfKey(uint16_t Key);
