#pragma once
// Objects that can copy their state from another of a compatible class.

#include "Object.h"

class TPersistent : public TObject {
public:
  // Copies Source's state; raises EConvertError when the classes are not compatible.
  virtual void Assign(const TPersistent* Source);

protected:
  virtual void AssignTo(TPersistent* Dest) const;
};
