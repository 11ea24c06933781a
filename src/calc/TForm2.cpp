#include "calc/TForm2.h"

#include "app/WindowLook.h"
#include "ui_TForm2.h"

namespace zamt {

TForm2::TForm2() : ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    makeToolWindow(this);
    setWindowIcon(programIcon());
    setBackground(this, colors::skyBlue);
    placeWindow(this, 1, 121, 402, 456);
}

TForm2::~TForm2() = default;

} // namespace zamt
