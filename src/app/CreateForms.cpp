#include "app/CreateForms.h"

#include "app/TForm1.h"
#include "app/TForm6.h"
#include "measure/TForm2.h"
#include "measure/TForm3.h"
#include "measure/TForm9.h"

namespace zamt {

void createForms() {
    Form1 = new TForm1();
    Form2 = new TForm2();
    Form3 = new TForm3();
    Form6 = new TForm6();
    Form9 = new TForm9();
}

template <class Form> static void destroy(Form*& form) {
    delete form;
    form = nullptr;
}

void destroyForms() {
    destroy(Form9);
    destroy(Form6);
    destroy(Form3);
    destroy(Form2);
    destroy(Form1);
}

} // namespace zamt
