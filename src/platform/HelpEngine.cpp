#include "platform/HelpEngine.h"

#include "platform/HelpFile.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace zamt {
namespace {

void reportHelpProblem(const QString& text) {
    messageBoxes().show({BoxKind::Warning, QStringLiteral("Help"), text});
}

// Placed by its frame like the program's other windows, wide enough for the
// help file's lines of up to 80 characters, and never larger than the
// screen, so that its whole frame (title bar too) is on it.
void placeHelpWindow(QWidget* window) {
    const QRect screen = window->screen()->availableGeometry();
    const QPoint at = screen.topLeft() + QPoint(192, 107);
    const int frameAllowance = 40; // title bar and borders of a window manager
    window->resize(std::min(720, screen.right() - at.x() - frameAllowance),
                   std::min(540, screen.bottom() - at.y() - frameAllowance));
    window->move(at);
}

// One help window for the run, reused for every request, like the system's.
QDialog* helpWindow(QWidget* owner) {
    static QPointer<QDialog> window;
    if (window.isNull()) {
        window = new QDialog(owner, Qt::Window);
        window->setObjectName(QStringLiteral("HelpWindow"));
        placeHelpWindow(window);
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
