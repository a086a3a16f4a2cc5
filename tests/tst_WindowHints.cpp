// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

const QSize Client(385, 110);
const QRegion Picture(18, 13, 349, 84);

} // namespace

class tst_WindowHints : public QObject {
    Q_OBJECT

private slots:
    void shapeKeepsTheWholeFrame_data();
    void shapeKeepsTheWholeFrame();
    void shapeWithoutFrameIsTheClientShape();
    void dialogStaysAboveWithoutOwner();
    void clientCentredWithoutWindowManager();
};

void tst_WindowHints::shapeKeepsTheWholeFrame_data()
{
    QTest::addColumn<QMargins>("frame");
    QTest::newRow("Qt's title bar on Wayland") << QMargins(3, 30, 3, 3);
    QTest::newRow("openbox") << QMargins(1, 20, 1, 1);
    QTest::newRow("uneven") << QMargins(2, 25, 7, 0);
}

// Every pixel of the reported frame stays in the shape, and inside it only the client shape does.
void tst_WindowHints::shapeKeepsTheWholeFrame()
{
    QFETCH(QMargins, frame);
    const QRegion shape = WindowHints::ShapeWithFrame(Picture, Client, frame);

    const QRect client(QPoint(0, 0), Client);
    const QRect framed = client.marginsAdded(frame);
    QCOMPARE(shape.boundingRect(), framed);
    QCOMPARE(shape - QRegion(client), QRegion(framed) - QRegion(client));
    QCOMPARE(shape & QRegion(client), Picture);
    QVERIFY(shape.contains(QPoint(framed.right(), framed.top())));
    QVERIFY(!shape.contains(QPoint(Picture.boundingRect().left() - 1, Picture.boundingRect().top())));
}

// Where the window system reports no frame (bare X, server-side decorations on Wayland) the shape is the client shape.
void tst_WindowHints::shapeWithoutFrameIsTheClientShape()
{
    QCOMPARE(WindowHints::ShapeWithFrame(Picture, Client, QMargins()), Picture);
}

// The dialog is linked to the main window for the window system, and still has no owner widget.
void tst_WindowHints::dialogStaysAboveWithoutOwner()
{
    QWidget main;
    main.show();
    QDialog dialog;
    WindowHints::StayAbove(&dialog, &main);

    QCOMPARE(dialog.parentWidget(), nullptr);
    QVERIFY(dialog.windowHandle());
    QCOMPARE(dialog.windowHandle()->transientParent(), main.windowHandle());
    dialog.show();
    QCOMPARE(dialog.windowHandle()->transientParent(), main.windowHandle());
}

// With no window manager to ask, the client area is centred on the screen.
void tst_WindowHints::clientCentredWithoutWindowManager()
{
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        QSKIP("Windows frames every window: tst_WindowHints_win checks the frame centred.");
    QWidget window;
    window.setFixedSize(Client);
    WindowHints::CentreOnScreen(&window);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(std::abs(2 * window.geometry().left() + Client.width() - 2 * available.left() - available.width()) <= 1);
    QVERIFY(std::abs(2 * window.geometry().top() + Client.height() - 2 * available.top() - available.height()) <= 1);
}

QTEST_MAIN(tst_WindowHints)
#include "tst_WindowHints.moc"
