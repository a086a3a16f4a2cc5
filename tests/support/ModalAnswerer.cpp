// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalAnswerer.h"

#include "library/frmSelectImage.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace {

int answerersMade = 0;

} // namespace

ModalAnswerer::ModalAnswerer(Action action)
    : action(std::move(action))
    , serial(++answerersMade)
{
    poll.setInterval(1);
    connect(&poll, &QTimer::timeout, this, &ModalAnswerer::AnswerNext);
    poll.start();
}

ModalAnswerer::Action ModalAnswerer::AsPlayer(Choice choice)
{
    return [choice](QWidget &modal) {
        if (auto *chooser = qobject_cast<frmSelectImage *>(&modal)) {
            choice(*chooser);
            return;
        }
        for (auto *button : modal.findChildren<QPushButton *>()) {
            if (button->isDefault()) {
                button->click();
                return;
            }
        }
        if (auto *dialog = qobject_cast<QDialog *>(&modal))
            dialog->accept();
    };
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

qsizetype ModalAnswerer::Answered(const char *className) const
{
    return Opened.count(QLatin1String(className));
}

void ModalAnswerer::AnswerNext()
{
    QWidget *modal = QApplication::activeModalWidget();
    // Marked on the window itself: a later window may reuse its address, but not its properties.
    if (!modal || modal->property("answeredBy").toInt() == serial)
        return;
    modal->setProperty("answeredBy", serial);
    Opened += QString::fromLatin1(modal->metaObject()->className());
    if (const auto *message = qobject_cast<QMessageBox *>(modal))
        Messages += message->text();
    action(*modal);
}
