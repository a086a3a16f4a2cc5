// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/PictureCell.h"

#include "desktop/Artwork.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMouseEvent>

namespace {

// Names the cell when a screen reader asks: setting 48 accessible names up front would have
// Qt build an accessible object for every cell while the window starts.
class CellAccessibility : public QAccessibleWidget {
public:
    explicit CellAccessibility(PictureCell *cell)
        : QAccessibleWidget(cell)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return PictureCell::tr("Cell %1").arg(static_cast<const PictureCell *>(widget())->Index + 1);
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *CellAccessibilityFactory(const QString &className, QObject *object)
{
    auto *cell = qobject_cast<PictureCell *>(object);
    if (!cell || className != QLatin1String("PictureCell"))
        return nullptr;
    return new CellAccessibility(cell);
}

} // namespace

PictureCell::PictureCell(int index, QWidget *parent)
    : PictureBox(parent)
    , Index(index)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(CellAccessibilityFactory);
        return true;
    }();
}

void PictureCell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || dragging)
        return;
    dragging = true;
    QGuiApplication::setOverrideCursor(Artwork::DragCursor());
}

void PictureCell::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !dragging)
        return;
    EndDrag();
    emit Released(this, event->globalPosition().toPoint());
}

// A cell hidden under the pointer (the clock ran out mid-drag) never sees its release.
void PictureCell::hideEvent(QHideEvent *event)
{
    CancelDrag();
    PictureBox::hideEvent(event);
}

void PictureCell::CancelDrag()
{
    if (dragging)
        EndDrag();
}

void PictureCell::EndDrag()
{
    dragging = false;
    QGuiApplication::restoreOverrideCursor();
}
