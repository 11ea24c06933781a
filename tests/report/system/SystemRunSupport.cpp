#include "SystemRunSupport.h"

#include "platform/PrivateFolder.h"
#include "support/SystemDifferences.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptStreamReader.h"
#include "report/stream/TRptStreamWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>

namespace zamt::test {

TRptWriterEvent pagesProducer(int pages, int* produced) {
    return [pages, produced](TRptStreamWriter& writer) {
        for (int n = 1; n <= pages && !writer.aborted(); ++n) {
            writer.beginPage();
            writer.text(1.0, 1.0, "page " + std::to_string(n));
            writer.endPage();
            if (produced)
                *produced = n;
        }
    };
}

void HookLog::attach(TRptSystem& system) {
    static const char* const Modes[] = {"omCreate", "omShow", "omWait", "omFree"};
    auto hook = [this](const char* window, auto HookLog::*extra) {
        return [this, window, extra](TRptSystem& s, TOverrideMode mode, QObject*&) {
            steps.push_back(std::string(window) + " " + Modes[int(mode)]);
            if (this->*extra)
                (this->*extra)(s, mode);
        };
    };
    system.OverrideSetup = hook("setup", &HookLog::onSetup);
    system.OverrideStatus = hook("status", &HookLog::onStatus);
    system.OverridePreview = hook("preview", &HookLog::onPreview);
}

PrivateTempFolder::PrivateTempFolder()
    : previous_(qgetenv(temporaryFolderVariable())),
      hadPrevious_(qEnvironmentVariableIsSet(temporaryFolderVariable())) {
    qputenv(temporaryFolderVariable(), QFile::encodeName(dir_.path()));
}

PrivateTempFolder::~PrivateTempFolder() {
    if (hadPrevious_)
        qputenv(temporaryFolderVariable(), previous_);
    else
        qunsetenv(temporaryFolderVariable());
}

QStringList PrivateTempFolder::pageFiles() const { return pageFilesUnder(dir_.path()); }

std::string instanceFolderIn(const QString& temp) {
    return QStringLiteral("%1/zamt05-%2/%3")
        .arg(temp)
        .arg(userIdText())
        .arg(QCoreApplication::applicationPid())
        .toStdString();
}

QStringList pageFilesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("RPT*")}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    return files;
}

namespace {

class PageTexts : public TRptRender {
public:
    std::vector<std::string> pages;
    void beginPage(const RptPageInfo& page) override {
        pages.push_back(std::to_string(page.number) + ":");
        first_ = true;
    }
    void text(const RptText& text) override {
        if (first_ && !pages.empty())
            pages.back() += text.raw;
        first_ = false;
    }

private:
    bool first_ = false;
};

class AllTexts : public TRptRender {
public:
    std::vector<std::string> texts;
    void text(const RptText& text) override { texts.push_back(text.raw); }
};

void replay(const QByteArray& stream, TRptRender& render) {
    QBuffer buffer;
    buffer.setData(stream);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    reader.replayAll(render);
}

} // namespace

std::vector<std::string> pagesOf(const QByteArray& stream) {
    PageTexts texts;
    replay(stream, texts);
    return texts.pages;
}

std::vector<std::string> textsOf(const QByteArray& stream) {
    AllTexts all;
    replay(stream, all);
    return all.texts;
}

} // namespace zamt::test
