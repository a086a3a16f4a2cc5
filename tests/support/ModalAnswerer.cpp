// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalAnswerer.h"

#include "library/frmSelectImage.h"
#include "windows/frmAbout.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

ModalAnswerer::ModalAnswerer(Choice choice)
    : choice(std::move(choice))
{
    poll.setInterval(1);
    connect(&poll, &QTimer::timeout, this, &ModalAnswerer::Answer);
    poll.start();
}

ModalAnswerer::Choice ModalAnswerer::Pick(const QString &fileName)
{
    return [fileName](frmSelectImage &chooser) {
        for (int row = 0; row < chooser.List1->count(); ++row) {
            if (chooser.List(row) != fileName)
                continue;
            QObject::connect(&chooser, &frmSelectImage::PreviewChanged, chooser.cmdOK, &QPushButton::click,
                             Qt::QueuedConnection);
            chooser.List1->setCurrentRow(row);
            return;
        }
        chooser.cmdOK->click();
    };
}

ModalAnswerer::Choice ModalAnswerer::Cancel()
{
    return [](frmSelectImage &chooser) { chooser.cmdCancel->click(); };
}

void ModalAnswerer::Answer()
{
    QWidget *modal = QApplication::activeModalWidget();
    // A window is answered once; the next one may well reuse its address.
    if (!modal || modal->property("answered").toBool())
        return;
    modal->setProperty("answered", true);
    if (auto *chooser = qobject_cast<frmSelectImage *>(modal)) {
        ++ChoosersAnswered;
        choice(*chooser);
    } else if (auto *about = qobject_cast<frmAbout *>(modal)) {
        ++AboutsClosed;
        about->cmdOK->click();
    } else if (auto *message = qobject_cast<QMessageBox *>(modal)) {
        Messages += message->text();
        message->accept();
    }
}
