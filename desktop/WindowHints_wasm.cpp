// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"

#include "desktop/Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <emscripten/val.h>
#include <QWidget>
#include <QWindow>
#include <algorithm>

// In a web page every window is an element of the page, with a title bar that Qt draws; the screen
// is the part of the page given to the game.
namespace {

// A tab cannot close itself: as the last window closes, the page is told to say that the game has ended.
void TellPageWhenTheGameEnds()
{
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, [] {
        const emscripten::val event = emscripten::val::global("CustomEvent").new_(emscripten::val("tilora-ended"));
        emscripten::val::global("window").call<void>("dispatchEvent", event);
    });
}

// The program cannot reach the browser's fonts, and Qt brings only Latin, Greek and Cyrillic ones: the page
// carries Noto Sans CJK cut down to what the Japanese and Chinese texts show, each language's own face first.
void AddChineseAndJapaneseLettering()
{
    QStringList families;
    for (const QString &file : {QStringLiteral("/fonts/NotoSansCJK-JP-Tilora.otf"), QStringLiteral("/fonts/NotoSansCJK-SC-Tilora.otf")})
        families += QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(file));
    if (Translations::Shown() == QLatin1String("zh_CN"))
        std::reverse(families.begin(), families.end());
    for (const QChar::Script script : {QChar::Script_Han, QChar::Script_Hiragana, QChar::Script_Katakana, QChar::Script_Common})
        QFontDatabase::setApplicationFallbackFontFamilies(script, families);
}

// A browser slows a hidden tab's timers to a tick a second or less, which would leave the game's clock
// crawling where the player cannot see it. Time stands still for the program instead: no timer fires while
// the page is hidden, so the preview and the clock wait for the player to come back.
class StillWhileHidden : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::Timer && emscripten::val::global("document")["hidden"].as<bool>();
    }
};

// What the page asks of the program once, as its main window first appears.
void JoinPage()
{
    [[maybe_unused]] static const bool joined = [] {
        TellPageWhenTheGameEnds();
        AddChineseAndJapaneseLettering();
        QCoreApplication::instance()->installEventFilter(new StillWhileHidden(QCoreApplication::instance()));
        return true;
    }();
}

// Whether Qt is making the window's element right now. The page activates a window as its element
// joins the page, before Qt has recorded the element as the window's: asking for the window's id then
// would make a second element, which takes the window's backing store and leaves the one shown blank.
bool BeingCreated(const QWidget *window)
{
    return window->testAttribute(Qt::WA_WState_Created) && !window->internalWinId();
}

QMargins Frame(QWidget *window)
{
    window->winId();
    return window->windowHandle()->frameMargins();
}

} // namespace

namespace WindowHints {

void CentreOnScreen(QWidget *window)
{
    const QMargins frame = Frame(window);
    QRect framed(QPoint(0, 0), window->size().grownBy(frame));
    framed.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    window->setGeometry(framed.marginsRemoved(frame));
}

// Qt shows a page's main window filling the page without its title bar, at first and whenever it is
// shown again; the game keeps its own size and caption.
void SetVisibleCentred(QWidget *window, bool visible, const std::function<void(bool)> &setVisible)
{
    if (visible)
        window->setWindowState(window->windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    if (!visible || window->isVisible()) {
        setVisible(visible);
        return;
    }
    JoinPage();
    CentreOnScreen(window);
    setVisible(true);
    // Qt's title bar has its height only once the window is in the page.
    CentreOnScreen(window);
}

// A page has no taskbar.
void KeepOffTaskbar(QWidget *) {}

// The window's outline is cut by the page itself, and the page shows through it.
bool SeeThroughWindows()
{
    return false;
}

bool ShowsAt(const QWidget *window, QPoint globalPosition)
{
    return QGuiApplication::topLevelAt(globalPosition) == window->windowHandle();
}

// Qt clips the window's element, title bar included, to the mask, so clicks outside it reach the page.
void SetShape(QWidget *window, const QRegion &client)
{
    // Shaped again as it is shown.
    if (BeingCreated(window))
        return;
    const QMargins frame = Frame(window);
    window->windowHandle()->setMask(ShapeWithFrame(client, window->size(), frame).translated(frame.left(), frame.top()));
}

} // namespace WindowHints
