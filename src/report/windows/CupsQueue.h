#pragma once
// What Qt does not tell of a CUPS queue, asked of the CUPS server.
#include <QString>

namespace zamt {

struct CupsQueueInfo {
    bool found = false;
    QString deviceUri; // where the queue sends its jobs ("device-uri")
    int maxCopies = 1; // the upper end of "copies-supported"
};

// The queue of that name on the server the program prints to (CUPS_SERVER
// or the system's); a queue the server does not know gives the defaults.
CupsQueueInfo cupsQueueInfo(const QString& queue);

} // namespace zamt
