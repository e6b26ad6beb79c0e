#pragma once
// TspSkinEdit: the skinned edit as the form resources place it, with every property of
// TspSkinCustomEdit published.

#include "SkinCustomEdit.h"

class TspSkinEdit : public TspSkinCustomEdit {
public:
  using TspSkinCustomEdit::TspSkinCustomEdit;
};
