#pragma once
// The device a report is generated for, as the report system sees it: the
// selected printer, or a render device when there is none.
#include "report/system/RptSystemTypes.h"

#include <QString>

namespace zamt {

// What the page stream's header takes from the device.
struct RptDeviceMetrics {
    // Unprintable margins in inches.
    double marginLeft = 0;
    double marginRight = 0;
    double marginTop = 0;
    double marginBottom = 0;
    int paperBin = 265;
    int copies = 1;
    int paperSize = 1;   // the paper's code in the printer's settings
    int paperWidth = 0;  // tenths of a millimetre
    int paperLength = 0; // tenths of a millimetre
};

// The report's paper: width and height in inches as the report lays its
// pages out (in landscape the width is the longer side).
struct RptPaper {
    double width = 8.5;
    double height = 11.0;
};

class RptOutputDevice {
public:
    virtual ~RptOutputDevice() = default;
    virtual QString deviceName() = 0;
    virtual QString driverName() = 0;
    virtual QString portName() = 0;
    virtual RptDeviceMetrics metrics(const RptPaper& paper, TOrientation orientation) = 0;
};

// The device of a run without a printer: the report's paper, no
// unprintable margins. Its names are all "Render".
class TRptRenderDevice : public RptOutputDevice {
public:
    QString deviceName() override { return QStringLiteral("Render"); }
    QString driverName() override { return QStringLiteral("Render"); }
    QString portName() override { return QStringLiteral("Render"); }
    RptDeviceMetrics metrics(const RptPaper&, TOrientation) override { return {}; }
};

// The program-wide printer device: the selected printer and its settings.
class RptPrinter : public RptOutputDevice {
public:
    // False when no printer is installed or none can be selected.
    virtual bool valid() = 0;
    // The most copies the printer makes of a job by itself.
    virtual int maxCopies() = 0;
    // The copy count of the selected printer's settings.
    virtual int copies() = 0;
    virtual void setCopies(int copies) = 0;
    // The duplex mode of the selected printer's settings (RptDuplex).
    virtual int duplex() = 0;
};

} // namespace zamt
