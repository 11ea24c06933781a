#pragma once
// The printer settings of a report system: what the writer is given before
// generation, and what the set-up window fills in.
#include "report/system/RptSystemTypes.h"

#include <QString>
#include <QStringList>
#include <string>

namespace zamt {

class TSystemPrinter {
public:
    int Copies = 1;
    int FirstPage = 1;
    int LastPage = 9999;
    TLineHeightMethod LineHeightMethod = TLineHeightMethod::lhmFont;
    int LinesPerInch = 6;
    // In Units.
    double MarginBottom = 0;
    double MarginLeft = 0;
    double MarginRight = 0;
    double MarginTop = 0;
    TOrientation Orientation = TOrientation::poPortrait;
    double ScaleX = 100.0;
    double ScaleY = 100.0;
    QString StatusFormat = QStringLiteral("Printing page %p");
    QStringList StatusText;
    TBKMode TextBKMode = TBKMode::bkTransparent;
    std::string Title = "Untitled Report"; // Windows-1251
    // Not published.
    bool Collate = false;
    int Duplex = RptDuplex::None; // the report system sets the printer's current mode

    int TabShade() const { return tabShade_; }
    // Clamped to 0 to 100.
    void setTabShade(int percent);

    TPrintUnits Units() const { return units_; }
    // Also sets UnitsFactor: inch 1.0, mm 25.4, cm 2.54, point 72.0; unUser
    // keeps the factor.
    void setUnits(TPrintUnits units);
    // Units per inch. A positive factor also sets Units: 1.0, 25.4, 2.54 and
    // 72.0 name their units, anything else is unUser. Others are ignored.
    double UnitsFactor() const { return unitsFactor_; }
    void setUnitsFactor(double factor);

    // A length in Units as inches.
    double inches(double length) const { return length / unitsFactor_; }

private:
    int tabShade_ = 0;
    TPrintUnits units_ = TPrintUnits::unInch;
    double unitsFactor_ = 1.0;
};

} // namespace zamt
