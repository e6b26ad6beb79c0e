#pragma once
// Where a form goes relative to another.

class TCustomForm;

// Centres form on other, or on the virtual screen (its width and height from the origin)
// when other is nil.
void CenterFormOnForm(TCustomForm* other, TCustomForm* form);
