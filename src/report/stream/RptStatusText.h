#pragma once
// The text a status window shows while a report is generated: a format
// whose macros are replaced, scanning from the first "%" to the end. A "%"
// and the character after it (compared without regard to case) become:
//   %%        "%"
//   %0 .. %9  line 0 to 9 of the status text lines, nothing when missing
//   %C, %S    the current pass, the number of passes
//   %D %R %T  the output device's name, driver and port
//   %F, %L    the first and the last page of the range
//   %N        a line break (carriage return)
//   %P        the current page
//   other %x  "<ERROR-%X>" with x in upper case
// A "%" that ends the format stays; replacements are not scanned again.
#include <QString>
#include <QStringList>

namespace zamt {

struct RptStatusValues {
    QStringList lines;
    int pass = 1;
    int passes = 1;
    int page = 0;
    int firstPage = 1;
    int lastPage = 9999;
    QString device;
    QString driver;
    QString port;
};

QString rptStatusText(const QString& format, const RptStatusValues& values);

} // namespace zamt
