// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The program's texts and Qt's own, compiled in, in the first language the system asks for that
// the program speaks. English, a language the program does not speak, and any text left
// untranslated show the program's own English. Installed for as long as the object lives.
class Translations {
public:
    explicit Translations(const QLocale &system = QLocale::system());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language installed, as its file names it ("de", "pt_BR"); empty for English.
    QString Language() const { return language; }
    // Every language compiled in besides English.
    static QStringList Available();
    // The language of the texts the program shows now, as Language() names it; empty for English.
    static QString Shown();

private:
    bool Install(const QLocale &wanted);
    static QLocale Neighbour(const QLocale &wanted);

    QTranslator program;
    QTranslator qt;
    QString language;
};
