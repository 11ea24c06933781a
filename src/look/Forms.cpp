#include "look/Forms.h"

namespace zamt {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm6* Form6 = nullptr;
TForm9* Form9 = nullptr;

} // namespace zamt
