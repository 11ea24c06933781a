// The yardstick for start-up: a bare Qt main window of the program's size
// with the same menu bar, shown, then quit.
#include "../common/QuitWhenShown.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(353, 305);
    QMenu* calculations = window.menuBar()->addMenu(QString::fromUtf8("вычисления"));
    calculations->addAction(QString::fromUtf8("геомерич.измерения"));
    calculations->addAction(QString::fromUtf8("гидравлич.измерения"));
    window.menuBar()
        ->addMenu(QString::fromUtf8("паспорт"))
        ->addAction(QString::fromUtf8("создание отчета"));
    QMenu* help = window.menuBar()->addMenu(QString::fromUtf8("помощь"));
    help->addAction(QStringLiteral("About"));
    help->addAction(QString::fromUtf8("как работает программа"));
    zamt::bench::quitWhenShown(window);
    window.show();
    return QApplication::exec();
}
