// SPDX-License-Identifier: MIT
// The window in each complete language, built offscreen: no text it shows,
// gives as a tool tip or says to a screen reader is English where that
// language's translation has a text of its own, before and after each
// panel's Calculate, in both unit systems.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "language.h"
#include "messageBoxWatcher.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The English texts a translation says otherwise: whole, and their pieces
// between placeholders and markup long enough not to be a word of the
// translation too.
struct English
{
    QSet<QString> whole;
    QStringList pieces;
};

QString withoutAccelerator(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

English englishOf(const QString &tsFile)
{
    English english;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(tsFile));
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText();
            if (translation.isEmpty() || translation == source)
                continue;
            english.whole.insert(withoutAccelerator(source));
            static const QRegularExpression between(QStringLiteral("%\\d|<[^>]*>"));
            for (const QString &piece : withoutAccelerator(source).split(between))
                if (piece.trimmed().size() >= 12)
                    english.pieces << piece.trimmed();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(tsFile), qPrintable(xml.errorString()));
    return english;
}

// Every text of the window a user reads or hears, each with where it is.
QList<std::pair<QString, QString>> textsOf(const frmPressureCalc &window)
{
    QList<std::pair<QString, QString>> texts;
    const auto add = [&texts](const QObject *where, const char *what, const QString &text) {
        if (!text.isEmpty())
            texts.append({where->objectName() + u' ' + QLatin1String(what), text});
    };
    add(&window, "title", window.windowTitle());
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        add(widget, "tool tip", widget->toolTip());
        add(widget, "accessible name", widget->accessibleName());
        add(widget, "accessible description", widget->accessibleDescription());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(widget, "text", label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(widget, "text", button->text());
        if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            add(widget, "title", frame->title());
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            add(widget, "text", edit->text());
        if (const auto *text = qobject_cast<const QPlainTextEdit *>(widget))
            add(widget, "text", text->toPlainText());
        if (const auto *menu = qobject_cast<const QMenu *>(widget))
            add(widget, "title", menu->title());
        if (const auto *bar = qobject_cast<const QStatusBar *>(widget))
            add(widget, "message", bar->currentMessage());
    }
    for (const QAction *action : window.findChildren<QAction *>())
        add(action, "text", action->text());
    return texts;
}

} // namespace

class tst_TranslatedWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noEnglishLeft_data();
    void noEnglishLeft();

private:
    // By language code, for every language whose translation is complete.
    QHash<QString, English> m_english;
};

void tst_TranslatedWindow::initTestCase()
{
    ApplicationInfo::apply();
    for (const QString &code : QStringLiteral(CORVANE_COMPLETE_LANGUAGES).split(u',', Qt::SkipEmptyParts)) {
        m_english[code] = englishOf(QStringLiteral(CORVANE_TS_FOLDER "/corvane_%1.ts").arg(code));
        QVERIFY2(m_english[code].whole.size() > 100, qPrintable(code));
    }
    QVERIFY(!m_english.isEmpty());
}

void tst_TranslatedWindow::noEnglishLeft_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("calculate");
    QStringList codes = m_english.keys();
    codes.sort();
    for (const QString &code : std::as_const(codes)) {
        const QByteArray name = code.toLatin1();
        QTest::addRow("%s, imperial, as built", name.constData()) << code << 0 << false;
        QTest::addRow("%s, imperial, every panel calculated", name.constData()) << code << 0 << true;
        QTest::addRow("%s, metric, every panel calculated", name.constData()) << code << 1 << true;
    }
}

void tst_TranslatedWindow::noEnglishLeft()
{
    QFETCH(QString, code);
    QFETCH(int, units);
    QFETCH(bool, calculate);

    // Installed for this row only: the translators leave the application
    // with it.
    const Language::Choice choice = Language::fromCode(code);
    QCOMPARE(choice.kind, Language::Kind::Translated);
    QCOMPARE(choice.code, code);
    Language language;
    language.load(choice);
    language.install();

    frmPressureCalc window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MessageBoxWatcher boxes;
    if (units == 1)
        window.findChild<QRadioButton *>(QStringLiteral("Option1(1)"))->click();
    QList<std::pair<QString, QString>> said;
    const auto collect = [&] { said += textsOf(window); };
    collect();
    if (calculate) {
        // Each panel in turn, its Calculate with the texts it starts with:
        // the refusals and notes of empty inputs, the results of the rest.
        const QRegularExpression panels(QStringLiteral("^optCalculator"));
        for (QRadioButton *panel : window.findChildren<QRadioButton *>(panels)) {
            panel->click();
            for (QAbstractButton *button :
                 window.findChildren<QAbstractButton *>(QRegularExpression(QStringLiteral("^btnCalc")))) {
                if (!button->isVisible())
                    continue;
                button->click();
                QCoreApplication::processEvents();
                collect();
            }
        }
        for (const MessageBoxWatcher::Seen &box : boxes.seen())
            said << std::pair{QStringLiteral("message box title"), box.title}
                 << std::pair{QStringLiteral("message box"), box.text};
    }

    const English &english = m_english[code];
    QStringList left;
    for (const auto &[where, shown] : std::as_const(said)) {
        const QString text = withoutAccelerator(shown);
        if (english.whole.contains(text)
            || std::ranges::any_of(english.pieces, [&](const QString &piece) { return text.contains(piece); }))
            left << where + QStringLiteral(": ") + shown;
    }
    left.removeDuplicates();
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("\n") + left.join(u'\n')));
}

QTEST_MAIN(tst_TranslatedWindow)
#include "tst_translatedWindow.moc"
