#pragma once
// The console table, and after it how fast the stream writer is against the
// plain buffered write: the plain write's CPU time divided by the stream
// write's, so that 1 means as fast. With --benchmark_repetitions the medians
// are compared.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zamt::bench {

class WriteRatioReporter : public benchmark::ConsoleReporter {
public:
    WriteRatioReporter(std::string stream, std::string plain)
        : ConsoleReporter(OO_Tabular), stream_(std::move(stream)), plain_(std::move(plain)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double seconds =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            Times& times = times_[run.run_name.function_name];
            if (run.run_type == Run::RT_Iteration)
                times.runs.push_back(seconds);
            else if (run.aggregate_name == "median")
                times.median = seconds;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto stream = times_.find(stream_);
        const auto plain = times_.find(plain_);
        if (stream == times_.end() || plain == times_.end())
            return;
        const double streamTime = stream->second.middle();
        const double plainTime = plain->second.middle();
        if (streamTime <= 0 || plainTime <= 0)
            return;
        std::printf("stream write at %.2fx the plain buffered write (CPU %.1f ms against %.1f ms, "
                    "%s)\n",
                    plainTime / streamTime, streamTime * 1e3, plainTime * 1e3,
                    stream->second.runs.size() > 1 ? "medians" : "one run each");
    }

private:
    struct Times {
        std::vector<double> runs;
        double median = 0;
        double middle() const {
            if (median > 0 || runs.empty())
                return median;
            std::vector<double> sorted = runs;
            std::sort(sorted.begin(), sorted.end());
            const size_t n = sorted.size();
            return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
        }
    };

    std::string stream_;
    std::string plain_;
    std::map<std::string, Times> times_;
};

} // namespace zamt::bench
