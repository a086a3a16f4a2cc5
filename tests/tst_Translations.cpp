// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/Artwork.h"
#include "desktop/TitleWords.h"
#include "desktop/Translations.h"
#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/MainWindowDriver.h"
#include "support/PictureSamples.h"
#include "windows/frmAbout.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QFile>
#include <QGlyphRun>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <map>

namespace {

const QStringList Languages = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
                               QStringLiteral("pt_BR"), QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("ru"),
                               QStringLiteral("uk"), QStringLiteral("tr"), QStringLiteral("ja"), QStringLiteral("zh_CN")};

// A text the program shows or tells, with the font it is drawn in.
struct Shown {
    QString text;
    QFont font;
};

// Everything one language makes of the program, gathered by playing it: its texts by the place
// they appear, and the places whose fixed layout cuts a text off.
struct Collected {
    std::map<QString, Shown> texts;
    QStringList cutOff;
};

// The label shows its whole text inside the box it stands in.
bool FitsWhole(const QLabel *label, QRect box)
{
    if (label->wordWrap()) {
        const QFontMetrics metrics(label->font());
        for (const QString &word : label->text().split(QLatin1Char(' '))) {
            if (metrics.horizontalAdvance(word) > label->contentsRect().width())
                return false;
        }
        return label->heightForWidth(label->width()) <= label->height();
    }
    return box.contains(label->geometry()) && label->width() >= label->sizeHint().width();
}

// A picture with words drawn over its art, and where they may go: the start picture's band below
// the name, and the About picture right of its grid, inside the window's frame.
struct Lettered {
    const char *name;
    QImage (*draw)(qreal ratio);
    const char *art;
    QRect room;
};
const Lettered LetteredPictures[] = {
    {"start picture", TitleWords::StartPicture, ":/art/builtin.rgb32", QRect(8, 134, 304, 36)},
    {"About picture", TitleWords::AboutPicture, ":/art/about.jpg", QRect(82, 42, 263, 38)},
};

QString Place(const Lettered &picture, qreal ratio)
{
    return QStringLiteral("%1 at %2x").arg(QLatin1String(picture.name)).arg(ratio);
}

// The committed band the start picture's words come from.
QImage StartBand(const QString &language, qreal ratio)
{
    return QImage(QStringLiteral(SOURCE_ART "/words/start_%1%2.png").arg(language, ratio > 1 ? QStringLiteral("@2x") : QString()));
}

QImage Face(const QPushButton *button)
{
    return button->icon().pixmap(32).toImage();
}

// The smallest rectangle holding every pixel that differs between two pictures of one size.
QRect Differences(const QImage &a, const QImage &b)
{
    QRect found;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

// The glyph runs that draw the text in the font, falling back as Qt does.
QList<QGlyphRun> GlyphRuns(const QString &text, const QFont &font)
{
    QTextLayout layout(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    // The system's language picks the program's, region and all; English and unknown languages stay English.
    void picksTheSystemsLanguage_data();
    void picksTheSystemsLanguage();
    // Every language compiled in is one the program promises, with Qt's own texts beside it.
    void compilesInEveryLanguage();
    // Every text the program shows or tells is translated, but the name and an OK that the language keeps.
    void translatesEveryText_data() { LanguageRows(); }
    void translatesEveryText();
    // The fixed layouts hold: the result, the chooser's preview note fit whole in their boxes.
    void layoutsHoldTheTexts_data() { LanguageRows(); }
    void layoutsHoldTheTexts();
    // Every character is drawn by a font that has it: no text shows as empty boxes.
    void textsHaveTheirFonts_data() { LanguageRows(); }
    void textsHaveTheirFonts();
    // The start and About pictures letter their words in the language, within their room at both
    // pixel ratios; the Exit face spells no English word; the About caption is the desktops' own.
    void picturesSpeakTheLanguage_data() { LanguageRows(); }
    void picturesSpeakTheLanguage();
    // The translations leave with the object that installed them.
    void uninstallsWhenDestroyed();

private:
    static void LanguageRows();
    const Collected &In(const QString &language);
    Collected Collect();
    void CollectMainWindow(Collected &found);
    void CollectGame(Collected &found);
    void CollectChooser(Collected &found);
    void CollectAbout(Collected &found);
    void CollectReasons(Collected &found);
    QString Write(const QString &name, const QByteArray &content) const;

    QTemporaryDir folder;
    Collected english;
    std::map<QString, QImage> englishPictures;
    QImage englishExitFace;
    std::map<QString, Collected> languages;
};

void tst_Translations::LanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void tst_Translations::initTestCase()
{
    QVERIFY(folder.isValid());
    Write(QStringLiteral("good.jpg"), PictureSamples::Jpeg(PictureSamples::Tiles()));
    Write(QStringLiteral("broken.jpg"), PictureSamples::RandomBytes(4000));
    english = Collect();
    QVERIFY(english.texts.size() >= 30);
    for (const qreal ratio : {1.0, 2.0}) {
        QCOMPARE(StartBand(QStringLiteral("en"), ratio).text(QStringLiteral("Words")), TitleWords::StartWords());
        for (const Lettered &picture : LetteredPictures)
            englishPictures[Place(picture, ratio)] = picture.draw(ratio);
    }
    englishExitFace = Face(MainWindowDriver().cmdExit());
}

QString tst_Translations::Write(const QString &name, const QByteArray &content) const
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("Cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

const Collected &tst_Translations::In(const QString &language)
{
    if (!languages.count(language)) {
        const Translations translations{QLocale(language)};
        if (translations.Language() != language)
            qFatal("%s did not load", qPrintable(language));
        languages[language] = Collect();
    }
    return languages[language];
}

Collected tst_Translations::Collect()
{
    Collected found;
    CollectMainWindow(found);
    CollectGame(found);
    CollectChooser(found);
    CollectAbout(found);
    CollectReasons(found);
    QDialogButtonBox qtButtons(QDialogButtonBox::Cancel);
    found.texts[QStringLiteral("Qt's Cancel button")] = {qtButtons.button(QDialogButtonBox::Cancel)->text(), qtButtons.font()};
    return found;
}

void tst_Translations::CollectMainWindow(Collected &found)
{
    MainWindowDriver main;
    auto &texts = found.texts;
    texts[QStringLiteral("main caption")] = {main.Window().windowTitle(), main.Window().font()};
    for (QWidget *control : std::initializer_list<QWidget *>{main.cmdNewGame(), main.cmdAbout(), main.cmdExit(),
                                                              main.picplay(), main.ProgressBar1()}) {
        texts[control->objectName() + QStringLiteral(" name")] = {control->accessibleName(), control->font()};
        if (!control->accessibleDescription().isEmpty())
            texts[control->objectName() + QStringLiteral(" description")] = {control->accessibleDescription(), control->font()};
    }
    texts[QStringLiteral("cell name")] = {QAccessible::queryAccessibleInterface(main.PicArr(47))->text(QAccessible::Name),
                                          main.PicArr(47)->font()};
    texts[QStringLiteral("initial result")] = {main.lblGameResult()->text(), main.lblGameResult()->font()};
    const QString drawn = TitleWords::tr("A picture tile puzzle") + QLatin1Char(' ') + TitleWords::tr("Version %1");
    texts[QStringLiteral("words in the pictures")] = {drawn, QFont(QStringLiteral("DejaVu Sans"))};
}

// A bad picture's warning, then a game lost and a game won, each result measured where it shows.
void tst_Translations::CollectGame(Collected &found)
{
    MainWindowDriver main;
    main.Window().show();
    ImageFolder = folder.path();
    const QStringList warnings = main.NewGame(ModalAnswerer::Pick(QStringLiteral("broken.jpg")));
    found.texts[QStringLiteral("bad picture warning")] = {warnings.value(0), main.Window().font()};

    const auto result = [&](const QString &place) {
        QLabel *label = main.lblGameResult();
        found.texts[place] = {label->text(), label->font()};
        if (!label->isVisible() || !FitsWhole(label, main.picplay()->rect()))
            found.cutOff.append(place);
    };
    main.NewGame(ModalAnswerer::Pick(QStringLiteral("good.jpg")));
    main.Tick(game::GameFlow::PreviewTicks + game::GameFlow::PlayUnits * game::GameFlow::TicksPerUnit);
    result(QStringLiteral("loss result"));

    main.NewGame(ModalAnswerer::Pick(QStringLiteral("good.jpg")));
    main.Tick(game::GameFlow::PreviewTicks);
    for (const auto &[from, to] : main.DragsThatSolve())
        main.Drag(from, to);
    result(QStringLiteral("win result"));
}

void tst_Translations::CollectChooser(Collected &found)
{
    ImageFolder = folder.path();
    frmSelectImage chooser;
    chooser.show();
    auto &texts = found.texts;
    texts[QStringLiteral("chooser caption")] = {chooser.windowTitle(), chooser.font()};
    const QList<QPushButton *> buttons = chooser.findChildren<QPushButton *>();
    for (int i = 0; i < buttons.size(); ++i) {
        texts[QStringLiteral("chooser button %1 name").arg(i)] = {buttons[i]->accessibleName(), buttons[i]->font()};
        texts[QStringLiteral("chooser button %1 description").arg(i)] = {buttons[i]->accessibleDescription(), buttons[i]->font()};
    }
    auto *list = chooser.findChild<QListWidget *>();
    texts[QStringLiteral("chooser list name")] = {list->accessibleName(), list->font()};
    auto *preview = chooser.findChild<QLabel *>();
    texts[QStringLiteral("chooser preview name")] = {preview->accessibleName(), preview->font()};

    QSignalSpy previewed(&chooser, &frmSelectImage::PreviewChanged);
    list->setCurrentItem(list->findItems(QStringLiteral("broken.jpg"), Qt::MatchExactly).value(0));
    QVERIFY(previewed.wait());
    texts[QStringLiteral("chooser preview note")] = {preview->text(), preview->font()};
    texts[QStringLiteral("chooser preview reason")] = {preview->toolTip(), preview->font()};
    if (!FitsWhole(preview, chooser.rect()))
        found.cutOff.append(QStringLiteral("chooser preview note"));
}

void tst_Translations::CollectAbout(Collected &found)
{
    frmAbout about;
    auto &texts = found.texts;
    texts[QStringLiteral("About caption")] = {about.windowTitle(), about.font()};
    auto *picture = about.findChild<QLabel *>();
    texts[QStringLiteral("About picture name")] = {picture->accessibleName(), picture->font()};
    texts[QStringLiteral("About picture description")] = {picture->accessibleDescription(), picture->font()};
    auto *ok = about.findChild<QPushButton *>();
    texts[QStringLiteral("About OK name")] = {ok->accessibleName(), ok->font()};
    texts[QStringLiteral("About OK description")] = {ok->accessibleDescription(), ok->font()};
}

// The loader's reasons, each from a file that gives it; the message box and the chooser show them.
// Root reads a file whatever its permissions, and is not told the unreadable file's reason.
void tst_Translations::CollectReasons(Collected &found)
{
    const QByteArray jpeg = PictureSamples::Jpeg(PictureSamples::Tiles());
    const QString locked = Write(QStringLiteral("locked.jpg"), jpeg);
    QFile::setPermissions(locked, QFileDevice::Permissions());
    const std::pair<PictureError, QString> files[] = {
        {PictureError::Missing, folder.filePath(QStringLiteral("missing.jpg"))},
        {QFile(locked).open(QIODevice::ReadOnly) ? PictureError::None : PictureError::Unreadable, locked},
        {PictureError::NotAPicture, folder.filePath(QStringLiteral("broken.jpg"))},
        {PictureError::Damaged, Write(QStringLiteral("cut.jpg"), jpeg.left(200))},
        {PictureError::TooLarge, Write(QStringLiteral("huge.jpg"), PictureSamples::WithClaimedSize(jpeg, QSize(65500, 65500)))},
    };
    for (const auto &[kind, path] : files) {
        const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());
        QCOMPARE(prepared.kind, kind);
        if (kind == PictureError::None)
            continue;
        found.texts[QStringLiteral("reason %1").arg(int(kind))] = {prepared.error, QFont()};
    }
}

void tst_Translations::picksTheSystemsLanguage_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de_DE" << "de";
    QTest::newRow("Austrian German") << "de_AT" << "de";
    QTest::newRow("Swiss French") << "fr_CH" << "fr";
    QTest::newRow("Mexican Spanish") << "es_MX" << "es";
    QTest::newRow("Brazilian Portuguese") << "pt_BR" << "pt_BR";
    QTest::newRow("Ukrainian") << "uk_UA" << "uk";
    QTest::newRow("Japanese") << "ja_JP" << "ja";
    QTest::newRow("Simplified Chinese") << "zh_CN" << "zh_CN";
    QTest::newRow("Traditional Chinese, not spoken") << "zh_TW" << "";
    QTest::newRow("Portuguese of Portugal, as Brazil's") << "pt_PT" << "pt_BR";
    QTest::newRow("Portuguese of Angola, as Brazil's") << "pt_AO" << "pt_BR";
    QTest::newRow("English") << "en_GB" << "";
    QTest::newRow("C") << "C" << "";
    QTest::newRow("Korean, not spoken") << "ko_KR" << "";
}

void tst_Translations::picksTheSystemsLanguage()
{
    QFETCH(QString, system);
    QFETCH(QString, language);
    const Translations translations{QLocale(system)};
    QCOMPARE(translations.Language(), language);
    QCOMPARE(Translations::Shown(), language);
    // A spoken language installs Qt's texts too; any other leaves the program as it was.
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCOMPARE(cancel != QLatin1String("Cancel"), !language.isEmpty());
    QCOMPARE(frmMain::tr("New Game") != QLatin1String("New Game"), !language.isEmpty());
}

void tst_Translations::compilesInEveryLanguage()
{
    QStringList promised = Languages;
    promised.sort();
    QCOMPARE(Translations::Available(), promised);
    for (const QString &language : Languages)
        QVERIFY2(QFile::exists(QStringLiteral(":/i18n/qtbase_%1.qm").arg(language)), qPrintable(language));
}

void tst_Translations::translatesEveryText()
{
    QFETCH(QString, language);
    const Collected &translated = In(language);
    QCOMPARE(translated.texts.size(), english.texts.size());
    for (const auto &[place, shown] : english.texts) {
        const QString text = translated.texts.at(place).text;
        QVERIFY2(!text.isEmpty(), qPrintable(place));
        if (shown.text == QLatin1String("Tilora") || shown.text == QLatin1String("OK"))
            continue;
        QVERIFY2(text != shown.text, qPrintable(QStringLiteral("%1 left in English: %2").arg(place, text)));
    }
}

void tst_Translations::layoutsHoldTheTexts()
{
    QFETCH(QString, language);
    QVERIFY(english.cutOff.isEmpty());
    const QStringList cutOff = In(language).cutOff;
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(QStringLiteral(", "))));
}

void tst_Translations::textsHaveTheirFonts()
{
    QFETCH(QString, language);
    for (const auto &[place, shown] : In(language).texts) {
        for (const QGlyphRun &run : GlyphRuns(shown.text, shown.font))
            QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(QStringLiteral("%1: %2").arg(place, shown.text)));
    }
}

void tst_Translations::picturesSpeakTheLanguage()
{
    QFETCH(QString, language);
    const Translations translations{QLocale(language)};
    for (const qreal ratio : {1.0, 2.0}) {
        // The start picture's words were lettered ahead from the translation as it stands now.
        QCOMPARE(StartBand(language, ratio).text(QStringLiteral("Words")), TitleWords::StartWords());
        for (const Lettered &picture : LetteredPictures) {
            const QString place = Place(picture, ratio);
            const QImage shown = picture.draw(ratio);
            const QRect changed = Differences(shown, englishPictures.at(place));
            const QRect words = Differences(shown, Artwork::ScreenPicture(QLatin1String(picture.art), ratio));
            const QRect room(picture.room.topLeft() * ratio, picture.room.size() * ratio);
            QVERIFY2(!changed.isEmpty(), qPrintable(place + QStringLiteral(" shows the English words")));
            QVERIFY2(room.contains(words), qPrintable(QStringLiteral("%1: words at %2,%3 %4×%5").arg(place)
                                                          .arg(words.x()).arg(words.y()).arg(words.width()).arg(words.height())));
        }
    }

    QVERIFY(Face(MainWindowDriver().cmdExit()) != englishExitFace);
    const QString caption = frmAbout().windowTitle();
    QVERIFY2(caption.contains(QLatin1String("Tilora")) && !caption.contains(QLatin1String("..."))
                 && !caption.contains(QChar(0x2026)),
             qPrintable(caption));
}

void tst_Translations::uninstallsWhenDestroyed()
{
    {
        const Translations translations{QLocale(QLocale::German)};
        QCOMPARE(frmMain::tr("New Game"), QStringLiteral("Neues Spiel"));
    }
    QCOMPARE(frmMain::tr("New Game"), QStringLiteral("New Game"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
