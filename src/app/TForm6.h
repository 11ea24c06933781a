#pragma once
// The About window.
#include <QWidget>
#include <memory>

namespace Ui {
class TForm6;
}

namespace zamt {

class TForm6 : public QWidget {
    Q_OBJECT
public:
    TForm6();
    ~TForm6() override;

    void SpeedButton1Click();

private:
    std::unique_ptr<Ui::TForm6> ui;
};

} // namespace zamt
