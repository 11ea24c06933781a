#pragma once
// A CUPS server of the test's own: cupsd with its own configuration folder,
// spool and socket, which the test process prints to through CUPS_SERVER,
// so the system's printer set-up is never touched. Queues are cups-pdf
// printers. The server keeps every job's document as the program sent it
// (a PDF from Qt), which pdftotext reads back; cups-pdf's own PDFs lose the
// text's characters on their way through PostScript, so of those the pages
// are counted. Needs root (cups-pdf's
// backend runs only as root) and the packages cups, printer-driver-cups-pdf
// and poppler-utils; without them running() is false and why() says so.
//
//   CupsServer cups;
//   if (!cups.running()) GTEST_SKIP() << cups.why().toStdString();
//   cups.addPdfQueue("pdf"); cups.setDefault("pdf");
//   ... print ...
//   QStringList pdfs = cups.waitForPdfs(1);  // cups-pdf's PDFs of this server's jobs
//   CupsServer::pdfPages(pdfs[0]); CupsServer::pdfText(cups.jobDocuments()[0]);
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

    // Waits until the server has no job left to do and cups-pdf has written
    // at least `count` PDFs since the server started; returns them oldest
    // first (fewer after the timeout).
    QStringList waitForPdfs(int count, int timeoutMs = 60000);
    // The number and the titles of the jobs the server has finished.
    int completedJobs();
    QStringList jobTitles();
    // The queue of each finished job.
    QStringList jobQueues();
    // The documents of the jobs as the server received them, by job.
    QStringList jobDocuments();
    static QString pdfText(const QString& pdf);
    static int pdfPages(const QString& pdf);

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
    QStringList before_; // PDFs in the folder when the server started
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
