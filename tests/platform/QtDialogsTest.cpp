// The file dialogs' filters as Qt's file dialog takes them.
#include "platform/QtDialogs.h"

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

} // namespace
} // namespace zamt
