#pragma once
// What a report system needs from the program around it: the printer
// device, the built-in set-up, status and preview windows, and printing.
// Until the program installs the report windows (installReportWindows() at
// start-up) there is no printer, the set-up is taken as it stands, and no
// window is shown.
#include "report/system/RptSystemTypes.h"

#include <functional>
#include <memory>

class QIODevice;
class QObject;

namespace zamt {

class RptPrinter;
class TRptSystem;

// A window hook: creates the window into `window` (omCreate), shows it
// (omShow), waits for it (omWait) and frees it, clearing `window` (omFree).
using TRptSystemEvent =
    std::function<void(TRptSystem& system, TOverrideMode mode, QObject*& window)>;

class RptSystemPlatform {
public:
    virtual ~RptSystemPlatform() = default;
    // The program-wide printer device, or null when the program has none.
    virtual RptPrinter* printer() { return nullptr; }
    virtual void setupWindow(TRptSystem&, TOverrideMode, QObject*&) {}
    virtual void statusWindow(TRptSystem&, TOverrideMode, QObject*&) {}
    virtual void previewWindow(TRptSystem&, TOverrideMode, QObject*&) {}
    // Prints the page stream (open for reading) on the selected printer, or
    // into the printer output file its header names.
    virtual void print(TRptSystem& system, QIODevice& stream);
};

RptSystemPlatform& rptSystemPlatform();
// Installs a platform and returns the one it replaces.
std::unique_ptr<RptSystemPlatform>
installRptSystemPlatform(std::unique_ptr<RptSystemPlatform> platform);

} // namespace zamt
