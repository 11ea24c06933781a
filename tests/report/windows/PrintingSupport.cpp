#include "PrintingSupport.h"

#include "report/stream/TRptStreamWriter.h"
#include "report/windows/ReportWindows.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QBuffer>

namespace zamt::test {

void Printing::SetUp() {
    startServer({});
    if (IsSkipped())
        return;
    services = std::make_unique<ScriptedServices>();
    previous = installRptSystemPlatform(nullptr);
    installReportWindows(previewHook);
}

void Printing::startServer(CupsServer::Options options) {
    TRptPrinterDevice::reset();
    cups.reset();
    cups = std::make_unique<CupsServer>(options);
    if (!cups->running())
        GTEST_SKIP() << cups->why().toStdString();
    ASSERT_TRUE(cups->addPdfQueue("pdf")) << cups->why().toStdString();
    ASSERT_TRUE(cups->setDefault("pdf")) << cups->why().toStdString();
}

void Printing::TearDown() {
    TRptPrinterDevice::reset();
    if (previous)
        installRptSystemPlatform(std::move(previous));
    services.reset();
    cups.reset();
}

std::string Printing::title() const {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return "zamt" + name;
}

QByteArray pageStream(int pages, const std::string& title) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TRptStreamWriter writer(&buffer);
    writer.setTitle(title);
    writer.beginJob();
    for (int n = 1; n <= pages; ++n) {
        writer.beginPage();
        writer.setFontSize(14);
        writer.text(1, 1, "page " + std::to_string(n));
        writer.endPage();
    }
    writer.endJob();
    return buffer.data();
}

} // namespace zamt::test
