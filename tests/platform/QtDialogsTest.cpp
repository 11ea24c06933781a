// The file dialogs' filters as Qt's file dialog takes them, and the real
// save dialog answering a name typed without an extension.
#include "platform/QtDialogs.h"

#include "support/GuiHelpers.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
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

// The real save dialog: the user moves `down` filters from the preselected
// one, types "passport" and presses Enter.
TEST(QtDialogs, ANameWithoutExtensionGetsTheSelectedFiltersOne) {
    const struct {
        const char* filter;
        int preselected, down;
        const char* defaultExtension;
        const char* named;
    } cases[] = {
        {"Snapshot (*.rps)|*.rps|PDF Document (PDF)|*.pdf", 1, 0, ".rps", "passport.rps"},
        {"Snapshot (*.rps)|*.rps|PDF Document (PDF)|*.pdf", 1, 1, ".rps", "passport.pdf"},
        {"Snapshot (*.rps)|*.rps|PDF Document (PDF)|*.pdf", 2, 0, ".rps", "passport.pdf"},
        {"Snapshot (*.rps)|*.rps|All Files|*.*", 1, 1, ".rps", "passport.rps"},
        {"Snapshot (RPS)|*.RPS|PDF Document (PDF)|*.pdf", 1, 1, "", "passport"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const SaveFileRequest request{.filter = c.filter,
                                      .filterIndex = c.preselected,
                                      .defaultExtension = c.defaultExtension,
                                      .fileName = dir.file("old")};
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* types = test::child<QComboBox>(dialog, "fileTypeCombo");
            test::focus(types);
            for (int i = 0; i < c.down; ++i)
                QTest::keyClick(types, Qt::Key_Down);
            auto* name = test::child<QLineEdit>(dialog, "fileNameEdit");
            name->clear();
            test::focus(name);
            QTest::keyClicks(name, "passport");
            QTest::keyClick(name, Qt::Key_Return);
        });
        const std::optional<SaveFileAnswer> answer = QtDialogs().saveFile(nullptr, request);
        ASSERT_TRUE(answer.has_value()) << c.named;
        EXPECT_EQ(answer->fileName.toStdString(), dir.file(c.named).toStdString());
        EXPECT_EQ(answer->filterIndex, c.preselected + c.down) << c.named;
    }
}

} // namespace
} // namespace zamt
