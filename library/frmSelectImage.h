// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

class QLabel;
class QListWidget;
class QPushButton;

// The modal picture chooser. The caller reads Tag ("True" after OK, "False" after any
// other way of closing) and the selected file name once exec() has returned.
class frmSelectImage : public QDialog {
    Q_OBJECT

public:
    explicit frmSelectImage(QWidget *parent = nullptr);

    QString Tag;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *picplay = nullptr;

    // The selected entry, -1 when none.
    int ListIndex() const;
    // The file name of entry n, exactly as on disk; "" for -1.
    QString List(int n) const;

    void reject() override;
    void setVisible(bool visible) override;

signals:
    // The preview was repainted or cleared.
    void PreviewChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateControls();
    void Form_Load();
    void FillImageList();
    void AddItem(const QString &fileName);
    void List1_Click();
    void ShowPreview();
    void ClearPreview(const QString &reason);
    void cmdOK_Click();
    void cmdCancel_Click();

    QTimer previewTimer;
};
