#include "support/CupsServer.h"

// Windows prints through its own printers: there is no CUPS server to start,
// and the tests that need one skip, saying so.
namespace zamt::test {

CupsServer::CupsServer(Options) {
    why_ = QStringLiteral("CUPS is Linux's printing system; Windows prints through its own printers");
}
CupsServer::~CupsServer() = default;

bool CupsServer::addPdfQueue(const QString&) { return false; }
bool CupsServer::removeQueue(const QString&) { return false; }
bool CupsServer::setDefault(const QString&) { return false; }
QStringList CupsServer::waitForPdfs(int, int) { return {}; }
int CupsServer::completedJobs() { return 0; }
QStringList CupsServer::jobTitles() { return {}; }
QStringList CupsServer::jobQueues() { return {}; }
QStringList CupsServer::jobDocuments() { return {}; }
QString CupsServer::pdfText(const QString&) { return {}; }
int CupsServer::pdfPages(const QString&) { return 0; }

// The Wine prefix of the tests has no printers of its own.
NoCupsServer::NoCupsServer() : had_(false) {}
NoCupsServer::~NoCupsServer() = default;

} // namespace zamt::test
