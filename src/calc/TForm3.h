#pragma once
// The hydraulics window.
#include <QWidget>
#include <memory>

namespace Ui {
class TForm3;
}

namespace zamt {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3();
    ~TForm3() override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};

} // namespace zamt
