// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"
#include "library/frmSelectImage.h"
#include "support/MainWindowDriver.h"
#include "support/ModalAnswerer.h"
#include "windows/frmAbout.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <functional>
#include <map>
#include <windows.h>

// What Windows itself holds of the game's windows: frames, owners, places and the About window's region.
// CTest runs it at 100, 125, 150 and 200 % scaling (QT_SCALE_FACTOR).
class tst_WindowHints_win : public QObject {
    Q_OBJECT

private slots:
    void everyWindowHasAFixedDialogFrame();
    void onlyTheMainWindowIsInTheTaskbar();
    void windowsAreCentredFrameIncluded();
    void aboutRegionKeepsTheFrameAndCutsTheBands();
};

namespace {

HWND Handle(const QWidget &window)
{
    return reinterpret_cast<HWND>(window.winId());
}

LONG_PTR Style(const QWidget &window)
{
    return GetWindowLongPtrW(Handle(window), GWL_STYLE);
}

// Runs the check on each of the three windows as the player meets them, shown.
void ForEachWindow(const std::function<void(QWidget &window, bool isMain)> &check)
{
    MainWindowDriver driver;
    driver.Window().show();
    check(driver.Window(), true);
    frmAbout about;
    WindowHints::StayAbove(&about, &driver.Window());
    RunModal(about, [&](frmAbout &shown) {
        check(shown, false);
        shown.cmdOK->click();
    });
    frmSelectImage chooser;
    WindowHints::StayAbove(&chooser, &driver.Window());
    RunModal(chooser, [&](frmSelectImage &shown) {
        check(shown, false);
        shown.cmdCancel->click();
    });
}

} // namespace

// A caption and a close box on a frame that cannot be resized, minimised or maximised.
void tst_WindowHints_win::everyWindowHasAFixedDialogFrame()
{
    ForEachWindow([](QWidget &window, bool) {
        const LONG_PTR style = Style(window);
        QCOMPARE(style & WS_CAPTION, LONG_PTR(WS_CAPTION));
        QCOMPARE(style & WS_SYSMENU, LONG_PTR(WS_SYSMENU));
        QCOMPARE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), LONG_PTR(0));
    });
}

// Windows gives a taskbar button to an unowned window; the dialogs are owned and no app windows.
void tst_WindowHints_win::onlyTheMainWindowIsInTheTaskbar()
{
    ForEachWindow([](QWidget &window, bool isMain) {
        const HWND owner = GetWindow(Handle(window), GW_OWNER);
        QCOMPARE(owner == nullptr, isMain);
        QCOMPARE(GetWindowLongPtrW(Handle(window), GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW), LONG_PTR(0));
    });
}

// The whole window, frame included, has its middle in the middle of the work area.
void tst_WindowHints_win::windowsAreCentredFrameIncluded()
{
    ForEachWindow([](QWidget &window, bool) {
        RECT outer{};
        GetWindowRect(Handle(window), &outer);
        const qreal ratio = window.devicePixelRatio();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QPointF middle(available.left() + available.width() / 2.0, available.top() + available.height() / 2.0);
        QVERIFY(std::abs((outer.left + outer.right) / 2.0 - middle.x() * ratio) <= ratio + 1);
        QVERIFY(std::abs((outer.top + outer.bottom) / 2.0 - middle.y() * ratio) <= ratio + 1);
    });
}

// In pixels of the whole window: the frame stays whole and, of the client area, only the picture box
// stays, its edges rounded a half to the even pixel.
void tst_WindowHints_win::aboutRegionKeepsTheFrameAndCutsTheBands()
{
    // The picture box (18, 13, 349 x 84) in the client area's own pixels: left, top, right, bottom.
    const std::map<int, QRect> pictureBox{
        {100, QRect(QPoint(18, 13), QPoint(366, 96))},
        {125, QRect(QPoint(22, 16), QPoint(458, 120))},  // 22.5, 16.25, 458.75, 121.25
        {150, QRect(QPoint(27, 20), QPoint(549, 145))},  // 19.5 and 145.5 go up, 550.5 down
        {200, QRect(QPoint(36, 26), QPoint(733, 193))},
    };
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const int percent = qRound(about.devicePixelRatio() * 100);
    QVERIFY2(pictureBox.count(percent), qPrintable(QStringLiteral("no case for %1 %").arg(percent)));

    const HWND handle = Handle(about);
    RECT outer{};
    RECT inner{};
    GetWindowRect(handle, &outer);
    GetClientRect(handle, &inner);
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    const QPoint client(origin.x - outer.left, origin.y - outer.top);
    HRGN expected = CreateRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top);
    HRGN clientArea = CreateRectRgn(client.x(), client.y(), client.x() + inner.right, client.y() + inner.bottom);
    const QRect box = pictureBox.at(percent).translated(client);
    HRGN kept = CreateRectRgn(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    CombineRgn(expected, expected, clientArea, RGN_DIFF);
    CombineRgn(expected, expected, kept, RGN_OR);
    HRGN held = CreateRectRgn(0, 0, 0, 0);
    QCOMPARE(GetWindowRgn(handle, held), COMPLEXREGION);
    QVERIFY(EqualRgn(held, expected));
    for (HRGN region : {expected, clientArea, kept, held})
        DeleteObject(region);
}

QTEST_MAIN(tst_WindowHints_win)
#include "tst_WindowHints_win.moc"
