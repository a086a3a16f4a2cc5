// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/PeakMemory.h"
#include "bench/PhotoSet.h"
#include "bench/Preparations.h"
#include "bench/ResultTable.h"
#include "library/PictureLoader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Medians of three one-second repetitions shrug off the load spikes of a shared machine; the whole
// run takes about a minute.
char DefaultMinTime[] = "--benchmark_min_time=1";
char DefaultRepetitions[] = "--benchmark_repetitions=3";
char DefaultAggregatesOnly[] = "--benchmark_report_aggregates_only=true";

void TimePreparation(benchmark::State &state, Preparations::Preparation prepare, const QString &path)
{
    for (auto _ : state) {
        const QImage prepared = prepare(path, PlaySize());
        if (prepared.size() != PlaySize()) {
            state.SkipWithError("the preparation failed");
            break;
        }
        benchmark::DoNotOptimize(prepared.constBits());
    }
}

// The chooser has previewed the photo, then the game starts with it.
void TimeStartAfterPreview(benchmark::State &state, const QString &path)
{
    PictureLoader::ClearCache();
    PictureLoader::Prepare(path, PlaySize());
    for (auto _ : state) {
        const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());
        if (!prepared.ok()) {
            state.SkipWithError("the preparation failed");
            break;
        }
        benchmark::DoNotOptimize(prepared.image.constBits());
    }
}

std::string Name(const char *preparation, const Photo &photo)
{
    return std::string(preparation) + '/' + photo.name.toStdString();
}

void Register(const PhotoSet &photos)
{
    const struct {
        const char *name;
        Preparations::Preparation prepare;
    } preparations[] = {{"ours", Preparations::Ours}, {"naive", Preparations::Naive}, {"floor", Preparations::Floor}};
    for (const Photo &photo : photos.photos()) {
        for (const auto &preparation : preparations) {
            benchmark::RegisterBenchmark(Name(preparation.name, photo).c_str(), TimePreparation, preparation.prepare, photo.path)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
        }
    }
    const Photo &large = photos.find(QStringLiteral("24MP"));
    benchmark::RegisterBenchmark(Name("ours-after-preview", large).c_str(), TimeStartAfterPreview, large.path)
        ->Unit(benchmark::kMicrosecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

QString Ratio(double numerator, double denominator)
{
    return numerator > 0 && denominator > 0 ? QString::number(numerator / denominator, 'f', 2) : QStringLiteral("-");
}

void PrintTimes(const ResultTable &table, const PhotoSet &photos)
{
    std::printf("\nPreparing for play (%d x %d), milliseconds per photo: wall time, and in brackets process CPU time\n",
                PlaySize().width(), PlaySize().height());
    std::printf("%-18s %8s %15s %15s %15s %12s %12s\n", "photo", "file MB", "ours", "naive", "floor", "naive/ours",
                "ours/floor");
    for (const Photo &photo : photos.photos()) {
        const auto ours = table.times(Name("ours", photo));
        const auto naive = table.times(Name("naive", photo));
        const auto floor = table.times(Name("floor", photo));
        const auto cell = [](ResultTable::Times times) {
            return QStringLiteral("%1 (%2)").arg(times.wallSeconds * 1e3, 0, 'f', 1).arg(times.cpuSeconds * 1e3, 0, 'f', 1);
        };
        std::printf("%-18s %8.1f %15s %15s %15s %5s (%4s) %5s (%4s)\n", qPrintable(photo.name),
                    QFileInfo(photo.path).size() / 1048576.0, qPrintable(cell(ours)),
                    qPrintable(cell(naive)), qPrintable(cell(floor)),
                    qPrintable(Ratio(naive.wallSeconds, ours.wallSeconds)), qPrintable(Ratio(naive.cpuSeconds, ours.cpuSeconds)),
                    qPrintable(Ratio(ours.wallSeconds, floor.wallSeconds)), qPrintable(Ratio(ours.cpuSeconds, floor.cpuSeconds)));
    }
    std::printf("A progressive JPEG keeps every coefficient until its last scan, so its row stands apart from the others.\n");

    const Photo &large = photos.find(QStringLiteral("24MP"));
    const auto fresh = table.times(Name("ours", large));
    const auto cached = table.times(Name("ours-after-preview", large));
    std::printf("\nGame start after a preview of the 24 MP photo: %.3f ms = %s of a fresh preparation (target <= 0.10)\n",
                cached.wallSeconds * 1e3, qPrintable(Ratio(cached.wallSeconds, fresh.wallSeconds)));
    const auto naive = table.times(Name("naive", large));
    const auto floor = table.times(Name("floor", large));
    std::printf("Targets at 24 MP: naive/ours %s wall, %s CPU (>= 4.5); ours/floor %s wall, %s CPU (<= 1.10)\n",
                qPrintable(Ratio(naive.wallSeconds, fresh.wallSeconds)), qPrintable(Ratio(naive.cpuSeconds, fresh.cpuSeconds)),
                qPrintable(Ratio(fresh.wallSeconds, floor.wallSeconds)), qPrintable(Ratio(fresh.cpuSeconds, floor.cpuSeconds)));
}

void PrintPeakMemory(const PhotoSet &photos)
{
    const QString warmUp = photos.find(QStringLiteral("2MP")).path;
    std::printf("\nPeak memory one preparation adds to an idle process, MB\n");
    for (const QString &name : {QStringLiteral("24MP"), QStringLiteral("12MP-progressive")}) {
        std::printf("%-18s", qPrintable(name));
        for (const char *preparation : {"ours", "naive", "floor"}) {
            const qint64 kilobytes = PeakMemory::Measure(QLatin1String(preparation), photos.find(name).path, warmUp, PlaySize());
            std::printf("  %s %6.1f", preparation, kilobytes < 0 ? -1.0 : kilobytes / 1024.0);
        }
        std::printf("\n");
    }
    std::printf("Target: ours at 24 MP <= 10 MB\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], PeakMemory::ChildFlag) == 0) {
        QCoreApplication app(argc, argv);
        return PeakMemory::RunChild(QCoreApplication::arguments().mid(2));
    }
    QCoreApplication app(argc, argv);

    // Given first, so the same flags on the command line win.
    std::vector<char *> arguments{argv[0], DefaultMinTime, DefaultRepetitions, DefaultAggregatesOnly};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;

    std::printf("Writing the test photos...\n");
    const PhotoSet photos;
    Register(photos);
    ResultTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    PrintTimes(table, photos);
    PrintPeakMemory(photos);
    benchmark::Shutdown();
    return 0;
}
