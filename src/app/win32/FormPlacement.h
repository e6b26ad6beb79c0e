#pragma once
// Where a form goes relative to another.

class TCustomForm;

// Centres form on other, or on the virtual screen (its width and height from the origin)
// when other is nil: the bounds it shows, or while its skinned frame holds it maximized or
// minimized, the normal bounds it takes back when restored (CentreWindowOn).
void CenterFormOnForm(TCustomForm* other, TCustomForm* form);
