// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/MainWindowDriver.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
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
    std::unique_ptr<MainWindowDriver> main;
};

void tst_Keyboard::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(JoinPath(folder->path(), QStringLiteral("a.jpg")), "JPEG"));

    main = std::make_unique<MainWindowDriver>();
    ImageFolder = folder->path();
    main->Window().show();
    QVERIFY(QTest::qWaitForWindowActive(&main->Window()));
}

void tst_Keyboard::cleanup()
{
    main.reset();
    folder.reset();
}

// Presses a key on the main window and answers the modal window it opens from inside
// that window's own event loop; returns the window's class, or nothing when none opened.
QString tst_Keyboard::OpenModalBy(QKeyCombination key, const ModalAnswerer::Action &answer)
{
    ModalAnswerer answerer(answer);
    QTest::keyClick(&main->Window(), key.key(), key.keyboardModifiers());
    return answerer.Opened.value(0);
}

void tst_Keyboard::ctrlNOpensTheChooserAndEscapeCancels()
{
    const QImage startUp = main->picplay()->Picture();
    const QString opened = OpenModalBy(Qt::CTRL | Qt::Key_N, [](QWidget &chooser) {
        QTest::keyClick(static_cast<frmSelectImage &>(chooser).List1, Qt::Key_Down);
        QTest::keyClick(&chooser, Qt::Key_Escape);
    });
    QCOMPARE(opened, QStringLiteral("frmSelectImage"));
    QVERIFY(!main->Timer1()->isActive());
    QCOMPARE(main->picplay()->Picture(), startUp);
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
    const QImage chosen = PictureLoader::Prepare(JoinPath(folder->path(), QStringLiteral("a.jpg")),
                                                 PlaySize() * main->Window().devicePixelRatio()).image;
    QCOMPARE(main->picplay()->Picture(), chosen);
    QVERIFY(main->Timer1()->isActive());
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
        main->Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main->Window()));
    }
    QVERIFY(main->Window().isVisible());
}

void tst_Keyboard::ctrlQExits()
{
    QTest::keyClick(&main->Window(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!main->Window().isVisible());
}

void tst_Keyboard::tabReachesEveryCommand()
{
    main->cmdNewGame()->setFocus(Qt::TabFocusReason);
    QList<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget());
    }
    const QList<QWidget *> row{main->cmdNewGame(), main->cmdAbout(), main->cmdExit(), main->cmdNewGame()};
    QCOMPARE(visited, row);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), main->cmdExit());
    QTest::keyClick(main->cmdExit(), Qt::Key_Space);
    QVERIFY(!main->Window().isVisible());
}

QTEST_MAIN(tst_Keyboard)
#include "tst_Keyboard.moc"
