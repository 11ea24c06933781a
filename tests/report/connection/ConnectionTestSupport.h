#pragma once
// A data connection whose handlers record every call, and readable output
// of requests and answers for failing checks.
#include "report/connection/TRptCustomConnection.h"

#include <ostream>
#include <string>
#include <vector>

namespace zamt {

void PrintTo(const RptRequest& request, std::ostream* out);
void PrintTo(const RptValue& value, std::ostream* out);
void PrintTo(const RptAnswer& answer, std::ostream* out);

namespace test {

// Rows are given as the native texts of each column; display texts are
// added for columns listed in `displayed` as "shown:" + native.
struct RecordingConnection {
    explicit RecordingConnection(std::string name = "Recorder");

    // Declares one string column per name on get columns.
    void declareStrings(std::vector<std::string> names);

    TRptCustomConnection connection;
    std::vector<std::string> calls; // "open", "getcols", "getrow 2", ...
    std::vector<std::string> columnNames;
    std::vector<std::vector<std::string>> rows;
    std::vector<size_t> displayed;
};

RptRequest request(RptRequestCode code);
RptRowAnswer rowOf(std::vector<std::string> natives);
RptRowAnswer endOfData();

} // namespace test
} // namespace zamt
