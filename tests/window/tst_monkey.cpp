// SPDX-License-Identifier: MIT
// A user who clicks everything: a seeded random sequence of actions against
// the real window, with the window's invariants checked after every one.
//
// The actions are what a user can do to the controls that are visible at the
// time: typing texts of every kind into fields (numbers of every size,
// "1e308", "-0", "inf", blanks, letters, long texts, a decimal comma), editing
// them partly, moving the focus with the mouse and the keyboard, clicking
// every button, option button and the logo, Return in a field, Space and the
// arrow keys on the focused control. Every message box is dismissed as it
// appears. A failure names the seed and the action number; run again with
//   CORVANE_MONKEY_SEED=<seed> tst_monkey
// (CORVANE_MONKEY_ACTIONS=<n> changes the number of actions) to replay it.
#include "applicationInfo.h"
#include "fields.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "numberText.h"
#include "panel.h"
#include "windowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTest>

#include <iterator>
#include <random>

namespace {

constexpr quint64 defaultSeed = 20240607;
constexpr int defaultActions = 20000;

// The captions of each unit, imperial then metric, and the labels that show them.
struct UnitCaptions {
    const char *labels; // a label array or a single label
    QString imperial;
    QString metric;
};
const QList<UnitCaptions> unitCaptions{
    {"lblPressureUnits", "PSI", "Bar"},
    {"lblForceUnits", "Pounds", "Newtons"},
    {"lblAreaUnits", "Sq. Inches", "Sq. mm"},
    {"lblLengthUnits", "Inches", "mm"},
    {"lbltemperatureUnits", QChar(0x00B0) + QStringLiteral(" F"), QChar(0x00B0) + QStringLiteral(" c")},
    {"lblFlowUnits", "SCFM", "L/min"},
    {"lblVolumeUnits", "Cubic Inch.", "Cubic mm"},
};

// Texts a field must never show once the user has left it.
const QStringList forbiddenTexts{"-0", "inf", "-inf", "+inf", "infinity", "-infinity", "nan", "-nan"};

// Texts of special interest; randomText mixes them with generated ones.
const QStringList specialTexts{
    "1e308",   "1E308",  "-1e308", "1e309",  "1e999",  "-1e999", "1.7976931348623157e308", "1.79769313486232E+308",
    "-0",      "-0.0",   "0",      "00",     "+0",     "0.0000", "4.94065645841247E-324", "1e-320", "1e-400",
    "inf",     "-inf",   "Infinity", "nan",  "NaN",    "",       " ",      "   ",    "abc",    "12abc",
    "e",       "1e",     "--1",    "1..2",   "2,5",    "1.234,5", "1,234.5", "0,5",   "32767",  "32768",
    "-32768",  "-32769", "40000",  "2.5",    "3.5",    "-460",   "-14.7",  " 7 ",    "0x10",   "1 2",
    "-2.5",    "1e3",    "007",    "100",    "80",     "0.625",  "68",     "5",      "1.5E+15", "1E-06",
    QString(QChar(0x00B0)), QString(QChar(0x00BD)), "9999999999999999999999"};

// A seeded source of random choices.
class Dice
{
public:
    explicit Dice(quint64 seed) : m_engine(seed) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_engine); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }
    bool chance(int percent) { return below(100) < percent; }
    template<class List> const auto &pick(const List &list) { return list[below(int(std::size(list)))]; }

private:
    std::mt19937_64 m_engine;
};

class Monkey
{
public:
    Monkey(frmPressureCalc &window, MessageBoxWatcher &boxes, quint64 seed, int actions)
        : m_window(window), m_boxes(boxes), m_dice(seed), m_seed(seed), m_actions(actions)
    {
        // What there is to type into and to click, from the window itself.
        for (const Field &field : window.fields()) {
            const QString name = field.edit->objectName();
            const FieldTable::Cleaner cleaner = field.row->cleaner;
            (cleaner == FieldTable::Cleaner::None ? m_resultFields : m_validatedFields).append(name);
            if (cleaner == FieldTable::Cleaner::Magnitude)
                m_magnitudes.append(name);
            else if (cleaner == FieldTable::Cleaner::Signed)
                m_signed.append(name);
            // Empty at start-up, as a standard bore is until there is one;
            // or a maximum buckling length, which is none without a push force.
            if (field.edit->text().isEmpty() || name == QLatin1StringView("txtMaxBuckleLength"))
                m_mayBeEmpty.append(name);
        }
        for (const QPushButton *button : window.findChildren<QPushButton *>())
            m_buttons.append(button->objectName());
        for (const QRadioButton *option : window.findChildren<QRadioButton *>())
            m_optionButtons.append(option->objectName());
    }

    // Runs every action; returns the first broken invariant, or nothing.
    QString run()
    {
        for (m_step = 1; m_step <= m_actions; ++m_step) {
            const Snapshot before = snapshot();
            const qsizetype boxesBefore = m_boxes.seen().size();
            const Expectation expectation = act();
            if (m_boxes.seen().size() != boxesBefore || m_step % 64 == 0)
                settle();
            QString problem = check(before, expectation, m_boxes.seen().size() - boxesBefore);
            if (!problem.isEmpty())
                return failure(problem);
            tally(before);
        }
        return QString();
    }

    // How much the actions reached, so that a monkey whose clicks stopped
    // landing does not pass unnoticed.
    struct Reach {
        int unitSwitches = 0;
        int panelChanges = 0;
        int actionsChangingFields = 0;
        int resultsWritten = 0;
    };
    const Reach &reach() const { return m_reach; }

    // The invariants that hold after every action, checked now.
    QString problemsNow() const { return check(snapshot(), Expectation::Anything, 0); }

private:
    // What an action promises beyond the invariants that always hold.
    enum class Expectation {
        Anything,        // a command or a switch: messages and changes allowed
        Quiet,           // typing or moving the focus: no message, and no field
                         // changes but the one left and the one typed into
        NothingChanges,  // a click on the option already selected: no message,
                         // no field changes but the one left
        TotalIsZero,     // Reset System Flow
    };

    struct Snapshot {
        QStringList names;
        QString texts;
        QWidget *focus;
        qint16 units;
        qint16 panel;
    };

    void tally(const Snapshot &before)
    {
        QStringList names;
        const QString texts = fieldTexts(&names);
        m_reach.unitSwitches += before.units != m_window.unitSystem() ? 1 : 0;
        m_reach.panelChanges += before.panel != m_window.currentCalculator() ? 1 : 0;
        if (texts == before.texts)
            return;
        ++m_reach.actionsChangingFields;
        const QStringList beforeTexts = before.texts.split(QLatin1Char('\n'));
        const QStringList afterTexts = texts.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < names.size(); ++i)
            if (m_resultFields.contains(names.at(i)) && beforeTexts.at(i) != afterTexts.at(i)) {
                ++m_reach.resultsWritten;
                break;
            }
    }

    Snapshot snapshot() const
    {
        Snapshot shot;
        shot.texts = fieldTexts(&shot.names);
        shot.focus = QApplication::focusWidget();
        shot.units = m_window.unitSystem();
        shot.panel = m_window.currentCalculator();
        return shot;
    }

    // After a message box, let the window take back the activation (and the
    // focus) the box had; otherwise now and then, so posted events do not
    // pile up. No waiting: only what is already queued is handled.
    void settle()
    {
        if (!m_window.isActiveWindow())
            m_window.activateWindow();
        QCoreApplication::processEvents();
    }

    QString failure(const QString &problem) const
    {
        QString text = QStringLiteral("locale %6, seed %1, action %2 of %3 (%4): %5\n"
                                      "replay with CORVANE_MONKEY_SEED=%1")
                           .arg(m_seed)
                           .arg(m_step)
                           .arg(m_actions)
                           .arg(m_history.isEmpty() ? QString() : m_history.last(), problem,
                                QLocale().name());
        text += QStringLiteral("\nthe actions before it:");
        for (qsizetype i = 0; i + 1 < m_history.size(); ++i)
            text += QStringLiteral("\n  %1").arg(m_history.at(i));
        text += QStringLiteral("\nfields now: ") + fieldTexts();
        return text;
    }

    void log(const QString &action)
    {
        m_history.append(QStringLiteral("%1: %2").arg(m_step).arg(action));
        if (m_history.size() > 25)
            m_history.removeFirst();
    }

    bool isVisible(const QString &name) const { return WindowDriver::control(m_window, name)->isVisible(); }

    QStringList visibleOf(const QStringList &names) const
    {
        QStringList visible;
        for (const QString &name : names)
            if (isVisible(name))
                visible.append(name);
        return visible;
    }

    QString randomText()
    {
        switch (m_dice.below(10)) {
        case 0:
        case 1:
        case 2:
            return m_dice.pick(specialTexts);
        case 3: {
            QString letters;
            for (int i = m_dice.between(1, 10); i > 0; --i)
                letters += QChar(u'a' + m_dice.below(26));
            return letters;
        }
        case 4: {
            // A long text of number-like characters.
            static const QString alphabet = QStringLiteral("0123456789.,eE+- x");
            QString text;
            for (int i = m_dice.between(40, 250); i > 0; --i)
                text += alphabet.at(m_dice.below(int(alphabet.size())));
            return text;
        }
        case 5: {
            QString digits = QString::number(m_dice.between(1, 9));
            for (int i = m_dice.between(20, 400); i > 0; --i)
                digits += QChar(u'0' + m_dice.below(10));
            return digits;
        }
        default:
            return randomNumber();
        }
    }

    // A number of any size, written in one of the ways a user might.
    QString randomNumber()
    {
        QString mantissa = QString::number(m_dice.between(0, 9));
        for (int i = m_dice.between(0, 17); i > 0; --i)
            mantissa += QChar(u'0' + m_dice.below(10));
        if (m_dice.chance(60)) {
            const int point = m_dice.between(0, int(mantissa.size()));
            // Mostly the locale's decimal separator, now and then the other one.
            const QString decimal = QLocale().decimalPoint();
            const QString other = decimal == QLatin1StringView(",") ? QStringLiteral(".") : QStringLiteral(",");
            mantissa.insert(point, m_dice.chance(85) ? decimal : other);
            if (point == 0 && m_dice.chance(50))
                mantissa.prepend(QChar(u'0'));
        }
        QString text = mantissa;
        const int form = m_dice.below(4);
        if (form == 0)
            text += QStringLiteral("e%1").arg(m_dice.between(-330, 330));
        else if (form == 1)
            text += QStringLiteral("E%1%2").arg(m_dice.chance(50) ? "+" : "-").arg(m_dice.between(0, 20));
        if (m_dice.chance(30))
            text.prepend(m_dice.chance(80) ? QChar(u'-') : QChar(u'+'));
        if (m_dice.chance(10))
            text = QStringLiteral(" ") + text + QStringLiteral(" ");
        return text;
    }

    QWidget *focusTarget() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus : &m_window;
    }

    Expectation act()
    {
        const int roll = m_dice.below(100);
        if (roll < 30)
            return typeIntoField();
        if (roll < 38)
            return editField();
        if (roll < 46)
            return clickControl(visibleOf(m_validatedFields + m_resultFields + QStringList{"txtdisclaimer"}));
        if (roll < 62)
            return clickControl(visibleOf(m_buttons));
        if (roll < 78)
            return clickControl(visibleOf(m_optionButtons));
        if (roll < 80)
            return clickControl({QStringLiteral("Picture1")});
        if (roll < 84)
            return clickLabel();
        return pressKey();
    }

    Expectation typeIntoField()
    {
        const QStringList fields = visibleOf(m_validatedFields + m_resultFields);
        if (fields.isEmpty())
            return pressKey();
        const QString name = m_dice.pick(fields);
        const QString text = randomText();
        QLineEdit *field = WindowDriver::field(m_window, name);
        if (m_dice.chance(75)) {
            log(QStringLiteral("type \"%1\" over %2").arg(text, name));
            WindowDriver::typeInto(m_window, name, text);
        } else {
            // Clicked somewhere in the text, and typed there.
            log(QStringLiteral("click into %1 and type \"%2\"").arg(name, text));
            QTest::mouseClick(field, Qt::LeftButton, {},
                              QPoint(m_dice.between(1, field->width() - 2), field->height() / 2));
            QTest::keyClicks(field, text);
        }
        noteTyped();
        return Expectation::Quiet;
    }

    Expectation editField()
    {
        auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (!field)
            return typeIntoField();
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_Left, Qt::Key_Right};
        QString done;
        for (int i = m_dice.between(1, 4); i > 0; --i) {
            if (m_dice.chance(70)) {
                const Qt::Key key = m_dice.pick(keys);
                QTest::keyClick(field, key);
                done += QStringLiteral(" key %1").arg(QKeySequence(key).toString());
            } else {
                const QString text = m_dice.chance(50) ? randomNumber() : m_dice.pick(specialTexts);
                QTest::keyClicks(field, text);
                done += QStringLiteral(" \"%1\"").arg(text);
            }
        }
        log(QStringLiteral("edit %1:%2").arg(field->objectName(), done));
        noteTyped();
        return Expectation::Quiet;
    }

    Expectation clickControl(const QStringList &names)
    {
        if (names.isEmpty())
            return pressKey();
        const QString name = m_dice.pick(names);
        QWidget *target = WindowDriver::control(m_window, name);
        auto *option = qobject_cast<QRadioButton *>(target);
        const bool alreadySelected = option && option->isChecked();
        log(QStringLiteral("click %1%2").arg(name, alreadySelected ? QStringLiteral(" (already selected)")
                                                                   : QString()));
        if (auto *button = qobject_cast<QAbstractButton *>(target))
            // On the button itself: the caption of an option button, any
            // point of a command button.
            QTest::mouseClick(button, Qt::LeftButton, {},
                              QPoint(m_dice.between(2, qMax(2, qMin(button->width() - 2, 40))),
                                     button->height() / 2));
        else
            QTest::mouseClick(target, Qt::LeftButton, {},
                              QPoint(m_dice.between(1, qMax(1, target->width() - 2)),
                                     m_dice.between(1, qMax(1, target->height() - 2))));
        if (alreadySelected)
            return Expectation::NothingChanges;
        if (name == QLatin1StringView("btnResetSCFM"))
            return Expectation::TotalIsZero;
        if (!qobject_cast<QAbstractButton *>(target) && name != QLatin1StringView("Picture1"))
            return Expectation::Quiet;
        return Expectation::Anything;
    }

    Expectation clickLabel()
    {
        // Captions, unit labels and frames; the logo is a link, not a caption.
        QList<QWidget *> labels;
        for (QLabel *label : m_window.findChildren<QLabel *>())
            if (label->isVisible() && label->objectName() != QLatin1StringView("Picture1"))
                labels.append(label);
        for (QGroupBox *frame : m_window.findChildren<QGroupBox *>())
            if (frame->isVisible())
                labels.append(frame);
        QWidget *label = m_dice.pick(labels);
        log(QStringLiteral("click the caption %1").arg(label->objectName()));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        return Expectation::Quiet;
    }

    Expectation pressKey()
    {
        QWidget *target = focusTarget();
        const QString where = target->objectName();
        switch (m_dice.below(6)) {
        case 0:
            log(QStringLiteral("Tab in %1").arg(where));
            QTest::keyClick(target, Qt::Key_Tab);
            return Expectation::Quiet;
        case 1:
            log(QStringLiteral("Shift+Tab in %1").arg(where));
            QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
            return Expectation::Quiet;
        case 2:
            log(QStringLiteral("Return in %1").arg(where));
            QTest::keyClick(target, m_dice.chance(50) ? Qt::Key_Return : Qt::Key_Enter);
            return Expectation::Anything;
        case 3:
            log(QStringLiteral("Space in %1").arg(where));
            QTest::keyClick(target, Qt::Key_Space);
            noteTyped();
            return qobject_cast<QLineEdit *>(target) ? Expectation::Quiet : Expectation::Anything;
        default: {
            static const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
            const Qt::Key key = m_dice.pick(arrows);
            log(QStringLiteral("%1 in %2").arg(QKeySequence(key).toString(), where));
            QTest::keyClick(target, key);
            return qobject_cast<QLineEdit *>(target) ? Expectation::Quiet : Expectation::Anything;
        }
        }
    }

    QString check(const Snapshot &before, Expectation expectation, qsizetype boxesShown) const
    {
        if (QApplication::activeModalWidget())
            return QStringLiteral("a modal window is still open: %1")
                .arg(QApplication::activeModalWidget()->objectName());

        // Exactly one panel, the selected one.
        const std::vector<Panel *> &panels = m_window.panels();
        int visiblePanels = 0;
        for (const Panel *panel : panels)
            visiblePanels += panel->isVisible() ? 1 : 0;
        const int current = m_window.currentCalculator();
        const auto shown = std::ranges::find(panels, current, &Panel::index);
        if (visiblePanels != 1 || shown == panels.end() || !(*shown)->isVisible())
            return QStringLiteral("%1 panels visible; currentCalculator is %2").arg(visiblePanels).arg(current);
        if (QString problem = checkOneSelected("optCalculator", current); !problem.isEmpty())
            return problem;

        // The unit system, its button and every caption agree.
        const int units = m_window.unitSystem();
        if (units != frmPressureCalc::Imperial && units != frmPressureCalc::Metric)
            return QStringLiteral("unitSystem is %1").arg(units);
        if (QString problem = checkOneSelected("Option1", units); !problem.isEmpty())
            return problem;
        for (const UnitCaptions &unit : unitCaptions) {
            const QString name = QString::fromLatin1(unit.labels);
            QList<QWidget *> labels = WindowDriver::controlArray(m_window, name);
            if (labels.isEmpty())
                labels.append(WindowDriver::control(m_window, name));
            const QString expected = units == frmPressureCalc::Imperial ? unit.imperial : unit.metric;
            for (QWidget *label : labels)
                if (qobject_cast<QLabel *>(label)->text() != expected)
                    return QStringLiteral("%1 reads \"%2\" in unit system %3")
                        .arg(label->objectName(), qobject_cast<QLabel *>(label)->text())
                        .arg(units);
        }
        if (QString problem = checkOneSelected("optCVType", -1); !problem.isEmpty())
            return problem;

        // Every field the user is not typing in holds a number.
        QWidget *focus = QApplication::focusWidget();
        for (const QString &name : m_validatedFields + m_resultFields) {
            QLineEdit *field = WindowDriver::field(m_window, name);
            const QString text = field->text();
            if (field == focus && m_validatedFields.contains(name))
                continue;
            if (text.isEmpty() && m_mayBeEmpty.contains(name))
                continue;
            const auto value = NumberText::parse(text);
            if (!value)
                return QStringLiteral("%1 holds \"%2\", which is not a number").arg(name, text);
            if (forbiddenTexts.contains(text.trimmed(), Qt::CaseInsensitive)
                && !(m_signed.contains(name) && text == m_lastTyped.value(name)))
                return QStringLiteral("%1 holds \"%2\"").arg(name, text);
            if (*value < 0 && m_magnitudes.contains(name))
                return QStringLiteral("%1 holds the negative \"%2\"").arg(name, text);
        }
        const auto *disclaimer = WindowDriver::control<QPlainTextEdit>(m_window, QStringLiteral("txtdisclaimer"));
        if (disclaimer->toPlainText() != frmPressureCalc::disclaimerText())
            return QStringLiteral("the disclaimer text changed");

        // What the action itself promised.
        QStringList names;
        const QString texts = fieldTexts(&names);
        switch (expectation) {
        case Expectation::Anything:
            return QString();
        case Expectation::TotalIsZero:
            for (const QString &total : {QStringLiteral("txtSystemFlow"), QStringLiteral("txtSystemConsumption")})
                if (boxesShown == 0 && WindowDriver::field(m_window, total)->text() != QLatin1StringView("0"))
                    return QStringLiteral("Reset System Flow left \"%1\" in %2")
                        .arg(WindowDriver::field(m_window, total)->text(), total);
            return QString();
        case Expectation::Quiet:
        case Expectation::NothingChanges:
            if (boxesShown > 0)
                return QStringLiteral("a message box appeared: \"%1\"").arg(m_boxes.seen().last().text);
            if (before.units != m_window.unitSystem() || before.panel != m_window.currentCalculator())
                return QStringLiteral("the unit system or the panel changed");
            break;
        }
        const QStringList beforeTexts = before.texts.split(QLatin1Char('\n'));
        const QStringList afterTexts = texts.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (beforeTexts.at(i) == afterTexts.at(i))
                continue;
            QWidget *changed = WindowDriver::field(m_window, names.at(i));
            const bool wasLeft = changed == before.focus;
            const bool typedInto = expectation == Expectation::Quiet && changed == focus;
            if (!wasLeft && !typedInto)
                return QStringLiteral("%1 changed from \"%2\" to \"%3\"")
                    .arg(names.at(i), beforeTexts.at(i), afterTexts.at(i));
        }
        return QString();
    }

    // Exactly one button of an option group selected; the given one, if any.
    QString checkOneSelected(const char *group, int expected) const
    {
        int selected = -1;
        int count = 0;
        const QList<QWidget *> options = WindowDriver::controlArray(m_window, QString::fromLatin1(group));
        for (int index = 0; index < options.size(); ++index)
            if (qobject_cast<QRadioButton *>(options.at(index))->isChecked()) {
                selected = index;
                ++count;
            }
        if (count != 1 || (expected >= 0 && selected != expected))
            return QStringLiteral("%1: %2 buttons selected, button %3 rather than %4")
                .arg(QString::fromLatin1(group))
                .arg(count)
                .arg(selected)
                .arg(expected);
        return QString();
    }

    QString fieldTexts(QStringList *names = nullptr) const
    {
        QStringList texts;
        for (const QString &name : m_validatedFields + m_resultFields) {
            texts.append(WindowDriver::field(m_window, name)->text());
            if (names)
                names->append(name);
        }
        return texts.join(QLatin1Char('\n'));
    }

    // Notes the text typed into the focused field. The room temperature keeps
    // what was typed, so a typed "-0" may stay there.
    void noteTyped()
    {
        if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            m_lastTyped.insert(field->objectName(), field->text());
    }

    frmPressureCalc &m_window;
    MessageBoxWatcher &m_boxes;
    Dice m_dice;
    quint64 m_seed;
    int m_actions;
    int m_step = 0;
    QStringList m_history;
    QHash<QString, QString> m_lastTyped;
    Reach m_reach;
    // The fields that clean themselves when they lose the focus, and those
    // only the program writes.
    QStringList m_validatedFields;
    QStringList m_resultFields;
    QStringList m_magnitudes; // cleaned to a magnitude: never negative
    QStringList m_signed;     // cleaned, the sign kept
    QStringList m_mayBeEmpty;
    QStringList m_buttons;
    QStringList m_optionButtons;
};

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("CORVANE_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : defaultSeed;
}

int actionsFromEnvironment()
{
    bool ok = false;
    const int actions = qEnvironmentVariableIntValue("CORVANE_MONKEY_ACTIONS", &ok);
    return ok && actions > 0 ? actions : defaultActions;
}

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void survivesRandomUse_data();
    void survivesRandomUse();
    void invariantsCatchABrokenWindow_data();
    void invariantsCatchABrokenWindow();
};

void tst_Monkey::survivesRandomUse_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("share"); // of the actions, in percent
    QTest::newRow("C") << "C" << 100;
    // A decimal comma and dots grouping digits: the texts the window writes
    // and reads change with the locale.
    QTest::newRow("de_DE") << "de_DE" << 50;
}

void tst_Monkey::survivesRandomUse()
{
    QFETCH(QString, locale);
    QFETCH(int, share);
    QLocale::setDefault(QLocale(locale));
    frmPressureCalc window;
    // The logo opens nothing: half the time the page "opens", otherwise the
    // fallback message is shown (and dismissed).
    int clicksOnLogo = 0;
    window.setWebsiteOpener([&clicksOnLogo](const QUrl &, const WebsiteLink::OpenedCallback &opened) {
        opened(++clicksOnLogo % 2 == 0);
    });
    QVERIFY(WindowDriver::showAndActivate(window));
    MessageBoxWatcher boxes;

    const quint64 seed = seedFromEnvironment();
    const int actions = actionsFromEnvironment() * share / 100;
    Monkey monkey(window, boxes, seed, actions);
    const QString failure = monkey.run();
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
    const auto &reach = monkey.reach();
    qInfo("seed %llu, locale %s: %d actions, %lld message boxes dismissed, %d unit switches, %d panel changes, "
          "%d actions changed a field, %d wrote a result",
          static_cast<unsigned long long>(seed), qPrintable(locale), actions,
          static_cast<long long>(boxes.seen().size()),
          reach.unitSwitches, reach.panelChanges, reach.actionsChangingFields, reach.resultsWritten);
    // A full run reaches everything many times over; far fewer means the
    // clicks and keys stopped reaching the window.
    if (actions >= defaultActions / 2) {
        QVERIFY(reach.unitSwitches > actions / 200);
        QVERIFY(reach.panelChanges > actions / 40);
        QVERIFY(reach.actionsChangingFields > actions / 10);
        QVERIFY(reach.resultsWritten > actions / 250);
        QVERIFY(boxes.seen().size() > actions / 200);
    }
}

// The checks themselves find each kind of damage the monkey looks for.
void tst_Monkey::invariantsCatchABrokenWindow_data()
{
    QTest::addColumn<int>("damage");
    QTest::newRow("result not a number") << 0;
    QTest::newRow("result -0") << 1;
    QTest::newRow("left field inf") << 2;
    QTest::newRow("left field nan") << 3;
    QTest::newRow("two panels visible") << 4;
    QTest::newRow("panel not the selected one") << 5;
    QTest::newRow("unit caption of the other system") << 6;
    QTest::newRow("unit button not the system in force") << 7;
    QTest::newRow("negative magnitude") << 8;
    QTest::newRow("empty left field") << 9;
    // Empty until there is a standard bore, but never anything else.
    QTest::newRow("standard bore not a number") << 10;
}

void tst_Monkey::invariantsCatchABrokenWindow()
{
    QFETCH(int, damage);
    frmPressureCalc window;
    QVERIFY(WindowDriver::showAndActivate(window));
    MessageBoxWatcher boxes;
    Monkey monkey(window, boxes, defaultSeed, 1);
    QCOMPARE(monkey.problemsNow(), QString());

    const auto quietly = [](QWidget *widget, auto change) {
        const QSignalBlocker blocker(widget);
        change();
    };
    switch (damage) {
    case 0: WindowDriver::field(window, QStringLiteral("txtPushForce"))->setText(QStringLiteral("abc")); break;
    case 1: WindowDriver::field(window, QStringLiteral("txtVolume"))->setText(QStringLiteral("-0")); break;
    case 2: WindowDriver::field(window, QStringLiteral("txtRodDiameter"))->setText(QStringLiteral("inf")); break;
    case 3: WindowDriver::field(window, QStringLiteral("txtRoomTemp"))->setText(QStringLiteral("NaN")); break;
    case 4: WindowDriver::control(window, QStringLiteral("Frame(2)"))->show(); break;
    case 5:
        WindowDriver::control(window, QStringLiteral("Frame(0)"))->hide();
        WindowDriver::control(window, QStringLiteral("Frame(1)"))->show();
        break;
    case 6:
        WindowDriver::control<QLabel>(window, QStringLiteral("lblFlowUnits(1)"))->setText(QStringLiteral("L/min"));
        break;
    case 7: {
        auto *metric = WindowDriver::control<QRadioButton>(window, QStringLiteral("Option1(1)"));
        quietly(metric, [metric] { metric->setChecked(true); });
        break;
    }
    case 8: WindowDriver::field(window, QStringLiteral("txtStrokTime"))->setText(QStringLiteral("-2")); break;
    case 10: WindowDriver::field(window, QStringLiteral("txtStandardForce"))->setText(QStringLiteral("abc")); break;
    default: WindowDriver::field(window, QStringLiteral("txtAirPressure(1)"))->setText(QString()); break;
    }
    const QString problem = monkey.problemsNow();
    QVERIFY2(!problem.isEmpty(), "the damage went unnoticed");
    qInfo("%s", qPrintable(problem));
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
