#include "look/Forms.h"

namespace zamt {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm6* Form6 = nullptr;
TForm9* Form9 = nullptr;

namespace {

FormMakers makers;

template <class Form> Form* made(Form*& form, Form* (*make)()) {
    if (!form && make)
        form = make();
    return form;
}

} // namespace

void installFormMakers(const FormMakers& installed) {
    makers = installed;
}

TForm2* form2() {
    return made(Form2, makers.form2);
}
TForm3* form3() {
    return made(Form3, makers.form3);
}
TForm6* form6() {
    return made(Form6, makers.form6);
}
TForm9* form9() {
    return made(Form9, makers.form9);
}

} // namespace zamt
