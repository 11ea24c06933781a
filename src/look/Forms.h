#pragma once
// The program's five windows, reachable for the whole run through these
// references. The main program makes the main window at start-up and the
// others when they are first needed (app/CreateForms.h): formN() makes its
// window on the first call and returns it; FormN stays null until then.

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

TForm2* form2();
TForm3* form3();
TForm6* form6();
TForm9* form9();

// How the windows are made, installed by the program that has them.
struct FormMakers {
    TForm2* (*form2)() = nullptr;
    TForm3* (*form3)() = nullptr;
    TForm6* (*form6)() = nullptr;
    TForm9* (*form9)() = nullptr;
};
void installFormMakers(const FormMakers& makers);

} // namespace zamt
