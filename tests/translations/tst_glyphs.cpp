// SPDX-License-Identifier: MIT
// The window in a translation, built offscreen: every character of its
// captions, buttons, frame titles, menus, tool tips, notes and message
// boxes is drawn from a font that has it, in both unit systems and after
// each panel's Calculate. A character no font has is drawn as a box; a
// Japanese or Chinese window needs a CJK font (the package recommends
// fonts-noto-cjk, the tests install fonts-wqy-microhei).
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "language.h"
#include "messageBoxWatcher.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QToolTip>

namespace {

struct Drawn
{
    QString where;
    QString text;
    QFont font;
};

// Every text the window draws, with the font it is drawn in.
QList<Drawn> drawnTexts(const frmPressureCalc &window)
{
    QList<Drawn> drawn;
    const auto add = [&drawn](const QObject *where, const QString &text, const QFont &font) {
        if (!text.isEmpty())
            drawn.append({where->objectName(), Qt::mightBeRichText(text)
                                                   ? QTextDocumentFragment::fromHtml(text).toPlainText()
                                                   : text,
                          font});
    };
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        add(widget, widget->toolTip(), QToolTip::font());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(widget, label->text(), label->font());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(widget, button->text(), button->font());
        if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            add(widget, frame->title(), frame->font());
        if (const auto *text = qobject_cast<const QPlainTextEdit *>(widget))
            add(widget, text->toPlainText(), text->font());
        if (const auto *bar = qobject_cast<const QStatusBar *>(widget))
            add(widget, bar->currentMessage(), bar->font());
        if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
            add(menu, menu->title(), window.findChild<QMenuBar *>()->font());
            for (const QAction *action : menu->actions())
                add(action, action->text(), menu->font());
        }
    }
    return drawn;
}

// Whether Qt draws the character in the font from a font that has it: laid
// out alone, the font of each glyph run supports it and no glyph is the
// missing-glyph one (index 0), which is what a box is.
bool drawable(char32_t character, const QFont &font)
{
    QTextLayout layout(QString::fromUcs4(&character, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return !runs.isEmpty() && std::ranges::all_of(runs, [character](const QGlyphRun &run) {
        return run.rawFont().supportsCharacter(character) && !run.glyphIndexes().contains(0);
    });
}

} // namespace

class tst_Glyphs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCharacterHasItsGlyph_data();
    void everyCharacterHasItsGlyph();
};

void tst_Glyphs::initTestCase()
{
    ApplicationInfo::apply();
    // A character no font has is found: the check can fail.
    QVERIFY(!drawable(U'\U0010FFFD', QApplication::font()));
}

void tst_Glyphs::everyCharacterHasItsGlyph_data()
{
    QTest::addColumn<QString>("language");
    // Characters of the translation that must be among those drawn: the
    // window is in that language.
    QTest::addColumn<QString>("sample");
    QTest::newRow("German") << "de" << QStringLiteral("ü„");
    QTest::newRow("Japanese") << "ja" << QStringLiteral("圧シ");
    QTest::newRow("Simplified Chinese") << "zh_CN" << QStringLiteral("缸气");
}

void tst_Glyphs::everyCharacterHasItsGlyph()
{
    QFETCH(QString, language);
    QFETCH(QString, sample);

    // Gone with the test: a translator takes itself out of the application.
    Language translation;
    const Language::Choice choice = Language::fromCode(language);
    QCOMPARE(choice.kind, Language::Kind::Translated);
    translation.load(choice);
    translation.install();

    frmPressureCalc window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MessageBoxWatcher boxes;
    QList<Drawn> drawn = drawnTexts(window);
    window.findChild<QRadioButton *>(QStringLiteral("Option1(1)"))->click();
    drawn += drawnTexts(window);
    // Each panel's Calculate with the inputs it starts with: its refusals
    // and notes.
    const QRegularExpression panels(QStringLiteral("^optCalculator"));
    for (QRadioButton *panel : window.findChildren<QRadioButton *>(panels)) {
        panel->click();
        for (QAbstractButton *button :
             window.findChildren<QAbstractButton *>(QRegularExpression(QStringLiteral("^btnCalc")))) {
            if (!button->isVisible())
                continue;
            button->click();
            QCoreApplication::processEvents();
            drawn += drawnTexts(window);
        }
    }
    for (const MessageBoxWatcher::Seen &box : boxes.seen())
        drawn << Drawn{QStringLiteral("message box"), box.title + box.text, QApplication::font("QMessageBox")};

    // Each character once for each font, with the first place it is drawn.
    QList<QFont> fonts;
    QMap<std::pair<char32_t, qsizetype>, QString> characters;
    for (const Drawn &text : std::as_const(drawn)) {
        if (!fonts.contains(text.font))
            fonts << text.font;
        for (char32_t character : text.text.toUcs4()) {
            const std::pair key{character, fonts.indexOf(text.font)};
            if (!QChar::isSpace(character) && QChar::isPrint(character) && !characters.contains(key))
                characters.insert(key, text.where);
        }
    }
    // The boxes of each font: its characters, and one place they are drawn.
    QMap<qsizetype, std::pair<QString, QString>> boxed;
    for (auto it = characters.cbegin(); it != characters.cend(); ++it) {
        const auto &[character, font] = it.key();
        if (!drawable(character, fonts[font]))
            boxed[font] = {boxed[font].first + QString::fromUcs4(&character, 1), it.value()};
    }
    QStringList fault;
    for (auto it = boxed.cbegin(); it != boxed.cend(); ++it)
        fault << QStringLiteral("%1 (%2, as in %3): %4")
                     .arg(fonts[it.key()].family())
                     .arg(fonts[it.key()].pointSizeF())
                     .arg(it.value().second, it.value().first);
    QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("drawn as boxes (is a CJK font missing? fonts-noto-cjk, "
                                                        "fonts-wqy-microhei), in\n")
                                         + fault.join(u'\n')));
    for (char32_t character : sample.toUcs4())
        QVERIFY2(std::ranges::any_of(characters.keys(),
                                     [character](const auto &key) { return key.first == character; }),
                 qPrintable(QString::fromUcs4(&character, 1)));
}

QTEST_MAIN(tst_Glyphs)
#include "tst_glyphs.moc"
