#include "support/CupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

namespace zamt::test {
namespace {

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Where cups-pdf puts the PDFs of our jobs (its "Out ${HOME}/PDF").
QString pdfFolderOfUser() {
    const passwd* user = ::getpwuid(::getuid());
    return QString::fromLocal8Bit(user ? user->pw_dir : "/root") + QStringLiteral("/PDF");
}

void pointLibcupsAt(const QByteArray& server) {
    if (server.isEmpty()) {
        qunsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
    } else {
        qputenv("CUPS_SERVER", server);
        cupsSetServer(server.constData());
    }
}

} // namespace

CupsServer::CupsServer(Options options)
    : previousServer_(qgetenv("CUPS_SERVER")),
      hadServer_(qEnvironmentVariableIsSet("CUPS_SERVER")) {
    running_ = start(options);
}

bool CupsServer::start(const Options& options) {
    if (::geteuid() != 0) {
        why_ = QStringLiteral("printing tests need root to start cupsd with cups-pdf");
        return false;
    }
    const QString cupsd =
        QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
    if (cupsd.isEmpty() || !QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")) ||
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        why_ = QStringLiteral("cupsd, cups-pdf or pdftotext is missing (packages cups, "
                              "printer-driver-cups-pdf, poppler-utils)");
        return false;
    }
    const QString root = dir_.path();
    for (const char* sub : {"conf", "spool", "cache", "state", "tmp", "log"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    // The filters run as the user lp and must reach the spool and temporary
    // folders.
    const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                      QFileDevice::ExeOther;
    QFile::setPermissions(root, open);
    QFile::setPermissions(root + QStringLiteral("/tmp"),
                          open | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    const QString conf = root + QStringLiteral("/conf");
    const bool written =
        writeText(conf + QStringLiteral("/cupsd.conf"),
                  QStringLiteral("Listen %1\nLogLevel warn\nBrowsing Off\nMaxCopies %2\n"
                                 "PreserveJobFiles Yes\n"
                                 "DefaultAuthType None\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                 "  </Limit>\n</Policy>\n")
                      .arg(socket())
                      .arg(options.maxCopies)) &&
        writeText(conf + QStringLiteral("/cups-files.conf"),
                  QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                 "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                 "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                 "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                 "Sandboxing Relaxed\nSystemGroup root\n")
                      .arg(root));
    if (!written) {
        why_ = QStringLiteral("cannot write the CUPS configuration in %1").arg(root);
        return false;
    }
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), conf + "/cupsd.conf",
                         QStringLiteral("-s"), conf + "/cups-files.conf"});
    if (!cupsd_.waitForStarted(10000)) {
        why_ = QStringLiteral("cupsd does not start: %1").arg(cupsd_.errorString());
        return false;
    }
    pointLibcupsAt(QFile::encodeName(socket()));
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (cupsd_.state() != QProcess::Running) {
            why_ =
                QStringLiteral("cupsd stopped: %1").arg(QString::fromLocal8Bit(cupsd_.readAll()));
            return false;
        }
        QString out;
        if (QFile::exists(socket()) &&
            run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) &&
            out.contains(QStringLiteral("is running")))
            break;
        QThread::msleep(100);
    }
    if (deadline.hasExpired()) {
        why_ = QStringLiteral("cupsd does not answer on %1").arg(socket());
        return false;
    }
    pdfFolder_ = pdfFolderOfUser();
    createdPdfFolder_ = !QFileInfo::exists(pdfFolder_);
    before_ = QDir(pdfFolder_).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return true;
}

CupsServer::~CupsServer() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000))
            cupsd_.kill();
        cupsd_.waitForFinished(5000);
    }
    for (const QString& pdf : std::as_const(collected_))
        QFile::remove(pdf);
    if (createdPdfFolder_)
        QDir().rmdir(pdfFolder_); // only when nothing else is in it
    pointLibcupsAt(hadServer_ ? previousServer_ : QByteArray());
}

bool CupsServer::run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socket());
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        why_ = QStringLiteral("%1 does not finish").arg(program);
        process.kill();
        process.waitForFinished();
        return false;
    }
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = text;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        why_ = QStringLiteral("%1 %2: %3").arg(program, arguments.join(' '), text);
        return false;
    }
    return true;
}

bool CupsServer::addPdfQueue(const QString& name) {
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")});
}

bool CupsServer::removeQueue(const QString& name) {
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
}

bool CupsServer::setDefault(const QString& name) {
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
}

int CupsServer::completedJobs() {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_COMPLETED);
    cupsFreeJobs(count, jobs);
    return count < 0 ? 0 : count;
}

namespace {

// A text of each job the server has finished.
QStringList ofCompletedJobs(const char* (*field)(const cups_job_t&)) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_COMPLETED);
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::fromUtf8(field(jobs[i]));
    cupsFreeJobs(count, jobs);
    return texts;
}

} // namespace

QStringList CupsServer::jobTitles() {
    return ofCompletedJobs([](const cups_job_t& job) -> const char* { return job.title; });
}

QStringList CupsServer::jobQueues() {
    return ofCompletedJobs([](const cups_job_t& job) -> const char* { return job.dest; });
}

QStringList CupsServer::waitForPdfs(int count, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QStringList found;
    while (true) {
        cups_job_t* jobs = nullptr;
        const int active =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        const QFileInfoList files =
            QDir(pdfFolder_)
                .entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed);
        found.clear();
        for (const QFileInfo& file : files)
            if (!before_.contains(file.fileName()))
                found << file.absoluteFilePath();
        // cups-pdf numbers its files by job: "…-job_12.pdf".
        std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
            static const QRegularExpression job(QStringLiteral("job_(\\d+)"));
            return job.match(a).captured(1).toInt() < job.match(b).captured(1).toInt();
        });
        if ((found.size() >= count && active <= 0) || deadline.hasExpired())
            break;
        QThread::msleep(200);
    }
    // cups-pdf writes the file and then closes it; give the last one a moment.
    QThread::msleep(300);
    for (const QString& pdf : std::as_const(found))
        if (!collected_.contains(pdf))
            collected_ << pdf;
    return found;
}

QStringList CupsServer::jobDocuments() {
    QStringList documents;
    const QDir spool(dir_.file(QStringLiteral("spool")));
    for (const QString& name : spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name))
        documents << spool.filePath(name);
    return documents;
}

int CupsServer::pdfPages(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(30000);
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

QString CupsServer::pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

NoCupsServer::NoCupsServer()
    : previous_(qgetenv("CUPS_SERVER")), had_(qEnvironmentVariableIsSet("CUPS_SERVER")) {
    pointLibcupsAt(QFile::encodeName(dir_.file(QStringLiteral("no-server.sock"))));
}

NoCupsServer::~NoCupsServer() {
    pointLibcupsAt(had_ ? previous_ : QByteArray());
}

} // namespace zamt::test
