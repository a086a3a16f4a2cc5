// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"
#include "library/frmSelectImage.h"
#include "support/MainWindowDriver.h"
#include "support/ModalAnswerer.h"
#include "windows/frmAbout.h"

#include <QApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <cmath>
#include <functional>
#include <map>
#include <windows.h>

// What Windows itself holds of the game's windows: frames, owners, places and the About window's region.
// CTest runs it at 100, 125, 150, 175 and 200 % scaling, as Qt scales (QT_SCALE_FACTOR) and as Windows itself
// does (the system's DPI, frame included).
class tst_WindowHints_win : public QObject {
    Q_OBJECT

private slots:
    void everyWindowHasAFixedDialogFrame();
    void onlyTheMainWindowIsInTheTaskbar();
    void windowsAreCentredFrameIncluded();
    void aboutRegionKeepsTheFrameAndCutsTheBands();
    void aboutRegionFollowsItsSizeAndScale();
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

namespace {

// The picture box (18, 13, 349 x 84) in the client area's pixels at each scale, before rounding: left, top,
// right and bottom edges.
struct Edges {
    float left, top, right, bottom;
};
const std::map<int, Edges> PictureBox{
    {100, {18, 13, 367, 97}},
    {125, {22.5f, 16.25f, 458.75f, 121.25f}},
    {150, {27, 19.5f, 550.5f, 145.5f}},
    {175, {31.5f, 22.75f, 642.25f, 169.75f}},
    {200, {36, 26, 734, 194}},
};

int Percent(const QWidget &window)
{
    return qRound(window.devicePixelRatio() * 100);
}

int Nearest(float value)
{
    return int(std::nearbyint(value));
}

// What the window's region must be, from the sizes Windows reports now: the frame, told apart from the
// client area by the outer and client sizes (the left, right and bottom borders alike), and the picture
// box placed past the frame, each sum rounded to the nearest pixel, a half to the even one.
HRGN ShapeByTheRule(const QWidget &window, const Edges &box)
{
    RECT outer{};
    RECT inner{};
    GetWindowRect(Handle(window), &outer);
    GetClientRect(Handle(window), &inner);
    const float width = float(outer.right - outer.left);
    const float height = float(outer.bottom - outer.top);
    const float border = (width - float(inner.right)) / 2;
    const float top = height - border - float(inner.bottom);
    HRGN shape = CreateRectRgn(0, 0, Nearest(width), Nearest(height));
    HRGN client = CreateRectRgn(Nearest(border), Nearest(top), Nearest(width - border), Nearest(height - border));
    HRGN picture = CreateRectRgn(Nearest(border + box.left), Nearest(top + box.top), Nearest(border + box.right),
                                 Nearest(top + box.bottom));
    CombineRgn(shape, shape, client, RGN_DIFF);
    CombineRgn(shape, shape, picture, RGN_OR);
    DeleteObject(client);
    DeleteObject(picture);
    return shape;
}

void CompareRegionWithTheRule(const QWidget &about)
{
    const int percent = Percent(about);
    QVERIFY2(PictureBox.count(percent), qPrintable(QStringLiteral("no case for %1 %").arg(percent)));
    HRGN expected = ShapeByTheRule(about, PictureBox.at(percent));
    HRGN held = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(Handle(about), held);
    const bool equal = EqualRgn(held, expected);
    DeleteObject(expected);
    DeleteObject(held);
    QCOMPARE(kind, COMPLEXREGION);
    QVERIFY2(equal, qPrintable(QStringLiteral("at %1 %").arg(percent)));
}

} // namespace

// In pixels of the whole window: the frame stays whole and, of the client area, only the picture box stays.
void tst_WindowHints_win::aboutRegionKeepsTheFrameAndCutsTheBands()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // Run at a system DPI (TILORA_WINE_DPI), the window has Windows' own scale.
    if (const int dpi = qEnvironmentVariableIntValue("TILORA_WINE_DPI"))
        QCOMPARE(Percent(about), dpi * 100 / 96);
    CompareRegionWithTheRule(about);
}

// Windows sizes an open window anew when its scale changes, and its frame with it: the region follows at
// once, without waiting for the window to be activated again.
void tst_WindowHints_win::aboutRegionFollowsItsSizeAndScale()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.setFixedSize(about.width() + 31, about.height() + 17);
    QTRY_COMPARE(about.windowHandle()->size(), QSize(385 + 31, 110 + 17));
    CompareRegionWithTheRule(about);

    // Qt's own factor stands in for a new monitor only over Windows' 100 %: over a system DPI it takes
    // that DPI's place.
    if (qEnvironmentVariableIsSet("TILORA_WINE_DPI"))
        return;
    QScreen *screen = about.screen();
    const int from = Percent(about);
    const int to = from == 200 ? 175 : from + 25;
    QHighDpiScaling::setScreenFactor(screen, qreal(to) / from);
    const auto restore = qScopeGuard([screen] { QHighDpiScaling::setScreenFactor(screen, 1); });
    QTRY_COMPARE(Percent(about), to);
    QTest::qWait(100);
    CompareRegionWithTheRule(about);
}

QTEST_MAIN(tst_WindowHints_win)
#include "tst_WindowHints_win.moc"
