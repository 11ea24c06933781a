#include "calc/TForm3.h"

#include "app/WindowLook.h"
#include "ui_TForm3.h"

namespace zamt {

TForm3::TForm3() : ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    makeToolWindow(this);
    setWindowIcon(programIcon());
    setBackground(this, colors::paleGreen);
    placeWindow(this, 369, 120, 368, 588);
}

TForm3::~TForm3() = default;

} // namespace zamt
