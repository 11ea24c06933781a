#include "app/CreateForms.h"

#include "app/TForm1.h"
#include "app/TForm6.h"
#include "measure/TForm2.h"
#include "measure/TForm3.h"
#include "measure/TForm9.h"

namespace zamt {

void createForms() {
    Form1 = new TForm1();
    // The other windows cost start-up time and are made when first shown.
    installFormMakers({[] { return new TForm2(); }, [] { return new TForm3(); },
                       [] { return new TForm6(); }, [] { return new TForm9(); }});
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
