#pragma once
// The figure window with the reference chart "рисунок 7".
#include <QWidget>
#include <memory>

namespace Ui {
class TForm9;
}

namespace zamt {

class TForm9 : public QWidget {
    Q_OBJECT
public:
    TForm9();
    ~TForm9() override;

    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TForm9> ui;
};

} // namespace zamt
