// What every window shares: captions that fit their boxes, one font for the
// menu bar and its menus, the program's icon everywhere.
#include "app/CreateForms.h"
#include "app/TForm1.h"
#include "app/TForm6.h"
#include "measure/TForm2.h"
#include "measure/TForm3.h"
#include "measure/TForm9.h"
#include "look/WindowFonts.h"
#include "platform/QtTranslations.h"
#include "report/windows/TRptSetupForm.h"
#include "report/windows/TRptStatusForm.h"
#include "support/CaptionFit.h"
#include "support/GuiHelpers.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace zamt {
namespace {

// Whether the system has the face itself, without a stand-in.
bool hasOwnFace(const char* face) {
    return QFontDatabase::families().contains(QString::fromLatin1(face));
}

class WindowLookTest : public testing::Test {
protected:
    void SetUp() override { createForms(); }
    void TearDown() override { destroyForms(); }
};

TEST_F(WindowLookTest, EveryCaptionFitsItsBox) {
    if (test::runningUnderWine() && hasOwnFace("MS Sans Serif"))
        GTEST_SKIP() << "the layouts are measured for Windows' own MS Sans Serif; Wine's is wider";
    TRptSetupForm setup;
    TRptStatusForm status;
    const struct {
        QWidget* window;
        const char* layout;
    } windows[] = {
        {Form1, "src/app/TForm1.ui"},
        {form2(), "src/measure/TForm2.ui"},
        {form3(), "src/measure/TForm3.ui"},
        {form6(), "src/app/TForm6.ui"},
        {form9(), "src/measure/TForm9.ui"},
        {&setup, "src/report/windows/TRptSetupForm.ui"},
        {&status, "src/report/windows/TRptStatusForm.ui"},
    };
    for (const auto& w : windows) {
        const QStringList faults =
            test::captionsThatDoNotFit(w.window, test::sourceDir() + "/" + w.layout);
        EXPECT_TRUE(faults.isEmpty()) << w.layout << ":\n" << faults.join('\n').toStdString();
    }
}

TEST_F(WindowLookTest, EveryEditBoxAndPictureButtonIsAnnouncedByItsCaption) {
    const struct {
        QWidget* window;
        const char* widget;
        const char* name;
    } cases[] = {
        {form2(), "Edit1", "наименование объекта"},
        {form2(), "Edit2", "внутренний диаметр трубопровода в мм"},
        {form2(), "Edit3", "толщина  стенки трубопровода в мм"},
        {form2(), "Edit4", "толщина отложений на стенках в мм"},
        {form2(), "Edit5", "угол между осью трубы и акустическим каналом в градусах"},
        {form2(), "Edit6", "смещение оси акустичекого канала от оси трубопровода в мм"},
        {form3(), "Edit1", "температура воды в град"},
        {form3(), "Edit2",
         "вязкость жидкости (в 10Е-6  м2/сек) здесь указана для воды при t = 10 град Цельсия"},
        {form3(), "Edit3",
         "коеффициент шероховатости берется из таблицы 9 стр.26 методики поверки "
         "TQX340.000.00 И2 (здесь указана б/у труба в хорошем состоянии)"},
        {form3(), "Edit4",
         "коеффициент Кгн находят по значению коеффициента ламбда и числу Рейнольдса "
         "минимальному по таблице 7стр.39. Чтобы узнать лямбда - нажмите \"считаем?\""},
        {form3(), "SpeedButton1", "график с рис.7 таблицы для Кгн"},
    };
    for (const auto& c : cases) {
        QWidget* widget = test::child(c.window, c.widget);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << c.widget;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(c.name))
            << c.window->objectName().toStdString() << " " << c.widget;
    }
}

// The faces of the project's machines (fonts-liberation, fonts-dejavu-core)
// stand in for the Windows ones; on Windows the faces are the system's own.
TEST(WindowFonts, EachWindowsFaceHasItsStandIn) {
    const struct {
        const char* face;
        int pixels;
        const char* shown;
        bool bold;
    } cases[] = {
        {"MS Sans Serif", 11, "Liberation Sans Narrow", false},
        {"System", 13, "Liberation Sans", true},
        {"Arial", 11, "Liberation Sans", false},
        {"DejaVu Sans", 12, "DejaVu Sans", false}, // a face of this system as it is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.face << " " << c.pixels);
        const QFont font = windowFont(QString::fromLatin1(c.face), c.pixels);
        EXPECT_EQ(font.family(), QString::fromLatin1(c.face)); // as the layouts name it
        const QFontInfo shown(font);
        EXPECT_EQ(shown.family(), QString::fromLatin1(hasOwnFace(c.face) ? c.face : c.shown));
        EXPECT_EQ(shown.pixelSize(), c.pixels);
        EXPECT_EQ(shown.bold(), c.bold);
    }
    // The layouts' own fonts name the face in points.
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("MS Sans Serif"), 8)).family(),
              hasOwnFace("MS Sans Serif") ? QStringLiteral("MS Sans Serif")
                                          : QStringLiteral("Liberation Sans Narrow"));
}

TEST_F(WindowLookTest, MenusUseTheMenuBarsFont) {
    auto* bar = test::child<QMenuBar>(Form1, "MainMenu1");
    for (const char* name : {"zamt1", "zap1", "help1"}) {
        auto* menu = test::child<QMenu>(Form1, name);
        EXPECT_EQ(QFontInfo(menu->font()).family(), QFontInfo(bar->font()).family()) << name;
        EXPECT_EQ(QFontInfo(menu->font()).pixelSize(), QFontInfo(bar->font()).pixelSize()) << name;
    }
}

TEST_F(WindowLookTest, TheTapIsTheIconOfTheProgramAndOfEveryWindow) {
    const QImage tap = QApplication::windowIcon().pixmap(32, 32).toImage();
    ASSERT_FALSE(tap.isNull());
    for (QWidget* window : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(form2()),
                            static_cast<QWidget*>(form3()), static_cast<QWidget*>(form9())})
        EXPECT_EQ(window->windowIcon().pixmap(32, 32).toImage(), tap)
            << window->objectName().toStdString();
    // A window without an icon of its own, like a message box without a
    // parent, shows the program's.
    QWidget orphan;
    EXPECT_EQ(orphan.windowIcon().pixmap(32, 32).toImage(), tap);
}

TEST(QtTranslationsTest, QtsOwnButtonsSpeakTheUsersLanguage) {
    ASSERT_TRUE(installQtTranslations(QLocale(QLocale::Russian, QLocale::Russia)))
        << "Qt's Russian translation (qt6-translations-l10n) is missing";
    QMessageBox box(QMessageBox::NoIcon, "zamt05", "text", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("Отмена"));
    // English has no translation file: Qt's own texts again.
    EXPECT_FALSE(installQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    QMessageBox english(QMessageBox::NoIcon, "zamt05", "text", QMessageBox::Cancel);
    EXPECT_EQ(english.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
}

} // namespace
} // namespace zamt
