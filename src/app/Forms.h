#pragma once
// The program's five windows, created once at start-up in this order and
// reachable for the whole run through these references.

namespace zamt {

class TForm1;
class TForm2;
class TForm3;
class TForm6;
class TForm9;

extern TForm1* Form1; // main window
extern TForm2* Form2; // geometry window
extern TForm3* Form3; // hydraulics window
extern TForm6* Form6; // About window
extern TForm9* Form9; // figure window

// Creates the windows hidden, main window first; the caller shows Form1.
void createForms();
// Destroys them in reverse order and clears the references.
void destroyForms();

} // namespace zamt
