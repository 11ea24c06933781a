#include "SystemRunSupport.h"
#include "platform/AppError.h"
#include "report/stream/TRptStreamReader.h"
#include "report/stream/TRptStreamWriter.h"
#include "report/system/TRptRenderFile.h"
#include "support/ErrorOf.h"
#include "support/Mounts.h"
#include "support/ScriptedServices.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

using Steps = std::vector<std::string>;

const Steps SetupSteps{"setup omCreate", "setup omShow", "setup omWait", "setup omFree"};
const Steps StatusSteps{"status omCreate", "status omShow", "status omFree"};
const Steps PreviewSteps{"preview omCreate", "preview omShow", "preview omWait", "preview omFree"};

Steps join(std::initializer_list<Steps> parts) {
    Steps all;
    for (const Steps& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A run with the program's per-run values and recording hooks.
struct ReportRun {
    PrivateTempFolder temp;
    ScriptedServices services;
    TRptSystem system;
    HookLog log;
    int produced = 0;
    QByteArray previewed; // the page stream as the preview got it
    QString previewedFile;

    explicit ReportRun(int pages) {
        system.configureForRun({.title = "T"});
        system.OnPrint = pagesProducer(pages, &produced);
        log.attach(system);
        log.onPreview = [this](TRptSystem& s, TOverrideMode mode) {
            if (mode != TOverrideMode::omShow)
                return;
            previewedFile = s.SystemFiler.FileName;
            if (!previewedFile.isEmpty())
                previewed = readFile(previewedFile);
            else if (s.SystemFiler.Stream && s.SystemFiler.Stream->seek(0))
                previewed = s.SystemFiler.Stream->readAll();
        };
    }
    // The set-up window's choice of a file destination.
    void chooseFile(const QString& name, bool native = false) {
        log.onSetup = [name, native](TRptSystem& s, TOverrideMode mode) {
            if (mode != TOverrideMode::omShow)
                return;
            s.ReportDest = TReportDest::rdFile;
            s.OutputFileName = name;
            s.DoNativeOutput = native;
        };
    }
    // Status texts, as a status window's label would get them.
    std::vector<std::string> statusTexts;
    void watchStatus(std::function<void(TRptStreamWriter&)> onPage = {}) {
        log.onStatus = [this, onPage](TRptSystem& s, TOverrideMode mode) {
            if (mode != TOverrideMode::omShow)
                return;
            TRptStreamWriter* writer = s.writer();
            ASSERT_NE(writer, nullptr) << "the writer exists while the status window shows";
            writer->setStatusSink([this, writer, onPage](const QString& text) {
                statusTexts.push_back(text.toStdString());
                if (onPage)
                    onPage(*writer);
            });
        };
    }
};

TEST(SystemRun, RunsSetupStatusAndPreviewInOrderAndRemovesThePageFile) {
    ReportRun run(3);
    run.system.Execute();
    EXPECT_FALSE(run.system.Cancelled);
    EXPECT_EQ(run.log.steps, join({SetupSteps, StatusSteps, PreviewSteps}));
    EXPECT_TRUE(QFileInfo(run.previewedFile).fileName().startsWith("RPT"));
    EXPECT_EQ(QFileInfo(run.previewedFile).absolutePath().toStdString(),
              instanceFolderIn(run.temp.path()));
    EXPECT_EQ(pagesOf(run.previewed), (Steps{"1:page 1", "2:page 2", "3:page 3"}));
    EXPECT_TRUE(run.temp.pageFiles().isEmpty()) << run.temp.pageFiles().join(' ').toStdString();
}

TEST(SystemRun, WithoutAllowSetupTheSetupWindowIsNotShown) {
    ReportRun run(1);
    run.system.SystemSetups -= TSystemSetup::ssAllowSetup;
    run.system.Execute();
    EXPECT_EQ(run.log.steps, join({StatusSteps, PreviewSteps}));
}

TEST(SystemRun, CancelledSetupGeneratesNothing) {
    ReportRun run(3);
    run.log.onSetup = [](TRptSystem& s, TOverrideMode mode) {
        if (mode == TOverrideMode::omShow)
            s.Cancelled = true;
    };
    run.system.Execute();
    EXPECT_TRUE(run.system.Cancelled);
    EXPECT_EQ(run.log.steps, SetupSteps);
    EXPECT_EQ(run.produced, 0);
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST(SystemRun, WindowsAreFreedWhenAnErrorEscapes) {
    struct Case {
        const char* what;
        std::function<void(ReportRun&)> arrange;
        Steps steps;
    };
    const Case cases[] = {
        {"set-up shows",
         [](ReportRun& r) {
             r.log.onSetup = [](TRptSystem&, TOverrideMode m) {
                 if (m == TOverrideMode::omShow)
                     throw AppError("boom");
             };
         },
         {"setup omCreate", "setup omShow", "setup omFree"}},
        {"producer",
         [](ReportRun& r) { r.system.OnPrint = [](TRptStreamWriter&) { throw AppError("boom"); }; },
         join({SetupSteps, StatusSteps})},
        {"preview shows",
         [](ReportRun& r) {
             r.log.onPreview = [](TRptSystem&, TOverrideMode m) {
                 if (m == TOverrideMode::omShow)
                     throw AppError("boom");
             };
         },
         join({SetupSteps, StatusSteps, {"preview omCreate", "preview omShow", "preview omFree"}})},
    };
    for (const Case& c : cases) {
        ReportRun run(2);
        c.arrange(run);
        EXPECT_EQ(errorOf([&] { run.system.Execute(); }), "boom") << c.what;
        EXPECT_EQ(run.log.steps, c.steps) << c.what;
        EXPECT_EQ(run.system.writer(), nullptr);
        EXPECT_TRUE(run.temp.pageFiles().isEmpty()) << c.what;
    }
}

TEST(SystemRun, StatusWindowCountsThePages) {
    ReportRun run(3);
    run.watchStatus();
    run.system.Execute();
    EXPECT_EQ(run.statusTexts,
              (Steps{"Generating page 1", "Generating page 2", "Generating page 3"}));

    ReportRun single(1);
    single.watchStatus();
    single.system.Execute();
    EXPECT_EQ(single.statusTexts, Steps{"Generating page 1"});
}

TEST(SystemRun, StatusTextUsesTheFilersLinesAndThePreviewDevice) {
    ReportRun run(1);
    run.system.SystemFiler.StatusFormat = QStringLiteral("%0|%3|%1 %D %R %T %f-%l %%%Z%");
    run.system.SystemFiler.StatusText = {QStringLiteral("first"), QStringLiteral("second")};
    run.watchStatus();
    run.system.Execute();
    EXPECT_EQ(run.statusTexts, Steps{"first||second Preview Preview Screen 1-9999 %<ERROR-%Z>%"});
}

TEST(SystemRun, PagesAboveTheLastPageAreNotOutput) {
    ReportRun run(10001);
    run.system.Execute();
    const std::vector<std::string> pages = pagesOf(run.previewed);
    ASSERT_EQ(pages.size(), 9999u);
    EXPECT_EQ(pages.back(), "9999:page 9999");
    EXPECT_EQ(run.produced, 10001);
}

TEST(SystemRun, CancelDuringGenerationEndsTheRunWithoutOutput) {
    ReportRun run(5);
    run.watchStatus([](TRptStreamWriter& writer) {
        if (writer.currentPage() == 2)
            writer.abort(); // the status window's Cancel
    });
    run.system.Execute();
    EXPECT_TRUE(run.system.Cancelled);
    EXPECT_EQ(run.produced, 2) << "the producer stops when the run is aborted";
    EXPECT_EQ(run.log.steps, join({SetupSteps, StatusSteps}));
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST(SystemRun, SnapshotFileHoldsThePageStream) {
    ReportRun run(2);
    TempDir out;
    run.chooseFile(out.file("report.rps"));
    run.system.Execute();
    EXPECT_FALSE(run.system.Cancelled);
    EXPECT_EQ(run.log.steps, join({SetupSteps, StatusSteps}));
    EXPECT_EQ(pagesOf(readFile(out.file("report.rps"))), (Steps{"1:page 1", "2:page 2"}));
    EXPECT_EQ(run.system.SystemFiler.FileName, out.file("report.rps"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.rps"});
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST(SystemRun, CancelledSnapshotLeavesThePreviousFile) {
    ReportRun run(4);
    TempDir out;
    const QString name = out.write("report.rps", "previous");
    run.chooseFile(name);
    run.watchStatus([](TRptStreamWriter& writer) { writer.abort(); });
    run.system.Execute();
    EXPECT_TRUE(run.system.Cancelled);
    EXPECT_EQ(readFile(name), "previous");
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.rps"});
}

TEST(SystemRun, SnapshotIntoAReadOnlyFolderFailsCleanly) {
    TmpfsMount folder(1 << 20, TmpfsMount::Mode::ReadOnly);
    if (!folder.mounted())
        GTEST_SKIP() << folder.why().toStdString();
    ReportRun run(2);
    run.chooseFile(folder.file("report.rps"));
    EXPECT_EQ(errorOf([&] { run.system.Execute(); }), "Cannot create file \"" +
                                                          folder.file("report.rps").toStdString() +
                                                          "\". Read-only file system");
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
    EXPECT_EQ(run.log.steps, join({SetupSteps, {"status omCreate", "status omFree"}}));
}

// Pages with enough text to fill a small disk.
TRptWriterEvent bulkyPages(int pages) {
    return [pages](TRptStreamWriter& writer) {
        const std::string text(8000, 'x');
        for (int n = 1; n <= pages && !writer.aborted(); ++n) {
            writer.beginPage();
            for (int i = 0; i < 4; ++i)
                writer.text(1, 1 + i, text.substr(0, 8000 - i));
            writer.endPage();
        }
    };
}

TEST(SystemRun, SnapshotOnAFullDiskFailsCleanly) {
    TmpfsMount disk(256 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    ReportRun run(0);
    run.system.OnPrint = bulkyPages(40);
    run.chooseFile(disk.file("report.rps"));
    EXPECT_EQ(errorOf([&] { run.system.Execute(); }), "Cannot write file \"" +
                                                          disk.file("report.rps").toStdString() +
                                                          "\". No space left on device");
    EXPECT_TRUE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST(SystemRun, PageFileOnAFullDiskFailsCleanly) {
    TmpfsMount disk(256 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    ScriptedServices services;
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(disk.path()));
    TRptSystem system;
    system.configureForRun({});
    system.OnPrint = bulkyPages(40);
    HookLog log;
    log.attach(system);
    const std::string error = errorOf([&] { system.Execute(); });
    qputenv("TMPDIR", previous);
    EXPECT_EQ(error.rfind("Cannot write file \"" + instanceFolderIn(disk.path()) + "/RPT", 0), 0u)
        << error;
    EXPECT_TRUE(pageFilesUnder(disk.path()).isEmpty());
    EXPECT_EQ(std::count(log.steps.begin(), log.steps.end(), "preview omCreate"), 0);
}

TEST(SystemRun, MemoryStreamServesThePreviewAndIsDroppedAfterwards) {
    ReportRun run(2);
    run.system.SystemFiler.StreamMode = TStreamMode::smMemory;
    run.system.Execute();
    EXPECT_EQ(pagesOf(run.previewed), (Steps{"1:page 1", "2:page 2"}));
    EXPECT_EQ(run.system.SystemFiler.Stream, nullptr);
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

// A file format that writes the pages' texts, one a line, once all are
// converted.
class PageListFormat : public TRptRenderFile {
public:
    QString displayName() const override { return QStringLiteral("Page list (TXT)"); }
    QString extension() const override { return QStringLiteral(".txt"); }
    void convert(QIODevice& stream, const QString& fileName) override {
        QByteArray list;
        int number = 0;
        for (const std::string& page : pagesOf(stream.readAll())) {
            if (Progress)
                Progress->page(++number);
            list += page + "\n";
        }
        QFile out(fileName);
        if (!out.open(QIODevice::WriteOnly) || out.write(list) != list.size())
            throw AppError("cannot write");
    }
};

TEST(SystemRun, UserStreamMustBeGiven) {
    ReportRun run(1);
    run.system.SystemFiler.StreamMode = TStreamMode::smUser;
    EXPECT_EQ(errorOf([&] { run.system.Execute(); }), "StreamMode is smUser but Stream is nil");

    // Without generation a memory stream is never made; the message names
    // the mode that lacks it.
    ReportRun converted(1);
    PageListFormat format;
    converted.system.SystemFiler.StreamMode = TStreamMode::smMemory;
    converted.system.SystemOptions += TSystemOption::soNoGenerate;
    converted.chooseFile(converted.temp.path() + QStringLiteral("/pages.txt"));
    const auto chooseFile = converted.log.onSetup;
    converted.log.onSetup = [&](TRptSystem& s, TOverrideMode m) {
        chooseFile(s, m);
        s.RenderObject = &format;
    };
    EXPECT_EQ(errorOf([&] { converted.system.Execute(); }),
              "StreamMode is smMemory but Stream is nil");

    ReportRun given(2);
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    given.system.SystemFiler.StreamMode = TStreamMode::smUser;
    given.system.SystemFiler.Stream = &stream;
    given.system.Execute();
    EXPECT_EQ(pagesOf(stream.data()), (Steps{"1:page 1", "2:page 2"}));
}

TEST(SystemRun, NoGenerateShowsWhatTheFilerHolds) {
    ReportRun run(3);
    TempDir earlier;
    QBuffer written;
    written.open(QIODevice::ReadWrite);
    TRptStreamWriter writer(&written);
    writer.beginJob();
    writer.beginPage();
    writer.text(1, 1, "page 1");
    writer.endPage();
    writer.endJob();
    run.system.SystemFiler.FileName = earlier.write("earlier.rps", written.data());
    run.system.SystemOptions += TSystemOption::soNoGenerate;
    run.system.Execute();
    EXPECT_EQ(run.produced, 0);
    EXPECT_EQ(run.log.steps, join({SetupSteps, PreviewSteps}));
    EXPECT_EQ(pagesOf(run.previewed), Steps{"1:page 1"});
    EXPECT_TRUE(QFile::exists(earlier.file("earlier.rps"))) << "a file of the caller's stays";
}

TEST(SystemRun, FileFormatConvertsThePageStream) {
    for (TStreamMode mode : {TStreamMode::smTempFile, TStreamMode::smMemory}) {
        ReportRun run(2);
        TempDir out;
        PageListFormat format;
        run.system.SystemFiler.StreamMode = mode;
        run.chooseFile(out.file("pages.txt"));
        const auto chooseFile = run.log.onSetup;
        run.log.onSetup = [&](TRptSystem& s, TOverrideMode m) {
            chooseFile(s, m);
            s.RenderObject = &format;
        };
        run.system.Execute();
        EXPECT_EQ(readFile(out.file("pages.txt")), "1:page 1\n2:page 2\n");
        EXPECT_TRUE(run.temp.pageFiles().isEmpty());
    }
    EXPECT_EQ(PageListFormat().filter(), "Page list (TXT)|*.txt");
}

TEST(SystemRun, TheStatusWindowCountsTheConvertedPagesAndItsCancelDropsTheFile) {
    const struct {
        int cancelAt; // 0: not cancelled
        Steps texts;
        const char* file;
    } cases[] = {
        {0,
         {"Printing page 1", "Printing page 2", "Printing page 3"},
         "1:page 1\n2:page 2\n3:page 3\n"},
        {2, {"Printing page 1", "Printing page 2"}, "previous"},
    };
    for (const auto& c : cases) {
        ReportRun run(3);
        TempDir out;
        PageListFormat format;
        run.chooseFile(out.write("pages.txt", "previous"));
        const auto chooseFile = run.log.onSetup;
        run.log.onSetup = [&](TRptSystem& s, TOverrideMode m) {
            chooseFile(s, m);
            s.RenderObject = &format;
        };
        Steps texts;
        run.log.onStatus = [&](TRptSystem& s, TOverrideMode m) {
            RptProgress* progress = s.outputProgress();
            if (m != TOverrideMode::omShow || !progress)
                return;
            progress->setSink([&texts, progress, &c](const QString& text) {
                texts.push_back(text.toStdString());
                if (int(texts.size()) == c.cancelAt)
                    progress->cancel(); // the status window's Cancel
            });
        };
        run.system.Execute();
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(run.system.Cancelled, c.cancelAt > 0);
        EXPECT_EQ(readFile(out.file("pages.txt")), c.file);
        EXPECT_EQ(run.system.outputProgress(), nullptr);
        EXPECT_EQ(format.Progress, nullptr);
        EXPECT_EQ(run.log.steps,
                  join({SetupSteps,
                        {"status omCreate", "status omShow", "status omShow", "status omFree"}}));
        EXPECT_TRUE(run.temp.pageFiles().isEmpty());
    }
}

TEST(SystemRun, OutputFormatListOffersOnlyActiveFormats) {
    RptOutputFormats& formats = RptOutputFormats::instance();
    const size_t before = formats.active().size();
    TRptRenderFile& inactive = formats.add(std::make_unique<PageListFormat>());
    TRptRenderFile& active = formats.add(std::make_unique<PageListFormat>());
    active.Active = true;
    const std::vector<TRptRenderFile*> list = formats.active();
    ASSERT_EQ(list.size(), before + 1);
    EXPECT_EQ(list.back(), &active);
    formats.remove(&inactive);
    formats.remove(&active);
    EXPECT_EQ(formats.active().size(), before);
}

TEST(SystemRun, PrinterDestinationWithoutAPrinterFails) {
    ReportRun run(1);
    run.log.onSetup = [](TRptSystem& s, TOverrideMode m) {
        if (m == TOverrideMode::omShow)
            s.ReportDest = TReportDest::rdPrinter;
    };
    EXPECT_EQ(errorOf([&] { run.system.Execute(); }), "No printer is available.");
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
    EXPECT_EQ(run.system.RepeatCopies, false);
}

TEST(SystemRun, WriterGetsTheReportsPaperTitleAndLayout) {
    ReportRun run(1);
    run.system.configureForRun({.title = "Passport",
                                .paper = {11.0, 8.5},
                                .orientation = TOrientation::poLandscape,
                                .marginLeft = 0.5,
                                .marginTop = 0.75});
    RptLayoutSettings layout;
    run.system.OnPrint = [&](TRptStreamWriter& w) {
        layout = w.layout();
        w.beginPage();
        w.endPage();
    };
    run.system.Execute();
    QBuffer buffer;
    buffer.setData(run.previewed);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    const RptStreamHeader& header = reader.readHeader();
    EXPECT_EQ(header.title, "Passport");
    EXPECT_EQ(header.paperWidth, 11.0f);
    EXPECT_EQ(header.paperHeight, 8.5f);
    EXPECT_EQ(header.orientation, 1);
    EXPECT_EQ(header.marginLeft, 0.0f) << "no printer: no unprintable margins";
    EXPECT_EQ(header.paperBin, 265);
    EXPECT_EQ(header.pageCount, 1);
    EXPECT_EQ(layout.marginLeft, 0.5);
    EXPECT_EQ(layout.marginTop, 0.75);
    EXPECT_EQ(layout.accuracyMethod, 1);
}

} // namespace
} // namespace zamt::test
