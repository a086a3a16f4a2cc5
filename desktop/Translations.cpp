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

// The language of the one Translations object that installed its texts.
QString &ShownLanguage()
{
    static QString language;
    return language;
}

} // namespace

// The system's languages are tried one by one, so English asked for before another language wins.
Translations::Translations(const QLocale &system)
{
    const QStringList languages = system.uiLanguages();
    for (const QString &name : languages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C || Install(wanted)
            || Install(Neighbour(wanted)))
            return;
    }
}

Translations::~Translations()
{
    if (!language.isEmpty())
        ShownLanguage().clear();
}

// Another region's texts of the same language and script read as native rather than as foreign
// (Portugal's Portuguese takes Brazil's); another script does not (Taiwan's Chinese is not Simplified).
QLocale Translations::Neighbour(const QLocale &wanted)
{
    const QStringList languages = Available();
    for (const QString &language : languages) {
        const QLocale spoken(language);
        if (spoken.language() == wanted.language() && spoken.script() == wanted.script())
            return spoken;
    }
    return QLocale::c();
}

bool Translations::Install(const QLocale &wanted)
{
    if (wanted.language() == QLocale::C || !program.load(wanted, ProgramFile, QStringLiteral("_"), Folder))
        return false;
    language = QFileInfo(program.filePath()).completeBaseName().mid(ProgramFile.size() + 1);
    ShownLanguage() = language;
    if (qt.load(QStringLiteral("%1_%2").arg(QtFile, language), Folder))
        QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&program);
    return true;
}

QString Translations::Shown()
{
    return ShownLanguage();
}

QStringList Translations::Available()
{
    // Named in place: growing a list would import an unfortified memmove into the hardened program.
    QStringList languages = QDir(Folder).entryList({ProgramFile + QLatin1String("_*.qm")}, QDir::Files, QDir::Name);
    for (QString &file : languages)
        file = QFileInfo(file).completeBaseName().mid(ProgramFile.size() + 1);
    return languages;
}
