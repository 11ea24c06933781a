#pragma once
// The program's five windows, reachable for the whole run through these
// references. The main program creates them at start-up (app/CreateForms.h).

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

} // namespace zamt
