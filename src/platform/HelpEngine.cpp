#include "platform/HelpEngine.h"

#include "platform/HelpFile.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zamt {
namespace {

void reportHelpProblem(const QString& text) {
    messageBoxes().show({BoxKind::Warning, QStringLiteral("Help"), text});
}

// One help window for the run, reused for every request, like the system's.
QDialog* helpWindow(QWidget* owner) {
    static QPointer<QDialog> window;
    if (window.isNull()) {
        window = new QDialog(owner, Qt::Window);
        window->setObjectName(QStringLiteral("HelpWindow"));
        // Wide enough for the help file's lines of up to 80 characters.
        window->resize(720, 540);
        auto* layout = new QVBoxLayout(window);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName(QStringLiteral("HelpText"));
        layout->addWidget(browser);
    }
    return window;
}

} // namespace

void showHelpContext(QWidget* owner, const QString& fileName, int context) {
    const QString path =
        locateHelpFile(fileName, QDir::currentPath(), QCoreApplication::applicationDirPath());
    if (path.isEmpty()) {
        reportHelpProblem(QStringLiteral("Cannot find the help file \"%1\".").arg(fileName));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportHelpProblem(
            QStringLiteral("Cannot open the help file \"%1\". %2").arg(path, file.errorString()));
        return;
    }
    const auto topic = HelpFile::parse(file.readAll()).topic(context);
    if (!topic) {
        reportHelpProblem(
            QStringLiteral("The help file \"%1\" has no topic %2.").arg(path).arg(context));
        return;
    }
    QDialog* window = helpWindow(owner);
    window->setWindowTitle(topic->title);
    window->findChild<QTextBrowser*>()->setPlainText(topic->body);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace zamt
