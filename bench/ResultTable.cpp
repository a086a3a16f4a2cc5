// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/ResultTable.h"

#include <cstdio>

#include <unistd.h>

ResultTable::ResultTable()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular)
{
}

namespace {

// Google Benchmark 1.8 replaced the flag for a failed run with a skip reason.
template <typename Run>
bool failed(const Run &run)
{
    if constexpr (requires { run.skipped; })
        return run.skipped != decltype(run.skipped){};
    else
        return run.error_occurred;
}

}

void ResultTable::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((single || median) && !failed(run) && run.iterations > 0) {
            const double iterations = double(run.iterations);
            measured[run.run_name.function_name] = {run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations};
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

ResultTable::Times ResultTable::times(const std::string &name) const
{
    const auto found = measured.find(name);
    return found == measured.end() ? Times{} : found->second;
}
