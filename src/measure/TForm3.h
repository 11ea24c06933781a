#pragma once
// The hydraulics window: shows the geometry results on request, takes the
// hydraulic data, runs the hydraulics calculation and writes the passport
// record.
#include "calc/HydraulicsCalculation.h"
#include "platform/Dialogs.h"

#include <QWidget>
#include <memory>

namespace Ui {
class TForm3;
}

namespace zamt {

class TForm3 : public QWidget, private HydraulicsDisplay {
    Q_OBJECT
public:
    TForm3();
    ~TForm3() override;

    void Button3Click();
    void Button1Click();
    void keyPress1(char& key);
    void keyPress2(char& key);
    void keyPress3(char& key);
    void SpeedButton1Click();
    void Button2Click();
    void Button4Click();

private:
    void showResult(HydraulicsLabel label, const std::string& text) override;
    void calculationDone() override;

    std::unique_ptr<Ui::TForm3> ui;
    OpenFileRequest OpenDialog1;
};

} // namespace zamt
