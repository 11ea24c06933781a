#pragma once
// The geometry window: the object name and the five measured quantities of
// the pipe and the acoustic channel, the calculation button, the results.
#include "calc/GeometryCalculation.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class TForm2;
}

namespace zamt {

class KeyPressRouter;

class TForm2 : public QWidget, private GeometrySink {
    Q_OBJECT
public:
    TForm2();
    ~TForm2() override;

    // Key filters of the boxes: keyPress1 for the name in Edit1, keyPress2
    // to keyPress6 for the numbers in Edit2 to Edit6. Enter steps along
    // Edit1, Edit2, ..., Edit6, Button1.
    void keyPress1(char& Key);
    void keyPress2(char& Key);
    void keyPress3(char& Key);
    void keyPress4(char& Key);
    void keyPress5(char& Key);
    void keyPress6(char& Key);
    // "считаем?": the geometry calculation.
    void Button1Click();
    // "переходим на гидравлику": shows the hydraulics window.
    void Button2Click();

private:
    void refuse(const std::string& message) override;
    void showResult(GeometryLabel label, const std::string& text) override;
    void calculated() override;

    void numericKey(char& Key, const QLineEdit* box, QWidget* next);
    QLabel* resultLabel(GeometryLabel label) const;

    std::unique_ptr<Ui::TForm2> ui;
    KeyPressRouter* keys_;
};

} // namespace zamt
