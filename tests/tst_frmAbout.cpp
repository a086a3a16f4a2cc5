// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/MainWindowDriver.h"
#include "support/ModalAnswerer.h"
#include "support/WindowShape.h"
#include "windows/frmAbout.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

const QRegion PictureBoxShape(18, 13, 349, 84);

} // namespace

class tst_frmAbout : public QObject {
    Q_OBJECT

private slots:
    void layoutPlacesEveryControl();
    void pictureShownUnscaledAndClipped();
    void shapeIsThePictureBox();
    void shapeFollowsTheLiveControls();
    void closesFromItsButtonAndKeys_data();
    void closesFromItsButtonAndKeys();
    void carriesTheMainWindowsIcon();
};

// Window and controls sit where the layout puts them; OK lies on the picture box, inside its border.
void tst_frmAbout::layoutPlacesEveryControl()
{
    frmAbout about;

    QCOMPARE(about.windowTitle(), QString("About ..."));
    QCOMPARE(about.size(), QSize(385, 110));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint), Qt::WindowFlags());
    QCOMPARE(about.parentWidget(), nullptr);
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((about.frameGeometry().center() - available.center()).manhattanLength() <= 2);

    QCOMPARE(about.Picture1->parentWidget(), &about);
    QCOMPARE(about.Picture1->geometry(), QRect(18, 13, 349, 84));
    QVERIFY(about.Picture1->frameWidth() > 0);
    QCOMPARE(about.cmdOK->parentWidget(), about.Picture1);
    const QRect inner = about.Picture1->contentsRect();
    QCOMPARE(about.cmdOK->geometry(), QRect(inner.topLeft() + QPoint(282, 4), QSize(53, 29)));
    QVERIFY(inner.contains(about.cmdOK->geometry()));
    QVERIFY(about.cmdOK->text().isEmpty());
    QVERIFY(about.cmdOK->toolTip().isEmpty());
    QVERIFY(!about.cmdOK->icon().isNull());
    QCOMPARE(about.cmdOK->accessibleName(), QString("OK"));

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(about.Picture1->isVisible());
    QVERIFY(about.cmdOK->isVisible());
}

// The About picture starts at the inner top-left corner at its own size and is cut at the border.
void tst_frmAbout::pictureShownUnscaledAndClipped()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage picture(":/art/about.jpg");
    QCOMPARE(picture.size(), QSize(350, 80));

    const QRect inner = about.Picture1->contentsRect();
    const QImage shown = about.Picture1->grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(100, 40), QPoint(250, inner.height() - 1),
                            QPoint(inner.width() - 1, inner.height() - 1)}) {
        const QRgb drawn = shown.pixel((inner.topLeft() + at) * shown.devicePixelRatio());
        const QRgb expected = picture.pixel(at);
        QVERIFY2(qAbs(qRed(drawn) - qRed(expected)) + qAbs(qGreen(drawn) - qGreen(expected))
                         + qAbs(qBlue(drawn) - qBlue(expected)) <= 6,
                 qPrintable(QString("at %1,%2").arg(at.x()).arg(at.y())));
    }
    QCOMPARE(about.Picture1->pixmap().size(), inner.size());
}

// The shape is exactly the picture box and the frame, however often and in however many windows it is built.
void tst_frmAbout::shapeIsThePictureBox()
{
    frmAbout first;
    first.show();
    QCOMPARE(WindowShape::ClientShape(first), PictureBoxShape);
    first.ApplyWindowShape();
    first.ApplyWindowShape();
    QCOMPARE(WindowShape::ClientShape(first), PictureBoxShape);
    first.close();

    frmAbout second;
    second.show();
    QCOMPARE(WindowShape::ClientShape(second), PictureBoxShape);
}

// The shape is read from the controls as they are at activation: moved, added or hidden.
void tst_frmAbout::shapeFollowsTheLiveControls()
{
    frmAbout about;
    auto *extra = new QWidget(&about);
    extra->setGeometry(2, 2, 10, 5);
    about.show();
    QCOMPARE(WindowShape::ClientShape(about), PictureBoxShape + QRegion(2, 2, 10, 5));

    extra->hide();
    about.Picture1->move(20, 15);
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&about, &activation);

    QCOMPARE(WindowShape::ClientShape(about), QRegion(20, 15, 349, 84));
}

void tst_frmAbout::closesFromItsButtonAndKeys_data()
{
    QTest::addColumn<std::function<void(frmAbout &)>>("close");
    QTest::addColumn<int>("result");
    QTest::newRow("OK button") << std::function<void(frmAbout &)>([](frmAbout &about) {
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    }) << int(QDialog::Accepted);
    QTest::newRow("Enter") << std::function<void(frmAbout &)>([](frmAbout &about) {
        QTest::keyClick(&about, Qt::Key_Return);
    }) << int(QDialog::Accepted);
    QTest::newRow("Escape") << std::function<void(frmAbout &)>([](frmAbout &about) {
        QTest::keyClick(&about, Qt::Key_Escape);
    }) << int(QDialog::Rejected);
    QTest::newRow("title bar close") << std::function<void(frmAbout &)>([](frmAbout &about) {
        about.close();
    }) << int(QDialog::Rejected);
}

// OK, Enter, Escape and the title bar's close button all end the modal wait.
void tst_frmAbout::closesFromItsButtonAndKeys()
{
    QFETCH(std::function<void(frmAbout &)>, close);
    QFETCH(int, result);
    frmAbout about;

    QCOMPARE(RunModal(about, close), result);
    QVERIFY(about.isHidden());
}

// The About window shows the main window's icon at every size the window system may ask for,
// without relying on an icon set for the whole program.
void tst_frmAbout::carriesTheMainWindowsIcon()
{
    QVERIFY(QApplication::windowIcon().isNull());
    MainWindowDriver main;
    const frmAbout about;
    for (const int size : {16, 32, 64}) {
        const QImage expected = main.Window().windowIcon().pixmap(size).toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(about.windowIcon().pixmap(size).toImage(), expected);
    }
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
