#pragma once
// The geometry window.
#include <QWidget>
#include <memory>

namespace Ui {
class TForm2;
}

namespace zamt {

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2();
    ~TForm2() override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};

} // namespace zamt
