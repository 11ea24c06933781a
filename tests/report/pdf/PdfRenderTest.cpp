// Page streams converted into PDF documents, read back with poppler's tools.
#include "../stream/StreamTestSupport.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "report/pdf/TRptRenderPDF.h"
#include "support/GuiApplication.h"
#include "support/Mounts.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

// Three pages of rows, the second one landscape A4, in Cyrillic and Latin.
QByteArray threePageReport() {
    return writeStream([](TRptStreamWriter& w) {
        w.setFontName("DejaVu Sans Mono");
        w.setFontSize(10);
        for (int page = 1; page <= 3; ++page) {
            if (page == 2)
                w.setPaperSize(11.69, 8.27);
            else
                w.setPaperSize(8.27, 11.69);
            w.beginPage();
            for (int row = 1; row <= 3; ++row)
                w.text(1, 1 + 0.25 * row,
                       toCp1251(QStringLiteral("строка %1.%2 row").arg(page).arg(row)));
            w.line(1, 2, 7, 2);
            w.endPage();
        }
    });
}

void convert(const QByteArray& bytes, const QString& fileName) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TRptRenderPDF().convert(buffer, fileName);
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PdfRender : public testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }
    TempDir dir;
};

TEST_F(PdfRender, EveryStreamPageBecomesAPageOfItsPaperWithItsText) {
    const QString pdf = dir.file("report.pdf");
    convert(threePageReport(), pdf);
    if (!canRunHostTools())
        GTEST_SKIP() << kNoHostTools;
    const QString info = run("pdfinfo", {"-f", "1", "-l", "3", pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << info.toStdString();
    // 8.27 by 11.69 inches are 595.44 by 841.68 points.
    EXPECT_TRUE(info.contains(QRegularExpression("Page\\s+1 size:\\s+595.44 x 841.68")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page\\s+2 size:\\s+841.68 x 595.44")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page\\s+3 size:\\s+595.44 x 841.68")))
        << info.toStdString();

    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    QStringList rows;
    for (const QString& line : text.split('\n'))
        if (!line.trimmed().isEmpty())
            rows << line.trimmed();
    QStringList expected;
    for (int page = 1; page <= 3; ++page)
        for (int row = 1; row <= 3; ++row)
            expected << QStringLiteral("строка %1.%2 row").arg(page).arg(row);
    EXPECT_EQ(rows, expected) << text.toStdString();
    // The fonts travel with the document.
    const QString fonts = run("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains("DejaVuSansMono")) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains(QRegularExpression(" no +(yes|no) +(yes|no) +\\d+")))
        << fonts.toStdString();
}

TEST_F(PdfRender, ADamagedStreamGivesTheReadersMessageAndNoFile) {
    QByteArray damaged = threePageReport();
    damaged.truncate(damaged.size() - 5);
    const QString pdf = dir.file("report.pdf");
    EXPECT_EQ(errorOf([&] { convert(damaged, pdf); }), "Stream read error");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
}

TEST_F(PdfRender, AReadOnlyFolderGivesAClearErrorAndNoFile) {
    TmpfsMount disk(1 << 20, TmpfsMount::Mode::ReadOnly);
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString pdf = disk.file("report.pdf");
    EXPECT_EQ(errorOf([&] { convert(threePageReport(), pdf); }),
              ("Cannot create file \"" + pdf + "\". Read-only file system").toStdString());
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
}

TEST_F(PdfRender, AFullDiskGivesAClearErrorAndLeavesTheOldFile) {
    TmpfsMount disk(16 << 10);
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString pdf = disk.file("report.pdf");
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    // Enough rows that the document cannot fit into 16 KiB.
    const QByteArray big = writeStream([](TRptStreamWriter& w) {
        for (int page = 0; page < 40; ++page) {
            w.beginPage();
            for (int row = 0; row < 50; ++row)
                w.text(1, 1 + 0.2 * row, "row " + std::to_string(page * 50 + row));
            w.endPage();
        }
    });
    EXPECT_EQ(errorOf([&] { convert(big, pdf); }),
              ("Cannot write file \"" + pdf + "\". No space left on device").toStdString());
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"report.pdf"});
    EXPECT_EQ(readFile(pdf), "old");
}

TEST_F(PdfRender, RpsdumpConvertsASnapshotFileAndRefusesADamagedOne) {
    const QString good = dir.write("good.rps", threePageReport());
    QByteArray damagedBytes = threePageReport();
    damagedBytes[0] = 'X';
    const QString damaged = dir.write("damaged.rps", damagedBytes);
    QProcess process;
    process.start(RPSDUMP_PATH, {"--pdf", dir.file("good.pdf"), good});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    if (canRunHostTools())
        EXPECT_TRUE(
            run("pdfinfo", {dir.file("good.pdf")}).contains(QRegularExpression("Pages:\\s+3")));
    process.start(RPSDUMP_PATH, {"--pdf", dir.file("bad.pdf"), damaged});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    // The message is the last line, after whatever the window system says.
    EXPECT_EQ(process.readAllStandardError().trimmed().split('\n').last().trimmed(),
              "Unexpected header code [88] found in report file.");
    EXPECT_FALSE(QFile::exists(dir.file("bad.pdf")));
}

} // namespace
} // namespace zamt::test
