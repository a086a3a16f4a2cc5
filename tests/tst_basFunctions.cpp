// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/basFunctions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

class tst_basFunctions : public QObject {
    Q_OBJECT

private slots:
    // One separator between folder and name, none added after a trailing one, name untouched.
    void joinPathInsertsOneSeparator_data();
    void joinPathInsertsOneSeparator();
    // The application folder is the folder holding the running executable, written the platform's way.
    void applicationFolderHoldsTheExecutable();
};

void tst_basFunctions::joinPathInsertsOneSeparator_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined");
    if (QDir::separator() == QLatin1Char('\\')) {
        QTest::newRow("folder and name") << "C:\\Games" << "images" << "C:\\Games\\images";
        QTest::newRow("drive root keeps a single separator") << "C:\\" << "images" << "C:\\images";
        QTest::newRow("empty folder") << "" << "a.jpg" << "\\a.jpg";
        QTest::newRow("name with a leading separator") << "C:\\Games\\" << "\\a.jpg" << "C:\\Games\\\\a.jpg";
        QTest::newRow("slash is an ordinary character") << "C:/Games/" << "a.jpg" << "C:/Games/\\a.jpg";
        QTest::newRow("pattern") << "D:\\Apps\\Tiles\\images" << "*.jpg" << "D:\\Apps\\Tiles\\images\\*.jpg";
        QTest::newRow("spaces and other scripts")
            << QString::fromUtf8("C:\\Users\\Zoë\\Игры\\Tilora") << "images"
            << QString::fromUtf8("C:\\Users\\Zoë\\Игры\\Tilora\\images");
        return;
    }
    QTest::newRow("folder and name") << "/games" << "images" << "/games/images";
    QTest::newRow("root keeps a single separator") << "/" << "images" << "/images";
    QTest::newRow("empty folder") << "" << "a.jpg" << "/a.jpg";
    QTest::newRow("name with a leading separator") << "/games/" << "/a.jpg" << "/games//a.jpg";
    QTest::newRow("backslash is an ordinary character") << "C:\\Games" << "a.jpg" << "C:\\Games/a.jpg";
    QTest::newRow("pattern") << "/games/images" << "*.jpg" << "/games/images/*.jpg";
    QTest::newRow("empty name") << "/games" << "" << "/games/";
}

void tst_basFunctions::joinPathInsertsOneSeparator()
{
    QFETCH(QString, dir);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(JoinPath(dir, name), joined);
}

void tst_basFunctions::applicationFolderHoldsTheExecutable()
{
    const QString folder = ApplicationFolder();
    QCOMPARE(folder, QDir::toNativeSeparators(folder));
    QVERIFY(!folder.endsWith(QDir::separator()) || QDir(folder).isRoot());
    QVERIFY(QFileInfo::exists(JoinPath(folder, QFileInfo(QCoreApplication::applicationFilePath()).fileName())));
}

QTEST_GUILESS_MAIN(tst_basFunctions)
#include "tst_basFunctions.moc"
