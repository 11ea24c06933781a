#pragma once
// The fixture of the printing tests: a CUPS server of the test's own with a
// cups-pdf queue "pdf" as its default printer, the report windows installed
// (with the preview hook a fixture gives) and the printer device made anew.
#include "../system/SystemRunSupport.h"
#include "report/system/RptSystemPlatform.h"
#include "support/CupsServer.h"
#include "support/ScriptedServices.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>

namespace zamt::test {

class Printing : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh server, e.g. one whose jobs make one copy at most.
    void startServer(CupsServer::Options options);
    // The job title of this test: letters and digits only, as cups-pdf keeps
    // them in its file names.
    std::string title() const;

    std::unique_ptr<CupsServer> cups;
    std::unique_ptr<ScriptedServices> services;
    std::unique_ptr<RptSystemPlatform> previous;
    // The preview window of the runs, set by fixtures that show it.
    TRptSystemEvent previewHook;
};

// A page stream of `pages` pages, each with "page n" at one inch.
QByteArray pageStream(int pages, const std::string& title);

} // namespace zamt::test
