#include "ID3v2FrameCatBase.h"

#include "base/Exceptions.h"

void TMp3ID3v2FrameCatBase::Abstract() { throw EAbstractError("Abstract Error"); }
