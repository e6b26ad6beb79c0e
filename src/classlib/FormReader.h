#pragma once
// The form reader: builds a form's component tree from its text form description (see
// base/FormText.h), kept as an RCDATA resource named after the form's class.
//
// Each object of the text is created by the class registry, owned by the form (the root
// object), named, put into the object around it (a control into its parent, a menu item
// into its menu or parent item, an action into its action list), and given its
// properties in text order while it is csLoading and csReading. Once the whole tree
// exists, the component references and the form's fields are resolved and the events
// bound to the form's handlers; then every component's Loaded() runs in creation order
// (the form first), and the form's OnCreate.
// Anything unknown - a class, a property, a component or a handler - fails the reading
// with EFormReadError naming it and its line.
//
// A form class reads its resource at the end of its constructor:
//   TAboutForm::TAboutForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource(*this, Bindings()); }

#include "FormBindings.h"

#include "base/Exceptions.h"

#include <string>

class TCustomForm;

VQ_DECLARE_EXCEPTION(EFormReadError, EReadError);

// Reads Text into Root (whose class must be the one the text names). Source names the
// text in messages.
void ReadForm(TComponent& Root, const std::string& Text, const TFormBindings& Bindings, const std::string& Source);
// Reads the form resource named after Form's class.
void ReadFormResource(TCustomForm& Form, const TFormBindings& Bindings);
// The text of the program's RCDATA resource Name; raises EFormReadError when it has none.
std::string FormResourceText(const std::string& Name);
