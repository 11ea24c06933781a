#pragma once
// What the writer's tests share on either system: presses of "записываем?"
// whose dialog answers with a file, under a comma as the decimal separator.
#include "RecordTestSupport.h"
#include "platform/DecimalSeparator.h"
#include "records/PassportWriter.h"
#include "support/ScriptedServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>

namespace zamt::test {

inline const MessageBox kAccessError{BoxKind::Warning, "Warning", "File access error"};

class PassportWriterFixture : public ::testing::Test {
protected:
    void SetUp() override { setDecimalSeparator(','); }
    void TearDown() override { setDecimalSeparator('.'); }

    // One press of "записываем?" whose dialog answers with the given file.
    void press(const std::optional<QString>& answer,
               const Measurement& state = exampleMeasurement()) {
        services.dialogs.answers.push_back(answer);
        writePassportRecord(nullptr, request, state);
    }

    TempDir dir;
    ScriptedServices services;
    OpenFileRequest request = passportDialogRequest(dir.path());
};

} // namespace zamt::test
