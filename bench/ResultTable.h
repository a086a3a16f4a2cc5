// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Shows the runs on the console as usual and keeps each benchmark's time per iteration for the
// summary: the median of the repetitions when there are several.
class ResultTable : public benchmark::ConsoleReporter {
public:
    ResultTable();

    struct Times {
        double wallSeconds = 0;
        double cpuSeconds = 0;

        bool measured() const { return wallSeconds > 0; }
    };

    void ReportRuns(const std::vector<Run> &runs) override;

    Times times(const std::string &name) const;

private:
    std::map<std::string, Times> measured;
};
