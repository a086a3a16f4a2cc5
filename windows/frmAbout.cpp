// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmAbout.h"

#include "desktop/Artwork.h"
#include "desktop/IconButton.h"
#include "desktop/TitleWords.h"
#include "desktop/WindowHints.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegion>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About ..."));
    setWindowIcon(Artwork::WindowIcon());
    setWindowModality(Qt::ApplicationModal);
    // Where there are no window shapes, the bands are cut away by leaving them unpainted.
    setAttribute(Qt::WA_TranslucentBackground, WindowHints::SeeThroughWindows());
    // Windows draws a thin dialog frame, which cannot be dragged to another size.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(385, 110);
    WindowHints::CentreOnScreen(this);
    CreateControls();
}

void frmAbout::CreateControls()
{
    Picture1 = new QLabel(this);
    Picture1->setGeometry(18, 13, 349, 84);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect inner = Picture1->contentsRect();
    const QImage about = TitleWords::AboutPicture(devicePixelRatio());
    QImage shown = about.copy(QRect(QPoint(0, 0), inner.size() * about.devicePixelRatio()));
    shown.setDevicePixelRatio(about.devicePixelRatio());
    Picture1->setPixmap(QPixmap::fromImage(shown));
    Picture1->setAccessibleName(tr("About Tilora"));
    Picture1->setAccessibleDescription(tr("Tilora, a picture tile puzzle. Version 1.0."));

    cmdOK = IconButton(Picture1, Artwork::ButtonFace(QStringLiteral(":/art/tick.png")), tr("OK"),
                       tr("Close the About window"));
    cmdOK->setGeometry(inner.x() + 282, inner.y() + 4, 53, 29);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::ApplyWindowShape()
{
    QRegion shape;
    for (QObject *child : children()) {
        const auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && control->isVisibleTo(this))
            shape += control->geometry();
    }
    // Noted first: handing the shape over may deliver events to this window at once.
    shapedSize = size();
    shapedRatio = devicePixelRatio();
    WindowHints::SetShape(this, shape);
}

void frmAbout::Form_Activate()
{
    ApplyWindowShape();
}

// Windows sizes the window anew, frame and all, when its scale changes (moved to another monitor, or
// the setting changed): the shape is then rebuilt for the new pixels. Qt 6.4 has no event of its own
// for a new pixel ratio, so whichever event follows the change finds it.
bool frmAbout::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (isVisible() && (size() != shapedSize || devicePixelRatio() != shapedRatio))
        ApplyWindowShape();
    return QDialog::event(event);
}

// Platforms that never activate the window still get its shape before it is mapped.
void frmAbout::showEvent(QShowEvent *event)
{
    ApplyWindowShape();
    WindowHints::KeepOffTaskbar(this);
    QDialog::showEvent(event);
}

// Wayland windows get the frame Qt draws for them only as they are shown; until the window is
// activated, the title bar would otherwise lie outside the shape and its close button take no clicks.
void frmAbout::setVisible(bool visible)
{
    // Shaped first: whether its outline is shaped decides how the window is centred.
    if (visible)
        ApplyWindowShape();
    WindowHints::SetVisibleCentred(this, visible, [this](bool shown) { QDialog::setVisible(shown); });
    if (visible)
        ApplyWindowShape();
}

void frmAbout::cmdOK_Click()
{
    accept();
}
