#pragma once
// A CUPS server of the test's own: cupsd with its own configuration folder,
// spool and socket, which the test process prints to through CUPS_SERVER,
// so the system's printer set-up is never touched. Queues are cups-pdf
// printers; their PDFs are read back with pdftotext. Needs root (cups-pdf's
// backend runs only as root) and the packages cups, printer-driver-cups-pdf
// and poppler-utils; without them running() is false and why() says so.
//
//   CupsServer cups;
//   if (!cups.running()) GTEST_SKIP() << cups.why().toStdString();
//   cups.addPdfQueue("pdf"); cups.setDefault("pdf");
//   ... print a job titled "zamtT1" ...
//   QStringList pdfs = cups.waitForPdfs("zamtT1", 1);
//   CupsServer::pdfText(pdfs[0]);
#include "support/TempDir.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace zamt::test {

class CupsServer {
public:
    struct Options {
        int maxCopies = 9999; // copies one job may ask for
    };
    CupsServer() : CupsServer(Options{}) {}
    explicit CupsServer(Options options);
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    bool running() const { return running_; }
    QString why() const { return why_; }
    QString socket() const { return dir_.file(QStringLiteral("cups.sock")); }

    // lpadmin on this server; false when it fails (the reason in why()).
    bool addPdfQueue(const QString& name);
    bool removeQueue(const QString& name);
    bool setDefault(const QString& name);

    // Waits until `count` PDFs of jobs whose title begins with `title` are
    // complete, and returns them oldest first (fewer after the timeout).
    QStringList waitForPdfs(const QString& title, int count, int timeoutMs = 60000);
    // The number of jobs the server has finished.
    int completedJobs();
    static QString pdfText(const QString& pdf);

private:
    bool start(const Options& options);
    bool run(const QString& program, const QStringList& arguments, QString* output = nullptr);

    TempDir dir_;
    QProcess cupsd_;
    bool running_ = false;
    QString why_;
    QString pdfFolder_;
    bool createdPdfFolder_ = false;
    QStringList collected_;
    QByteArray previousServer_;
    bool hadServer_ = false;
};

// Points the test process at a CUPS server that is not there, so it sees
// no printers whatever the machine has; puts back the previous server.
class NoCupsServer {
public:
    NoCupsServer();
    ~NoCupsServer();

private:
    TempDir dir_;
    QByteArray previous_;
    bool had_;
};

} // namespace zamt::test
