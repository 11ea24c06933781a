#pragma once
// Creating and destroying the program's five windows (look/Forms.h holds
// the references).
#include "look/Forms.h"

namespace zamt {

// Creates the main window hidden (the caller shows Form1) and installs how
// the others are made when first needed.
void createForms();
// Destroys the windows made, in reverse order, and clears the references.
void destroyForms();

} // namespace zamt
