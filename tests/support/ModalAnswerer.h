// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class frmSelectImage;

// Answers the modal windows the main window opens, as a player would, while a test waits in
// the handler that opened them: the chooser as the test says, About with its OK, and a message
// box by noting its text and closing it.
class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    using Choice = std::function<void(frmSelectImage &)>;

    explicit ModalAnswerer(Choice choice);

    // Selects the entry with that file name, waits for its preview, then presses OK.
    static Choice Pick(const QString &fileName);
    static Choice Cancel();

    QStringList Messages;
    int ChoosersAnswered = 0;
    int AboutsClosed = 0;

private:
    void Answer();

    Choice choice;
    QTimer poll;
};
