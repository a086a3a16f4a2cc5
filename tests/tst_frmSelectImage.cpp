// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/ModalAnswerer.h"
#include "support/PictureSamples.h"
#include "support/UnlistedFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

QStringList Entries(const frmSelectImage &dialog)
{
    QStringList names;
    for (int n = 0; n < dialog.List1->count(); ++n)
        names << dialog.List(n);
    return names;
}

QImage Preview(const frmSelectImage &dialog)
{
    return dialog.picplay->pixmap().toImage();
}

bool IsNear(QRgb pixel, QColor expected)
{
    return qAbs(qRed(pixel) - expected.red()) < 40 && qAbs(qGreen(pixel) - expected.green()) < 40
        && qAbs(qBlue(pixel) - expected.blue()) < 40;
}

// True once the preview has changed, waiting for it if it has not yet.
bool Previewed(QSignalSpy &previewChanged)
{
    return !previewChanged.isEmpty() || previewChanged.wait(5000);
}

// Selects a row as the program would see it and waits for the preview it causes.
bool SelectAndWait(frmSelectImage &dialog, int row)
{
    QSignalSpy previewed(&dialog, &frmSelectImage::PreviewChanged);
    dialog.List1->setCurrentRow(row);
    return Previewed(previewed);
}

// A control, or an embedding, override or isolate that reorders what follows it.
bool Misleads(QChar c)
{
    const QChar::Direction direction = c.direction();
    return c.category() == QChar::Other_Control || direction == QChar::DirLRE || direction == QChar::DirLRO
        || direction == QChar::DirRLE || direction == QChar::DirRLO || direction == QChar::DirPDF
        || direction >= QChar::DirLRI;
}

enum class Closing { OkButton, CancelButton, Escape, Close, EnterInList };

} // namespace

class tst_frmSelectImage : public QObject {
    Q_OBJECT

private slots:
    void init();

    void listsOnlyVisibleRegularJpegFiles();
    void listsInFileManagerOrder_data();
    void listsInFileManagerOrder();
    void missingOrEmptyFolderGivesEmptyList();
    void deepFolderIsListedAndPreviewed();
    void unusualNamesSurviveTheList();
    void startsWithNothingChosen();
    void layoutPlacesEveryControl();
    void tabOrderRunsDownTheDialog();
    void closingSetsTag_data();
    void closingSetsTag();
    void answerIsTheLastClickedEntry();
    void previewFillsDrawingAreaStretched_data();
    void previewFillsDrawingAreaStretched();
    void keyboardSelectionPreviewsAsClickDoes();
    void unreadableFileClearsPreview();
    void selectionBurstDecodesOnlyTheLast();

private:
    QString PathOf(const QString &name) const { return JoinPath(folder->path(), name); }
    void WriteJpeg(const QString &name, QColor left, QColor right, QSize size = QSize(640, 480)) const;
    void WriteJpeg(const QString &name, QColor colour) const { WriteJpeg(name, colour, colour); }
    void WriteBytes(const QString &name, const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> folder;
};

void tst_frmSelectImage::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    ImageFolder = folder->path();
    PictureLoader::ClearCache();
}

void tst_frmSelectImage::WriteJpeg(const QString &name, QColor left, QColor right, QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height(), left);
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), right);
    painter.end();
    QVERIFY(image.save(PathOf(name), "JPEG", 95));
}

void tst_frmSelectImage::WriteBytes(const QString &name, const QByteArray &bytes) const
{
    QFile file(PathOf(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Only ordinary files (or links to them) whose name ends in .jpg in any case are listed: no folders, and
// nothing the platform hides.
void tst_frmSelectImage::listsOnlyVisibleRegularJpegFiles()
{
    WriteJpeg("a.jpg", Qt::red);
    WriteJpeg("B.JPG", Qt::red);
    WriteJpeg("c.Jpg", Qt::red);
    WriteJpeg("d.jpeg", Qt::red);
    WriteJpeg("e.png", Qt::red);
    WriteJpeg("f.jpg.txt", Qt::red);
    QVERIFY(!UnlistedFiles::Make(folder->path(), PictureSamples::Jpeg(PictureSamples::Tiles())).isEmpty());
    QStringList listed{"a.jpg", "B.JPG", "c.Jpg"};
    if (UnlistedFiles::MakeLink(PathOf("a.jpg"), PathOf("link.jpg")))
        listed << "link.jpg";

    const frmSelectImage dialog;

    QCOMPARE(Entries(dialog), listed);
}

void tst_frmSelectImage::listsInFileManagerOrder_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("order");
    QStringList german{"_d.jpg", "9.jpg", "10.jpg", "ant.jpg", "Äpfel.jpg", "apple.jpg", "B.jpg", "b.jpg",
                       "Banana.jpg", "photo2.jpg", "photo10.jpg", "sunset-hills.jpg", "Zebra.jpg"};
    if (UnlistedFiles::NamesIgnoreCase())
        german.removeOne("b.jpg");
    QStringList swedish = german;
    swedish.move(swedish.indexOf("Äpfel.jpg"), swedish.size() - 1);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << german;
    QTest::newRow("Swedish, where Ä follows Z") << QLocale(QLocale::Swedish, QLocale::Sweden) << swedish;
}

// Entries come as the desktop's file manager lists them, whatever order Linux hands them over in:
// by the locale's rules, ignoring case, numbers by their value, and names equal but for case in one fixed order.
void tst_frmSelectImage::listsInFileManagerOrder()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, order);
    const QLocale previous;
    QLocale::setDefault(locale);
    for (auto name = order.crbegin(); name != order.crend(); ++name)
        WriteJpeg(*name, Qt::red);

    const frmSelectImage dialog;
    QLocale::setDefault(previous);

    QCOMPARE(Entries(dialog), order);
    QVERIFY(!dialog.List1->isSortingEnabled());
}

// A missing or empty picture folder gives an empty list and an OK that answers with no name.
void tst_frmSelectImage::missingOrEmptyFolderGivesEmptyList()
{
    const frmSelectImage empty;
    QCOMPARE(empty.List1->count(), 0);

    ImageFolder = PathOf("absent");
    frmSelectImage missing;
    QCOMPARE(missing.List1->count(), 0);
    RunModal(missing, [](frmSelectImage &dialog) { dialog.cmdOK->click(); });
    QCOMPARE(missing.Tag, QString("True"));
    QCOMPARE(missing.List(missing.ListIndex()), QString());
}

// A folder whose path is longer than Windows' old limit of 260 characters lists and previews its pictures,
// also when the path climbs back out of a folder on the way, which a path in Windows' long form may not.
void tst_frmSelectImage::deepFolderIsListedAndPreviewed()
{
    const QString name = QStringLiteral("a folder named at length, deep in a tree");
    QString deep = folder->path();
    while (deep.size() <= 300)
        deep += u'/' + name;
    QVERIFY(QDir().mkpath(deep));
    ImageFolder = deep + QStringLiteral("/../") + name;
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(JoinPath(deep, "a.jpg"), "JPEG"));

    frmSelectImage dialog;

    QCOMPARE(Entries(dialog), QStringList{"a.jpg"});
    QVERIFY(SelectAndWait(dialog, 0));
    QVERIFY(IsNear(Preview(dialog).pixel(10, 10), Qt::red));
}

// Spaces, accents and even a newline in a name are handed back exactly, so the file can be opened; controls
// and bidirectional overrides show as symbols, so no name looks like another.
void tst_frmSelectImage::unusualNamesSurviveTheList()
{
    QStringList names{"line\nbreak.jpg", "with space.jpg", "Größe.jpg", QStringLiteral("del\u007f.jpg"),
                      QStringLiteral("next\u0085line.jpg"), QStringLiteral("gpj.\u202eevil.jpg"),
                      QStringLiteral("iso\u2067late.jpg")};
    names.removeIf([](const QString &name) { return !UnlistedFiles::NameAllowed(name); });
    for (const QString &name : names)
        WriteJpeg(name, Qt::red);

    frmSelectImage dialog;

    QStringList sorted = names;
    sorted.sort();
    QStringList listed = Entries(dialog);
    listed.sort();
    QCOMPARE(listed, sorted);
    for (int row = 0; row < dialog.List1->count(); ++row) {
        const QString shown = dialog.List1->item(row)->text();
        QVERIFY2(std::none_of(shown.begin(), shown.end(), Misleads), qPrintable(shown));
    }
    // The most awkward name the platform allows.
    const int awkward = int(Entries(dialog).indexOf(names.first()));
    QVERIFY(SelectAndWait(dialog, awkward));
    QVERIFY(!Preview(dialog).isNull());
}

// A fresh chooser has no selection, no answer and an empty preview, even once the list has focus.
void tst_frmSelectImage::startsWithNothingChosen()
{
    WriteJpeg("a.jpg", Qt::red);
    WriteJpeg("b.jpg", Qt::blue);
    frmSelectImage dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.List1->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();

    QCOMPARE(dialog.ListIndex(), -1);
    QCOMPARE(dialog.List(-1), QString());
    QCOMPARE(dialog.Tag, QString());
    QVERIFY(dialog.picplay->pixmap().isNull());
}

// Every control sits where the layout puts it, in a fixed, centred, ownerless modal window.
void tst_frmSelectImage::layoutPlacesEveryControl()
{
    const frmSelectImage dialog;

    QCOMPARE(dialog.windowTitle(), QString("Select Game"));
    QCOMPARE(dialog.size(), QSize(257, 174));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint), Qt::WindowFlags());
    QVERIFY(dialog.windowIcon().isNull());
    QCOMPARE(dialog.parentWidget(), nullptr);
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((dialog.frameGeometry().center() - available.center()).manhattanLength() <= 2);

    QCOMPARE(dialog.cmdOK->geometry(), QRect(146, 6, 109, 37));
    QCOMPARE(dialog.cmdCancel->geometry(), QRect(146, 48, 109, 37));
    QCOMPARE(dialog.List1->geometry(), QRect(4, 6, 135, 160));
    QCOMPARE(dialog.picplay->geometry(), QRect(146, 88, 107, 80));
    QCOMPARE(dialog.picplay->frameShadow(), QFrame::Sunken);
    QVERIFY(dialog.picplay->frameWidth() > 0);
    QCOMPARE(dialog.List1->selectionMode(), QAbstractItemView::SingleSelection);

    for (const QPushButton *button : {dialog.cmdOK, dialog.cmdCancel}) {
        QVERIFY(button->text().isEmpty());
        QVERIFY(button->toolTip().isEmpty());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(!button->accessibleDescription().isEmpty());
    }
    QCOMPARE(dialog.cmdOK->accessibleName(), QString("OK"));
    QCOMPARE(dialog.cmdCancel->accessibleName(), QString("Cancel"));
    QVERIFY(!dialog.List1->accessibleName().isEmpty());
    QVERIFY(!dialog.picplay->accessibleName().isEmpty());
    QVERIFY(dialog.cmdOK->isDefault());
}

// Tab walks OK, Cancel, then the list, and starts on OK.
void tst_frmSelectImage::tabOrderRunsDownTheDialog()
{
    frmSelectImage dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QCOMPARE(QApplication::focusWidget(), dialog.cmdOK);
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.cmdCancel);
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.List1);
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.cmdOK);
}

void tst_frmSelectImage::closingSetsTag_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::addColumn<QString>("tag");
    QTest::newRow("OK button") << Closing::OkButton << "True";
    QTest::newRow("Enter in the list") << Closing::EnterInList << "True";
    QTest::newRow("Cancel button") << Closing::CancelButton << "False";
    QTest::newRow("Escape") << Closing::Escape << "False";
    QTest::newRow("title bar close") << Closing::Close << "False";
}

// Only OK answers "True"; every way of closing hides the dialog and keeps the selection readable.
void tst_frmSelectImage::closingSetsTag()
{
    QFETCH(Closing, closing);
    QFETCH(QString, tag);
    WriteJpeg("a.jpg", Qt::red);
    frmSelectImage dialog;

    RunModal(dialog, [closing](frmSelectImage &open) {
        QCOMPARE(open.Tag, QString());
        open.List1->setCurrentRow(0);
        switch (closing) {
        case Closing::OkButton:
            QTest::mouseClick(open.cmdOK, Qt::LeftButton);
            break;
        case Closing::CancelButton:
            QTest::mouseClick(open.cmdCancel, Qt::LeftButton);
            break;
        case Closing::Escape:
            QTest::keyClick(&open, Qt::Key_Escape);
            break;
        case Closing::Close:
            open.close();
            break;
        case Closing::EnterInList:
            open.List1->setFocus();
            QTest::keyClick(open.List1, Qt::Key_Return);
            break;
        }
    });

    QCOMPARE(dialog.Tag, tag);
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.List(dialog.ListIndex()), QString("a.jpg"));
}

// Clicking a.jpg, then b.jpg, then OK hands back b.jpg.
void tst_frmSelectImage::answerIsTheLastClickedEntry()
{
    WriteJpeg("a.jpg", Qt::red);
    WriteJpeg("b.jpg", Qt::blue);
    frmSelectImage dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (int row : {0, 1}) {
        const QPoint entry = dialog.List1->visualItemRect(dialog.List1->item(row)).center();
        QTest::mouseClick(dialog.List1->viewport(), Qt::LeftButton, {}, entry);
    }
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);

    QCOMPARE(dialog.Tag, QString("True"));
    QCOMPARE(dialog.List(dialog.ListIndex()), QString("b.jpg"));
}

void tst_frmSelectImage::previewFillsDrawingAreaStretched_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("640 x 480") << QSize(640, 480);
    QTest::newRow("tall 200 x 600") << QSize(200, 600);
    QTest::newRow("small 16 x 8") << QSize(16, 8);
}

// The whole picture is stretched over the whole drawing area inside the border, whatever its shape.
void tst_frmSelectImage::previewFillsDrawingAreaStretched()
{
    QFETCH(QSize, size);
    WriteJpeg("halves.jpg", Qt::red, Qt::blue, size);
    frmSelectImage dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QVERIFY(SelectAndWait(dialog, 0));

    const QRect area = dialog.picplay->contentsRect();
    QCOMPARE(Preview(dialog).size(), area.size() * dialog.devicePixelRatio());
    const QImage shown = dialog.picplay->grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    for (int y : {area.top(), area.center().y(), area.bottom()}) {
        QVERIFY(IsNear(shown.pixel(QPoint(area.left(), y) * ratio), Qt::red));
        QVERIFY(IsNear(shown.pixel(QPoint(area.right(), y) * ratio), Qt::blue));
    }
}

// Moving through the list with the keyboard previews each entry exactly as a click on it does.
void tst_frmSelectImage::keyboardSelectionPreviewsAsClickDoes()
{
    WriteJpeg("a.jpg", Qt::red, Qt::yellow);
    WriteJpeg("b.jpg", Qt::green, Qt::blue);
    frmSelectImage byMouse;
    frmSelectImage byKeyboard;
    byMouse.show();
    byKeyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&byMouse));
    QVERIFY(QTest::qWaitForWindowExposed(&byKeyboard));

    const QList<std::pair<Qt::Key, int>> moves{{Qt::Key_Down, 0}, {Qt::Key_End, 1}, {Qt::Key_Up, 0}};
    for (const auto &[key, row] : moves) {
        QSignalSpy clickPreviewed(&byMouse, &frmSelectImage::PreviewChanged);
        const QPoint entry = byMouse.List1->visualItemRect(byMouse.List1->item(row)).center();
        QTest::mouseClick(byMouse.List1->viewport(), Qt::LeftButton, {}, entry);
        QVERIFY(Previewed(clickPreviewed));

        QSignalSpy keyPreviewed(&byKeyboard, &frmSelectImage::PreviewChanged);
        QTest::keyClick(byKeyboard.List1, key);
        QVERIFY(Previewed(keyPreviewed));

        QCOMPARE(byKeyboard.ListIndex(), row);
        QVERIFY(!Preview(byKeyboard).isNull());
        QCOMPARE(Preview(byKeyboard), Preview(byMouse));
    }
}

// A file that cannot be read as a picture clears the old preview, and the dialog goes on working.
void tst_frmSelectImage::unreadableFileClearsPreview()
{
    WriteJpeg("a.jpg", Qt::red);
    QByteArray noise(4096, '\0');
    QRandomGenerator random(7);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    WriteBytes("b.jpg", noise);
    frmSelectImage dialog;

    QVERIFY(SelectAndWait(dialog, 0));
    QVERIFY(!Preview(dialog).isNull());
    QVERIFY(SelectAndWait(dialog, 1));
    QVERIFY(Preview(dialog).isNull());
    QVERIFY(!dialog.picplay->text().isEmpty());

    QVERIFY(SelectAndWait(dialog, 0));
    QVERIFY(IsNear(Preview(dialog).pixel(5, 5), Qt::red));
    RunModal(dialog, [](frmSelectImage &open) { open.cmdOK->click(); });
    QCOMPARE(dialog.Tag, QString("True"));
}

// Many selection changes before the event loop runs cost one decode: of the entry selected last.
void tst_frmSelectImage::selectionBurstDecodesOnlyTheLast()
{
    for (int i = 0; i < 20; ++i)
        WriteJpeg(QString("%1.jpg").arg(i, 2, 10, QChar('0')), QColor::fromHsv(i * 18, 255, 255));
    frmSelectImage dialog;
    QSignalSpy previewed(&dialog, &frmSelectImage::PreviewChanged);

    for (int i = 0; i < 20; ++i)
        dialog.List1->setCurrentRow((i * 7) % 20);
    const int last = (19 * 7) % 20;
    QCOMPARE(previewed.count(), 0);

    QVERIFY(previewed.wait(5000));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();

    QCOMPARE(previewed.count(), 1);
    QCOMPARE(dialog.ListIndex(), last);
    QVERIFY(IsNear(Preview(dialog).pixel(5, 5), QColor::fromHsv(last * 18, 255, 255)));
}

QTEST_MAIN(tst_frmSelectImage)
#include "tst_frmSelectImage.moc"
