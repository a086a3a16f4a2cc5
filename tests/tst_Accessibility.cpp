// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/MainWindowDriver.h"
#include "windows/frmAbout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Everything a screen reader reaches by walking down from the window.
QList<QAccessibleInterface *> AccessibleTree(QWidget *window)
{
    QList<QAccessibleInterface *> found;
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        found.append(node);
        for (int i = 0; i < node->childCount(); ++i)
            pending.append(node->child(i));
    }
    return found;
}

QList<QAccessibleInterface *> WithRole(QWidget *window, QAccessible::Role role)
{
    QList<QAccessibleInterface *> matching;
    for (QAccessibleInterface *node : AccessibleTree(window)) {
        if (node->role() == role)
            matching.append(node);
    }
    return matching;
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    // The main window's icon-only buttons are told apart by name and purpose alone.
    void mainWindowButtonsAreNamed();
    // So are the chooser's OK and Cancel.
    void chooserButtonsAreNamed();
    // And the About window's OK.
    void aboutButtonIsNamed();
    // Each board cell and the clock are announced by a name; the cells are told apart.
    void cellsAndClockAreNamed();
    // The chooser's list and preview are named, and its entries read as the file names.
    void chooserContentIsNamed();

private:
    void CheckButtons(QWidget *window, const QStringList &names);

    std::unique_ptr<QTemporaryDir> folder;
};

void tst_Accessibility::init()
{
    folder = std::make_unique<QTemporaryDir>();
    ImageFolder = folder->path();
}

void tst_Accessibility::mainWindowButtonsAreNamed()
{
    MainWindowDriver main;
    CheckButtons(&main.Window(), {"New Game", "About", "Exit"});
}

void tst_Accessibility::chooserButtonsAreNamed()
{
    frmSelectImage chooser;
    CheckButtons(&chooser, {"OK", "Cancel"});
}

void tst_Accessibility::aboutButtonIsNamed()
{
    frmAbout about;
    CheckButtons(&about, {"OK"});
}

// The buttons the tree holds must be exactly the expected ones, in the window's order.
void tst_Accessibility::CheckButtons(QWidget *window, const QStringList &names)
{
    QStringList found;
    for (QAccessibleInterface *button : WithRole(window, QAccessible::Button)) {
        const QString name = button->text(QAccessible::Name);
        found.append(name);
        QVERIFY2(!button->text(QAccessible::Description).isEmpty(), qPrintable(name));
        const auto *widget = qobject_cast<QAbstractButton *>(button->object());
        QVERIFY(widget);
        QVERIFY2(widget->text().isEmpty(), qPrintable(name));
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(name));
        QVERIFY2(!widget->icon().isNull(), qPrintable(name));
    }
    QCOMPARE(found, names);
}

void tst_Accessibility::cellsAndClockAreNamed()
{
    MainWindowDriver main;
    QSet<QString> cellNames;
    for (int i = 0; i < board::Cells; ++i) {
        const QString name = QAccessible::queryAccessibleInterface(main.PicArr(i))->text(QAccessible::Name);
        QVERIFY(!name.isEmpty());
        cellNames.insert(name);
    }
    QCOMPARE(cellNames.size(), 48);

    const QList<QAccessibleInterface *> bars = WithRole(&main.Window(), QAccessible::ProgressBar);
    QCOMPARE(bars.size(), 1);
    QVERIFY(!bars.first()->text(QAccessible::Name).isEmpty());
}

void tst_Accessibility::chooserContentIsNamed()
{
    QFile picture(JoinPath(ImageFolder, QStringLiteral("lake.jpg")));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.close();

    frmSelectImage chooser;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(chooser.List1);
    QVERIFY(!list->text(QAccessible::Name).isEmpty());
    QVERIFY(!QAccessible::queryAccessibleInterface(chooser.picplay)->text(QAccessible::Name).isEmpty());
    QStringList entries;
    for (QAccessibleInterface *node : WithRole(&chooser, QAccessible::ListItem))
        entries.append(node->text(QAccessible::Name));
    QCOMPARE(entries, QStringList{"lake.jpg"});
}

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
