#pragma once
// Objects that can copy their state from another of a compatible class, and name the
// stored properties that are not published ones.

#include "Object.h"

class TFiler;

class TPersistent : public TObject {
public:
  // Copies Source's state; raises EConvertError when the classes are not compatible.
  virtual void Assign(const TPersistent* Source);
  // Defines the object's unpublished stored properties on Filer; overrides call the
  // inherited method first. The default defines none.
  virtual void DefineProperties(TFiler& Filer);

protected:
  virtual void AssignTo(TPersistent* Dest) const;
};
