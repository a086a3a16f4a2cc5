// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/ModalAnswerer.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class tst_Keyboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Ctrl+N opens the chooser, and Escape there starts nothing.
    void ctrlNOpensTheChooserAndEscapeCancels();
    // A whole New Game by keyboard: arrow to a picture, Enter starts it.
    void enterInTheChooserStartsTheSelectedPicture();
    // F1 opens About, and both Enter and Escape close it.
    void f1OpensAboutAndEnterOrEscapeCloses();
    // Ctrl+Q closes the main window.
    void ctrlQExits();
    // Tab walks the three commands in their row order, and Space presses the focused one.
    void tabReachesEveryCommand();

private:
    QString OpenModalBy(QKeyCombination key, const ModalAnswerer::Action &answer);

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<frmMain> window;
};

void tst_Keyboard::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(JoinPath(folder->path(), QStringLiteral("a.jpg")), "JPEG"));

    window = std::make_unique<frmMain>();
    ImageFolder = folder->path();
    // The tests never wait for the clock.
    window->Timer1->setInterval(24 * 60 * 60 * 1000);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_Keyboard::cleanup()
{
    window.reset();
    folder.reset();
}

// Presses a key on the main window and answers the modal window it opens from inside
// that window's own event loop; returns the window's class, or nothing when none opened.
QString tst_Keyboard::OpenModalBy(QKeyCombination key, const ModalAnswerer::Action &answer)
{
    ModalAnswerer answerer(answer);
    QTest::keyClick(window.get(), key.key(), key.keyboardModifiers());
    return answerer.Opened.value(0);
}

void tst_Keyboard::ctrlNOpensTheChooserAndEscapeCancels()
{
    const QString opened = OpenModalBy(Qt::CTRL | Qt::Key_N, [](QWidget &chooser) {
        QTest::keyClick(static_cast<frmSelectImage &>(chooser).List1, Qt::Key_Down);
        QTest::keyClick(&chooser, Qt::Key_Escape);
    });
    QCOMPARE(opened, QStringLiteral("frmSelectImage"));
    QVERIFY(!window->Game.TimerEnabled());
    QVERIFY(window->PicturePath.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_Keyboard::enterInTheChooserStartsTheSelectedPicture()
{
    const QString opened = OpenModalBy(Qt::CTRL | Qt::Key_N, [](QWidget &modal) {
        auto &chooser = static_cast<frmSelectImage &>(modal);
        QTest::keyClick(chooser.List1, Qt::Key_Down);
        QTest::keyClick(chooser.List1, Qt::Key_Return);
    });
    QCOMPARE(opened, QStringLiteral("frmSelectImage"));
    QCOMPARE(window->PicturePath, JoinPath(folder->path(), QStringLiteral("a.jpg")));
    QVERIFY(window->Game.TimerEnabled());
}

void tst_Keyboard::f1OpensAboutAndEnterOrEscapeCloses()
{
    for (Qt::Key close : {Qt::Key_Return, Qt::Key_Escape}) {
        const QString opened = OpenModalBy(QKeyCombination(Qt::Key_F1), [close](QWidget &about) {
            QTest::keyClick(&about, close);
        });
        QCOMPARE(opened, QStringLiteral("frmAbout"));
        QVERIFY(!QApplication::activeModalWidget());
        // A window manager gives the keyboard back to the main window; offscreen has none.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QVERIFY(window->isVisible());
}

void tst_Keyboard::ctrlQExits()
{
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window->isVisible());
}

void tst_Keyboard::tabReachesEveryCommand()
{
    window->cmdNewGame->setFocus(Qt::TabFocusReason);
    QList<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget());
    }
    const QList<QWidget *> row{window->cmdNewGame, window->cmdAbout, window->cmdExit, window->cmdNewGame};
    QCOMPARE(visited, row);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->cmdExit);
    QTest::keyClick(window->cmdExit, Qt::Key_Space);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(tst_Keyboard)
#include "tst_Keyboard.moc"
