// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Peak resident memory one preparation adds to an idle process. Each measurement runs in a fresh
// copy of this program, so nothing the benchmarks left on the heap hides or inflates it.
namespace PeakMemory {

// The first argument that sends this program into measuring instead of benchmarking.
inline constexpr char ChildFlag[] = "--measure-peak-memory";

// Kilobytes the named preparation of path adds, after the same preparation of warmUpPath has loaded
// Qt's plugins; -1 if the measurement failed.
qint64 Measure(const QString &preparation, const QString &path, const QString &warmUpPath, QSize size);

// The measuring side, given the arguments after ChildFlag; prints the kilobytes and returns the exit code.
int RunChild(const QStringList &arguments);

} // namespace PeakMemory
