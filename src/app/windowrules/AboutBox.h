#pragma once
// The about box's texts and the maker's addresses, which the about box and the help menu
// open with the shell.

#include <string>

class TConfigBase;

extern const char MakerLine[];
extern const char MakerEmailAddress[];
extern const char MakerWebAddress[];

// "Version" and the program's version.
std::string AboutVersionText(const TConfigBase& settings);
// "Translation:" and the loaded language file's translator credit.
std::string AboutTranslationText();
// What the shell opens for an address label: "mailto:" before an e-mail address (one
// with "@"), "http://" before any other.
std::string AddressTarget(const std::string& address);
