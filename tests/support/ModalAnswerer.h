// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <type_traits>

class frmSelectImage;
class QWidget;

// The one way tests drive modal windows: while it lives, it answers each modal window that opens,
// once, from inside that window's own event loop, while the test waits in the call that opened it.
class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    using Action = std::function<void(QWidget &)>;
    using Choice = std::function<void(frmSelectImage &)>;

    explicit ModalAnswerer(Action action);

    // As a player would: the chooser by the choice, any other dialog (About, a message box) by its default button.
    static Action AsPlayer(Choice choice);
    // Selects the entry with that file name, waits for its preview, then presses OK.
    static Choice Pick(const QString &fileName);
    static Choice Cancel();

    // How many windows of the class were answered.
    qsizetype Answered(const char *className) const;

    // The class names of the windows answered, in order, and the texts of the message boxes among them.
    QStringList Opened;
    QStringList Messages;

private:
    void AnswerNext();

    Action action;
    int serial;
    QTimer poll;
};

// Shows the dialog modally and lets act work inside its loop; gives up after five seconds, so a
// dialog that never closes fails the test instead of hanging it. Returns the dialog's result.
template <typename Dialog>
int RunModal(Dialog &dialog, const std::type_identity_t<std::function<void(Dialog &)>> &act)
{
    ModalAnswerer answerer([&](QWidget &modal) {
        QCOMPARE(&modal, static_cast<QWidget *>(&dialog));
        act(dialog);
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &dialog, [&dialog] { dialog.done(-1); });
    giveUp.start(5000);
    return dialog.exec();
}
