// The file dialogs' filters as Qt's file dialog takes them, and the real
// save dialog answering a name typed without an extension.
#include "platform/QtDialogs.h"

#include "support/GuiHelpers.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zamt {
namespace {

TEST(QtDialogs, FiltersShowEachPatternOnce) {
    const struct {
        const char* filter;
        const char* expected;
    } cases[] = {
        {"Текстовые файлы|*.txt", "Текстовые файлы (*.txt)"},
        {"Report Snapshot Files (*.rps)|*.rps|All Files|*.*",
         "Report Snapshot Files (*.rps);;All Files (*.*)"},
        {"Report Snapshot File (RPS)|*.RPS|Native Printer Output (PRN)|*.PRN",
         "Report Snapshot File (RPS) (*.RPS);;Native Printer Output (PRN) (*.PRN)"},
        {"Pictures|*.bmp;*.ico", "Pictures (*.bmp *.ico)"},
        {"No pattern", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(qtNameFilter(QString::fromUtf8(c.filter)), QString::fromUtf8(c.expected));
    }
}

// The user picks the filter at `choose` (from 1; 0 keeps the preselected
// one), types "passport" and presses Enter.
TEST(QtDialogs, ANameWithoutExtensionGetsTheSelectedFiltersOne) {
    const QString previewFilter =
        QStringLiteral("Report Snapshot Files (*.rps)|*.rps|PDF Document (PDF)|*.pdf");
    const struct {
        const char* filter;
        int preselected;
        int choose;
        const char* defaultExtension;
        const char* named;
        int index;
    } cases[] = {
        {"", 1, 0, ".rps", "passport.rps", 1},
        {"", 1, 2, ".rps", "passport.pdf", 2},
        {"", 2, 0, ".rps", "passport.pdf", 2},
        {"", 2, 1, ".rps", "passport.rps", 1},
        {"Report Snapshot Files (*.rps)|*.rps|All Files|*.*", 1, 2, ".rps", "passport.rps", 2},
        {"Report Snapshot File (RPS)|*.RPS|PDF Document (PDF)|*.pdf", 1, 2, "", "passport", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.preselected << " then " << c.choose);
        test::TempDir dir;
        SaveFileRequest request;
        request.filter = *c.filter ? QString::fromUtf8(c.filter) : previewFilter;
        request.filterIndex = c.preselected;
        request.defaultExtension = QString::fromUtf8(c.defaultExtension);
        request.fileName = dir.file(QStringLiteral("old"));
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answered = true;
            if (c.choose > 0) {
                auto* types = test::child<QComboBox>(dialog, "fileTypeCombo");
                test::focus(types);
                const Qt::Key key =
                    c.choose > types->currentIndex() + 1 ? Qt::Key_Down : Qt::Key_Up;
                while (types->currentIndex() + 1 != c.choose)
                    QTest::keyClick(types, key);
            }
            auto* name = test::child<QLineEdit>(dialog, "fileNameEdit");
            name->selectAll();
            test::focus(name);
            QTest::keyClicks(name, QStringLiteral("passport"));
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        const std::optional<SaveFileAnswer> answer = QtDialogs().saveFile(nullptr, request);
        EXPECT_TRUE(answered);
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->fileName.toStdString(),
                  dir.file(QString::fromUtf8(c.named)).toStdString());
        EXPECT_EQ(answer->filterIndex, c.index);
    }
}

} // namespace
} // namespace zamt
