// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/frmSelectImage.h"

#include "library/FolderSearch.h"
#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "desktop/Artwork.h"
#include "desktop/IconButton.h"
#include "desktop/WindowHints.h"

#include <QCollator>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <utility>

namespace {

// Linux lists a folder in no useful order, and Windows by upper-cased code units, so the names are
// sorted as the desktop's file manager shows them: by the locale's rules, ignoring case, "photo2" before "photo10".
// Names that differ only in case keep one fixed order.
void SortAsFileManager(QStringList &names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

// Controls and bidirectional overrides, which would let a name show as another name.
bool Misleads(char16_t c)
{
    return (c >= 0x80 && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

// A control character would break the entry's line or disguise the name; the name itself stays as it is.
QString Shown(QString fileName)
{
    for (QChar &c : fileName) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f)
            c = QChar(0x2421);
        else if (Misleads(c.unicode()))
            c = QChar(QChar::ReplacementCharacter);
    }
    return fileName;
}

} // namespace

frmSelectImage::frmSelectImage(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Select Game"));
    setWindowModality(Qt::ApplicationModal);
    // Windows draws a thin dialog frame, which cannot be dragged to another size.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(257, 174);
    WindowHints::CentreOnScreen(this);
    CreateControls();

    // Holding an arrow key down must not queue a decode per entry: only the entry
    // selected when the events have settled is previewed.
    previewTimer.setSingleShot(true);
    previewTimer.setInterval(0);
    connect(&previewTimer, &QTimer::timeout, this, &frmSelectImage::ShowPreview);

    Form_Load();
}

void frmSelectImage::CreateControls()
{
    cmdOK = IconButton(this, Artwork::ButtonFace(QStringLiteral(":/art/tick.png")), tr("OK"),
                       tr("Start a new game with the selected picture"));
    cmdOK->setGeometry(146, 6, 109, 37);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmSelectImage::cmdOK_Click);

    cmdCancel = IconButton(this, Artwork::ButtonFace(QStringLiteral(":/art/cross.png")), tr("Cancel"),
                           tr("Close without starting a game"));
    cmdCancel->setGeometry(146, 48, 109, 37);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSelectImage::cmdCancel_Click);

    List1 = new QListWidget(this);
    List1->setGeometry(4, 6, 135, 160);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(tr("Pictures"));
    connect(List1, &QListWidget::itemSelectionChanged, this, &frmSelectImage::List1_Click);

    picplay = new QLabel(this);
    picplay->setGeometry(146, 88, 107, 80);
    picplay->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picplay->setAlignment(Qt::AlignCenter);
    picplay->setWordWrap(true);
    picplay->setAccessibleName(tr("Preview"));
}

int frmSelectImage::ListIndex() const
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

QString frmSelectImage::List(int n) const
{
    const QListWidgetItem *entry = List1->item(n);
    return entry ? entry->data(Qt::UserRole).toString() : QString();
}

void frmSelectImage::Form_Load()
{
    FillImageList();
}

void frmSelectImage::FillImageList()
{
    QStringList names = FolderSearch::MatchingFiles(JoinPath(ImageFolder, QStringLiteral("*.jpg")));
    SortAsFileManager(names);
    for (const QString &name : std::as_const(names))
        AddItem(name);
}

void frmSelectImage::AddItem(const QString &fileName)
{
    auto *entry = new QListWidgetItem(Shown(fileName), List1);
    entry->setData(Qt::UserRole, fileName);
}

void frmSelectImage::List1_Click()
{
    previewTimer.start();
}

void frmSelectImage::ShowPreview()
{
    const int index = ListIndex();
    if (index < 0)
        return;
    const qreal ratio = devicePixelRatio();
    // The same preparation as the game's, so a game started from here finds it ready.
    const PreparedPicture picture = PictureLoader::Prepare(JoinPath(ImageFolder, List(index)), PlaySize() * ratio);
    if (!picture.ok()) {
        ClearPreview(picture.error);
        return;
    }
    QImage preview = picture.image.scaled(picplay->contentsRect().size() * ratio, Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation);
    preview.setDevicePixelRatio(ratio);
    picplay->setToolTip(QString());
    picplay->setPixmap(QPixmap::fromImage(preview));
    emit PreviewChanged();
}

void frmSelectImage::ClearPreview(const QString &reason)
{
    picplay->setText(tr("Cannot open"));
    picplay->setToolTip(reason);
    emit PreviewChanged();
}

void frmSelectImage::cmdOK_Click()
{
    Tag = QStringLiteral("True");
    accept();
}

void frmSelectImage::cmdCancel_Click()
{
    Tag = QStringLiteral("False");
    QDialog::reject();
}

// Escape and the title bar's close button answer as Cancel does.
void frmSelectImage::reject()
{
    cmdCancel_Click();
}

void frmSelectImage::setVisible(bool visible)
{
    WindowHints::SetVisibleCentred(this, visible, [this](bool shown) { QDialog::setVisible(shown); });
}

void frmSelectImage::showEvent(QShowEvent *event)
{
    WindowHints::KeepOffTaskbar(this);
    QDialog::showEvent(event);
}
