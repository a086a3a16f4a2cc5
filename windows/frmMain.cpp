// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmMain.h"

#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "desktop/Artwork.h"
#include "desktop/IconButton.h"
#include "desktop/TitleWords.h"
#include "desktop/Translations.h"
#include "windows/PictureCell.h"
#include "desktop/WindowHints.h"
#include "windows/frmAbout.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <string_view>
#include <utility>

namespace {

constexpr QPoint PlayAreaOrigin(10, 12);

// The rules speak English: their result texts are marked here so that the player reads them in
// the program's language, and the build fails when the rules change one.
constexpr std::string_view ResultTexts[] = {
    QT_TRANSLATE_NOOP("frmMain", "You Win!"),
    QT_TRANSLATE_NOOP("frmMain", "Congratulation, You Win!"),
    QT_TRANSLATE_NOOP("frmMain", "Sorry, You Fail!"),
};
static_assert(ResultTexts[0] == game::GameFlow::InitialText && ResultTexts[1] == game::GameFlow::WinText
              && ResultTexts[2] == game::GameFlow::LossText);

// Tests, like any tool from outside, find the controls by these names.
template <typename Child>
Child *Named(Child *child, const QString &name)
{
    child->setObjectName(name);
    return child;
}

} // namespace

frmMain::frmMain(board::RandomSource &random, std::function<float()> clock, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , Game(random, std::move(clock))
{
    setWindowTitle(QStringLiteral("Tilora"));
    setWindowIcon(Artwork::WindowIcon());
    setFixedSize(349, 329);
    // First, so the window manager has told its frame by the time the window is shown.
    WindowHints::CentreOnScreen(this);
    CreatePlayArea();
    CreateResultLabel();
    CreateCommands();
    CreateClock();
    CreateShortcuts();
    Game.SetListener(this);
    Form_Load();
    StateChanged();
}

void frmMain::setVisible(bool visible)
{
    WindowHints::SetVisibleCentred(this, visible, [this](bool shown) { QWidget::setVisible(shown); });
}

void frmMain::CreatePlayArea()
{
    Picture1 = Named(new QWidget(this), QStringLiteral("Picture1"));
    Picture1->setGeometry(4, 4, 341, 265);
    Picture1->setAutoFillBackground(true);
    Picture1->setPalette(QPalette(Qt::black));

    for (int i = 0; i < board::Cells; ++i) {
        const board::Point origin = board::PieceOrigin(i);
        auto *cell = Named(new PictureCell(i, Picture1), QStringLiteral("PicArr(%1)").arg(i));
        cell->setGeometry(PlayAreaOrigin.x() + origin.x, PlayAreaOrigin.y() + origin.y, board::PieceEdge, board::PieceEdge);
        connect(cell, &PictureCell::Released, this, &frmMain::CellReleased);
        PicArr[i] = cell;
    }

    picplay = Named(new PictureBox(Picture1), QStringLiteral("picplay"));
    picplay->setGeometry(QRect(PlayAreaOrigin, PlaySize()));
    picplay->SetPicture(TitleWords::StartPicture(devicePixelRatio()));
    picplay->setAccessibleName(tr("Whole picture"));
}

void frmMain::CreateResultLabel()
{
    lblGameResult = Named(new QLabel(tr(game::GameFlow::InitialText), picplay), QStringLiteral("lblGameResult"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(15.75);
    font.setBold(true);
    lblGameResult->setFont(font);
    // A light fill keeps the navy text readable over dark pictures.
    QPalette colours = lblGameResult->palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    colours.setColor(QPalette::Window, QColor(255, 250, 220));
    lblGameResult->setPalette(colours);
    lblGameResult->setAutoFillBackground(true);
    lblGameResult->setMargin(4);
    lblGameResult->move(106, 106);
}

void frmMain::CreateCommands()
{
    cmdNewGame = Named(IconButton(this, Artwork::WindowIcon(), tr("New Game"), tr("Choose a picture and start a new game")),
                       QStringLiteral("cmdNewGame"));
    cmdNewGame->setGeometry(4, 274, 47, 51);
    cmdAbout = Named(IconButton(this, Artwork::ButtonFace(QStringLiteral(":/art/about.argb32")), tr("About"), tr("About Tilora")),
                     QStringLiteral("cmdAbout"));
    cmdAbout->setGeometry(54, 274, 46, 50);
    // The face spells EXIT to a player who reads English; any other sees the arrow leave through a door.
    const QString exitFace = Translations::Shown().isEmpty() ? QStringLiteral(":/art/exit.argb32") : QStringLiteral(":/art/leave.argb32");
    cmdExit = Named(IconButton(this, Artwork::ButtonFace(exitFace), tr("Exit"), tr("Close Tilora")), QStringLiteral("cmdExit"));
    cmdExit->setGeometry(104, 274, 46, 50);
    connect(cmdNewGame, &QPushButton::clicked, this, &frmMain::cmdNewGame_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

void frmMain::CreateClock()
{
    ProgressBar1 = Named(new QProgressBar(this), QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(154, 274, 191, 50);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(tr("Time used"));

    Timer1 = Named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
}

void frmMain::CreateShortcuts()
{
    connect(new QShortcut(QKeySequence::New, this), &QShortcut::activated, this, &frmMain::cmdNewGame_Click);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, &frmMain::cmdAbout_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, &frmMain::cmdExit_Click);
}

void frmMain::Form_Load()
{
    ImageFolder = JoinPath(ApplicationFolder(), QStringLiteral("images"));
}

void frmMain::Form_Unload()
{
    Game.Unload();
}

// A dialog opened by a key while a cell is held takes the mouse, and the release goes to it.
bool frmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowBlocked) {
        for (PictureCell *cell : PicArr)
            cell->CancelDrag();
    }
    return QWidget::event(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::cmdNewGame_Click()
{
    Game.Pause();
    frmSelectImage chooser;
    WindowHints::StayAbove(&chooser, this);
    chooser.exec();
    if (chooser.Tag.compare(QLatin1String("True"), Qt::CaseInsensitive) != 0)
        return;
    if (chooser.List(chooser.ListIndex()).isEmpty())
        return;
    PicturePath = JoinPath(ImageFolder, chooser.List(chooser.ListIndex()));
    StartGame();
}

void frmMain::cmdAbout_Click()
{
    frmAbout about;
    WindowHints::StayAbove(&about, this);
    about.exec();
}

// The picture is prepared before anything changes, so a file that cannot be opened
// leaves the game exactly as it was.
void frmMain::StartGame()
{
    const PreparedPicture prepared = PictureLoader::Prepare(PicturePath, PlaySize() * devicePixelRatio());
    if (!prepared.ok()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The picture \"%1\" could not be opened.\n\n%2")
                                 .arg(QFileInfo(PicturePath).fileName(), prepared.error));
        return;
    }
    QImage picture = prepared.image;
    picture.setDevicePixelRatio(devicePixelRatio());
    picplay->SetPicture(picture);
    show();
    Game.StartGame();
    repaint();
}

void frmMain::BoardDealt()
{
    for (int i = 0; i < board::Cells; ++i)
        DrawPiece(Game.board().PieceAt()[i], i);
}

void frmMain::DrawPiece(int piece, int cell)
{
    const QImage &picture = picplay->Picture();
    const qreal ratio = picture.devicePixelRatio();
    const board::Point origin = board::PieceOrigin(piece);
    const QRect source(QPointF(origin.x * ratio, origin.y * ratio).toPoint(),
                       QSizeF(board::PieceEdge * ratio, board::PieceEdge * ratio).toSize());
    QImage image = picture.copy(source);
    image.setDevicePixelRatio(ratio);
    PicArr[cell]->SetPicture(image);
}

void frmMain::Timer1_Timer()
{
    Game.Timer1_Timer();
}

void frmMain::PicArr_DragDrop(int Index, QWidget *Source, float, float)
{
    const auto *source = qobject_cast<PictureCell *>(Source);
    if (!source)
        return;
    Game.PicArr_DragDrop(Index, source->Index);
}

// The cells' images travel with their pieces instead of being painted anew.
void frmMain::PiecesSwapped(int a, int b)
{
    const QImage kept = PicArr[a]->Picture();
    PicArr[a]->SetPicture(PicArr[b]->Picture());
    PicArr[b]->SetPicture(kept);
}

PictureCell *frmMain::CellAt(QPoint globalPosition) const
{
    // Under another window the release lands on that window, not on the cell it hides.
    if (!WindowHints::ShowsAt(this, globalPosition))
        return nullptr;
    const QPoint position = Picture1->mapFromGlobal(globalPosition);
    for (PictureCell *cell : PicArr) {
        if (cell->isVisible() && cell->geometry().contains(position))
            return cell;
    }
    return nullptr;
}

void frmMain::CellReleased(PictureCell *source, QPoint globalPosition)
{
    PictureCell *target = CellAt(globalPosition);
    if (!target)
        return;
    const QPointF drop = target->mapFromGlobal(QPointF(globalPosition));
    PicArr_DragDrop(target->Index, source, float(drop.x()), float(drop.y()));
}

void frmMain::StateChanged()
{
    picplay->setVisible(!Game.CellsVisible());
    for (PictureCell *cell : PicArr)
        cell->setVisible(Game.CellsVisible());
    ShowResultLabel();

    const game::ProgressBarState &bar = Game.ProgressBar1();
    ProgressBar1->setRange(int(bar.Min), int(bar.Max));
    ProgressBar1->setValue(int(bar.Value));

    if (!Game.TimerEnabled())
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void frmMain::ShowResultLabel()
{
    const QString text = tr(Game.ResultText().c_str());
    const bool changed = lblGameResult->text() != text;
    const bool appearing = Game.ResultVisible() && !lblGameResult->isVisible();
    if (changed)
        lblGameResult->setText(text);
    // Sized only when shown: measuring the caption loads the fonts, which the hidden label
    // would otherwise make start-up wait for.
    if (Game.ResultVisible() && (changed || appearing))
        lblGameResult->adjustSize();
    if (appearing)
        lblGameResult->move((picplay->width() - lblGameResult->width()) / 2,
                            (picplay->height() - lblGameResult->height()) / 2);
    lblGameResult->setVisible(Game.ResultVisible());
}
