// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr QLatin1StringView Folder(":/i18n");
constexpr QLatin1StringView ProgramFile("tilora");
constexpr QLatin1StringView QtFile("qtbase");

} // namespace

// The system's languages are tried one by one, so English asked for before another language wins.
Translations::Translations(const QLocale &system)
{
    const QStringList languages = system.uiLanguages();
    for (const QString &name : languages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C || Install(wanted))
            return;
    }
}

bool Translations::Install(const QLocale &wanted)
{
    if (!program.load(wanted, ProgramFile, QStringLiteral("_"), Folder))
        return false;
    language = QFileInfo(program.filePath()).completeBaseName().mid(ProgramFile.size() + 1);
    if (qt.load(QStringLiteral("%1_%2").arg(QtFile, language), Folder))
        QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&program);
    return true;
}

QStringList Translations::Available()
{
    // Named in place: growing a list would import an unfortified memmove into the hardened program.
    QStringList languages = QDir(Folder).entryList({ProgramFile + QLatin1String("_*.qm")}, QDir::Files, QDir::Name);
    for (QString &file : languages)
        file = QFileInfo(file).completeBaseName().mid(ProgramFile.size() + 1);
    return languages;
}
