#pragma once
// Creating and destroying the program's five windows (look/Forms.h holds
// the references).
#include "look/Forms.h"

namespace zamt {

// Creates the windows hidden, main window first; the caller shows Form1.
void createForms();
// Destroys them in reverse order and clears the references.
void destroyForms();

} // namespace zamt
