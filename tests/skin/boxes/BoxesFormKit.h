#pragma once
// What the form tests of the skinned boxes share: a form of boxes read from its text.

#include "SkinControlTestKit.h"

#include <string>

// Form (a TSkinnedForm) read from Text, with the skinned classes registered for the
// form reader first; its skin data component "SkinData" takes the test skin Skin, whose
// stored form the form owns.
TOwned<TSkinnedForm> ReadBoxesForm(const std::string& Text, const std::string& Name, const std::string& Skin);
