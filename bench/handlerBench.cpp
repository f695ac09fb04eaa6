// SPDX-License-Identifier: MIT
// Each handler of the window, from the event to the fields written, driven
// through the real widgets of a shown window, against its bound: a handler
// that reads the same fields and writes the same fields with fixed texts,
// reached through the same kind of event in the same window.
//
// The bound's controls are added by the benchmark to the panel of the real
// ones, in a container of their own (so that option buttons form a group of
// their own), with the same geometry. The fixed texts are the ones the real
// handler writes, found by running it once, so both write texts of the same
// length. Between iterations (untimed) the inputs are refilled, the outputs
// reset and pending events (repaints) processed, for both alike.
#include "handlerBench.h"

#include "cases.h"
#include "controlByName.h"
#include "exposure.h"

#include <frmPressureCalc.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Bench {
namespace {

struct FieldText {
    const char *field;
    const char *text;
};

// A text read by a bound handler, kept so that the read is not dropped.
void keepLength(const QString &text)
{
    qsizetype length = text.size();
    keep(length);
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "handler benchmark: %s\n", what);
    std::abort();
}

// A twin field that runs a function each time it loses the focus, after
// the field's own handling of it.
class FieldWithFocusOut : public QLineEdit
{
public:
    FieldWithFocusOut(std::function<void()> onFocusOut, QWidget *parent)
        : QLineEdit(parent), m_onFocusOut(std::move(onFocusOut))
    {
    }

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        m_onFocusOut();
    }

private:
    std::function<void()> m_onFocusOut;
};

// The calculator window, shown, exposed and active, on the panel given.
class WindowFixture : public Fixture
{
public:
    explicit WindowFixture(int panel)
    {
        m_window = std::make_unique<frmPressureCalc>();
        if (!showAndWaitExposed(*m_window))
            fail("the window was not exposed");
        m_window->activateWindow();
        for (int i = 0; i < 100 && QApplication::activeWindow() != m_window.get(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        control<QRadioButton>(QStringLiteral("optCalculator(%1)").arg(panel))->click();
        drainEvents();

        // No message box may ever open: it would wait for a click forever.
        m_watchdog.setInterval(500);
        QObject::connect(&m_watchdog, &QTimer::timeout, &m_watchdog, [] {
            if (QApplication::activeModalWidget())
                fail("a message box opened; the inputs are wrong");
        });
        m_watchdog.start();
    }

    void after() override { drainEvents(); }

protected:
    template<class T = QWidget, class Name> T *control(const Name &name) const
    {
        return controlByName<T>(*m_window, name);
    }
    QLineEdit *field(const char *name) const { return control<QLineEdit>(name); }

    // Gives the focus to the control a run clicks, as the click would: a
    // command then finds no field being edited (validating that field is a
    // handler of its own, measured on its own).
    static void takeFocus(QWidget *control)
    {
        control->setFocus(Qt::MouseFocusReason);
        drainEvents();
        if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            fail("a field kept the focus");
    }

    void fill(const std::vector<FieldText> &texts) const
    {
        for (const FieldText &entry : texts)
            field(entry.field)->setText(QString::fromLatin1(entry.text));
    }

    // A container of the benchmark's own in the parent of a real control,
    // behind the real controls, holding a control of type T with the real
    // control's geometry.
    template<class T, class... Args> T *boundTwin(const char *realName, Args &&...args)
    {
        QWidget *real = control(realName);
        QWidget *parent = real->parentWidget();
        QWidget *&container = m_boundContainers[parent];
        if (!container) {
            container = new QWidget(parent);
            container->setGeometry(parent->rect());
            container->lower();
            container->show();
        }
        auto *twin = new T(std::forward<Args>(args)..., container);
        twin->setGeometry(real->geometry());
        twin->show();
        return twin;
    }

    std::unique_ptr<frmPressureCalc> m_window;

private:
    QTimer m_watchdog;
    std::map<QWidget *, QWidget *> m_boundContainers;
};

// ---------------------------------------------------------------- validation

// The air pressure of the bore panel loses the focus holding a negative
// number; the validation writes its absolute value.
constexpr const char *validatedField = "txtAirPressure(0)";
constexpr const char *validatedText = "-1234.5678";

// The longest text a field takes (a QLineEdit's default maximum length,
// 32,767 characters), typed or pasted: "-2.555...5", a number.
const char *longNumber()
{
    static const std::string text = "-2." + std::string(32764, '5');
    return text.c_str();
}

class Validation : public WindowFixture
{
public:
    explicit Validation(const char *text = validatedText) : WindowFixture(0), m_text(text)
    {
        m_field = field(validatedField);
    }
    void before() override { m_field->setText(QString::fromLatin1(m_text)); }
    void run() override
    {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(m_field, &focusOut);
    }

protected:
    const char *m_text;
    QLineEdit *m_field;
};

class ValidationBound : public Validation
{
public:
    explicit ValidationBound(const char *text = validatedText) : Validation(text)
    {
        // The cleaned text, as the real validation writes it.
        before();
        Validation::run();
        const QString cleaned = m_field->text();
        if (cleaned == QString::fromLatin1(m_text))
            fail("the validation did not clean the field");

        m_field = boundTwin<FieldWithFocusOut>(validatedField, [this, cleaned] {
            const QString read = m_field->text();
            keepLength(read);
            m_field->setText(cleaned);
        });
    }
};

// ------------------------------------------------------------- push buttons

// A Calculate-like command: one button, the inputs it reads, the outputs it
// writes (reset to "0" before every run, so every run changes them, unless
// they are inputs too, refilled).
struct Command {
    int panel;
    const char *button;
    std::vector<FieldText> inputs;
    std::vector<const char *> outputs;
    bool metric = false;
};

class ButtonCommand : public WindowFixture
{
public:
    explicit ButtonCommand(Command command) : WindowFixture(command.panel), m_command(std::move(command))
    {
        if (m_command.metric)
            control<QRadioButton>("Option1(1)")->click();
        m_button = control<QPushButton>(m_command.button);
        takeFocus(m_button);
    }

    void before() override
    {
        for (const char *output : m_command.outputs)
            field(output)->setText(QStringLiteral("0"));
        fill(m_command.inputs);
    }
    void run() override { m_button->click(); }

    // The outputs the command writes, found by running it once.
    std::vector<QString> resultTexts()
    {
        before();
        run();
        drainEvents();
        std::vector<QString> texts;
        for (const char *output : m_command.outputs)
            texts.push_back(field(output)->text());
        return texts;
    }

protected:
    Command m_command;
    QPushButton *m_button;
};

class ButtonCommandBound : public ButtonCommand
{
public:
    explicit ButtonCommandBound(Command command) : ButtonCommand(std::move(command))
    {
        const std::vector<QString> results = resultTexts();
        bool changed = false;
        for (const QString &text : results)
            changed = changed || text != QStringLiteral("0");
        if (!changed)
            fail("the command wrote no result");

        std::vector<QLineEdit *> inputs;
        for (const FieldText &input : m_command.inputs)
            inputs.push_back(field(input.field));
        std::vector<QLineEdit *> outputs;
        for (const char *output : m_command.outputs)
            outputs.push_back(field(output));

        m_button = boundTwin<QPushButton>(m_command.button, m_button->text());
        m_button->setAutoDefault(false);
        QObject::connect(m_button, &QPushButton::clicked, m_button, [inputs, outputs, results] {
            for (QLineEdit *input : inputs) {
                const QString read = input->text();
                keepLength(read);
            }
            for (std::size_t i = 0; i < outputs.size(); ++i)
                outputs[i]->setText(results[i]);
        });
        takeFocus(m_button);
    }
};

Command forceCommand()
{
    return {1,
            "btnCalcForce",
            {{"txtCylinderBore(0)", "2.5"}, {"txtRodDiameter", "0.625"}, {"txtAirPressure(1)", "80"}},
            {"txtPushForce", "txtPullForce"}};
}

// The same with the bore typed as the longest text a field takes.
Command forceCommandLong()
{
    Command command = forceCommand();
    command.inputs[0].text = longNumber() + 1; // without the minus sign
    return command;
}

Command boreCommand()
{
    return {0,
            "btnCalcBoreSize",
            {{"txtForceRequired", "1000"}, {"txtAirPressure(0)", "80"}, {"txtSafetyFactor", "1.5"}},
            {"txtAreaRequired", "txtMinBoreSize"}};
}

// Inputs well inside the range of the flow formula: no warning.
Command valveCommand()
{
    return {2,
            "btnCalcCV",
            {{"txtAirPressure(2)", "90"},
             {"txtStrokeLength", "6"},
             {"txtStrokTime", "0.5"},
             {"txtCylinderBore(1)", "2"},
             {"txtRoomTemp", "70"},
             {"txtNumCylinders", "2"},
             {"txtPressureDrop", "10"}},
            {"txtVolume", "txtInstFlow", "txtCvFactor"}};
}

Command valveCommandMetric()
{
    Command command{2,
                    "btnCalcCV",
                    {{"txtAirPressure(2)", "6"},
                     {"txtStrokeLength", "150"},
                     {"txtStrokTime", "0.5"},
                     {"txtCylinderBore(1)", "50"},
                     {"txtRoomTemp", "20"},
                     {"txtNumCylinders", "2"},
                     {"txtPressureDrop", "0.7"}},
                    {"txtVolume", "txtInstFlow", "txtCvFactor"}};
    command.metric = true;
    return command;
}

// A valve well inside the range of the flow formula: no note.
Command strokeTimeCommand()
{
    return {4,
            "btnCalcTime",
            {{"txtTimeAirPressure", "90"},
             {"txtTimePressureDrop", "10"},
             {"txtTimeBore", "2"},
             {"txtTimeStroke", "6"},
             {"txtTimeRoomTemp", "68"},
             {"txtTimeCylinders", "2"},
             {"txtValveCoefficient", "1.2"}},
            {"txtTimeFlow", "txtTimeResult", "txtPistonSpeed"}};
}

// A steel rod well able to take the push force.
Command bucklingCommand()
{
    return {5,
            "btnCalcBuckling",
            {{"txtBuckleRod", "0.625"},
             {"txtBuckleLength", "12"},
             {"txtModulus", "30000000"},
             {"txtYieldStrength", "50000"},
             {"txtBuckleSafety", "3.5"},
             {"txtBuckleForce", "300"}},
            {"txtBucklingLoad", "txtAllowableForce", "txtMaxBuckleLength", "txtMinRodDiameter"}};
}

// The totals: reads the instantaneous flow, the air consumption and both
// totals, writes both totals (refilled before every run, as inputs).
Command systemFlowCommand()
{
    return {2,
            "btnSumSCFM",
            {{"txtInstFlow", "12.34567"},
             {"txtSystemFlow", "100.5"},
             {"txtAirConsumption", "8.5"},
             {"txtSystemConsumption", "42"}},
            {"txtSystemFlow", "txtSystemConsumption"}};
}

// ----------------------------------------------------------- option buttons

// Two option buttons; each run selects the one not selected, or, with
// thereAndBack, both in turn, ending where it started.
class OptionSwitch : public WindowFixture
{
public:
    OptionSwitch(int panel, const char *first, const char *second, std::vector<FieldText> texts,
                 bool thereAndBack)
        : WindowFixture(panel), m_texts(std::move(texts)), m_thereAndBack(thereAndBack)
    {
        m_first = control<QRadioButton>(first);
        m_second = control<QRadioButton>(second);
        if (!m_first->isChecked())
            fail("the first option is not the one selected");
        // A click on an option button takes the focus, so the field being
        // edited is validated before (a handler of its own) and not during
        // the switch.
        takeFocus(m_first);
    }

    void before() override { fill(m_texts); }
    void run() override
    {
        if (m_thereAndBack) {
            m_second->click();
            m_first->click();
        } else {
            (m_first->isChecked() ? m_second : m_first)->click();
        }
    }

protected:
    std::vector<FieldText> m_texts;
    bool m_thereAndBack;
    QRadioButton *m_first;
    QRadioButton *m_second;
};

// The bound of an option switch: twin option buttons whose selection reads
// the fields and writes into the fields and labels the texts the real switch
// wrote for that selection.
class OptionSwitchBound : public OptionSwitch
{
public:
    OptionSwitchBound(int panel, const char *first, const char *second, std::vector<FieldText> texts,
                      bool thereAndBack, std::vector<const char *> fieldsWritten,
                      std::vector<const char *> labelsWritten)
        : OptionSwitch(panel, first, second, std::move(texts), thereAndBack)
    {
        for (const char *name : fieldsWritten)
            m_fields.push_back(field(name));
        for (const char *name : labelsWritten)
            m_labels.push_back(control<QLabel>(name));

        // What the real switch writes for each selection, from the state
        // each run starts in: both selections in one run, or one a run, each
        // from refilled fields.
        before();
        const Written atStart = written();
        m_second->click();
        const Written afterSecond = written();
        if (!m_thereAndBack)
            before();
        m_first->click();
        const Written afterFirst = written();
        drainEvents();
        if (afterSecond.fields == atStart.fields)
            fail("the option switch changed no field");

        auto *twinFirst = boundTwin<QRadioButton>(first, m_first->text());
        auto *twinSecond = boundTwin<QRadioButton>(second, m_second->text());
        twinFirst->setChecked(true);
        connectTwin(twinSecond, afterSecond);
        connectTwin(twinFirst, afterFirst);
        m_first = twinFirst;
        m_second = twinSecond;
        takeFocus(m_first);
    }

private:
    struct Written {
        std::vector<QString> fields;
        std::vector<QString> labels;
    };

    Written written() const
    {
        Written now;
        for (QLineEdit *f : m_fields)
            now.fields.push_back(f->text());
        for (QLabel *l : m_labels)
            now.labels.push_back(l->text());
        return now;
    }

    void connectTwin(QRadioButton *twin, Written texts)
    {
        QObject::connect(twin, &QRadioButton::toggled, twin, [this, texts](bool checked) {
            if (!checked)
                return;
            for (QLineEdit *f : m_fields) {
                const QString read = f->text();
                keepLength(read);
            }
            for (std::size_t i = 0; i < m_fields.size(); ++i)
                m_fields[i]->setText(texts.fields[i]);
            for (std::size_t i = 0; i < m_labels.size(); ++i)
                m_labels[i]->setText(texts.labels[i]);
        });
    }

    std::vector<QLineEdit *> m_fields;
    std::vector<QLabel *> m_labels;
};

// Every field the unit switch converts, filled with a number.
const std::vector<FieldText> &unitSwitchTexts()
{
    static const std::vector<FieldText> texts{
        {"txtAirPressure(0)", "90"},     {"txtForceRequired", "1000"},   {"txtAreaRequired", "12.5"},
        {"txtMinBoreSize", "3.25"},      {"txtAirPressure(1)", "80"},    {"txtCylinderBore(0)", "2"},
        {"txtRodDiameter", "0.625"},     {"txtPushForce", "400.75"},     {"txtPullForce", "350.5"},
        {"txtAirPressure(2)", "100"},    {"txtCylinderBore(1)", "2.5"},  {"txtRoomTemp", "70"},
        {"txtStrokeLength", "6"},        {"txtPressureDrop", "10"},      {"txtVolume", "18.85"},
        {"txtInstFlow", "12.34567"},     {"txtSystemFlow", "100.5"},     {"txtAirConsumption", "8.5"},
        {"txtSystemConsumption", "42"},  {"txtTimeAirPressure", "90"},   {"txtTimePressureDrop", "10"},
        {"txtTimeBore", "2"},            {"txtTimeStroke", "6"},         {"txtTimeRoomTemp", "68"},
        {"txtValveCoefficient", "1.2"},  {"txtTimeFlow", "20.5"},        {"txtPistonSpeed", "12.5"},
        {"txtBuckleRod", "0.625"},       {"txtBuckleLength", "12"},      {"txtModulus", "30000000"},
        {"txtYieldStrength", "50000"},   {"txtBuckleForce", "300"},      {"txtBucklingLoad", "11520"},
        {"txtAllowableForce", "3291.5"}, {"txtMaxBuckleLength", "40.2"}, {"txtMinRodDiameter", "0.35"},
    };
    return texts;
}

// The fields the switch writes: those it converts, and the standard bore and
// its force, which it chooses again.
std::vector<const char *> unitSwitchFields()
{
    std::vector<const char *> names{"txtStandardBore", "txtStandardForce"};
    for (const FieldText &entry : unitSwitchTexts())
        names.push_back(entry.field);
    return names;
}

// Every unit caption the switch relabels.
std::vector<const char *> unitLabels()
{
    return {"lblPressureUnits(0)",     "lblPressureUnits(1)",     "lblPressureUnits(2)",
            "lblPressureUnits(3)",     "lblForceUnits(0)",        "lblForceUnits(1)",
            "lblForceUnits(2)",        "lblForceUnits(3)",        "lblAreaUnits",
            "lblLengthUnits(0)",       "lblLengthUnits(1)",       "lblLengthUnits(2)",
            "lblLengthUnits(3)",       "lblLengthUnits(4)",       "lblLengthUnits(5)",
            "lbltemperatureUnits",     "lblFlowUnits(0)",         "lblFlowUnits(1)",
            "lblFlowUnits(2)",         "lblFlowUnits(3)",         "lblVolumeUnits",
            "lblTimePressureUnits(0)", "lblTimePressureUnits(1)", "lblTimeLengthUnits(0)",
            "lblTimeLengthUnits(1)",   "lblTimeTemperatureUnits", "lblTimeCoefficientUnits",
            "lblTimeFlowUnits",        "lblTimeSpeedUnits",       "lblBuckleLengthUnits(0)",
            "lblBuckleLengthUnits(1)", "lblBuckleLengthUnits(2)", "lblBuckleLengthUnits(3)",
            "lblStressUnits(0)",       "lblStressUnits(1)",       "lblBuckleForceUnits(0)",
            "lblBuckleForceUnits(1)",  "lblBuckleForceUnits(2)"};
}

const std::vector<FieldText> coefficientTexts{{"txtCvFactor", "1.23456"}};

} // namespace

void registerHandlerCases()
{
    addWindowCase("Handler/Validation", [] { return std::make_unique<Validation>(); });
    addWindowCase("Handler/Validation/bound", [] { return std::make_unique<ValidationBound>(); });
    addWindowCase("Handler/Validation/longInput", [] { return std::make_unique<Validation>(longNumber()); });
    addWindowCase("Handler/Validation/longInput/bound",
                  [] { return std::make_unique<ValidationBound>(longNumber()); });

    const std::pair<const char *, Command (*)()> commands[] = {
        {"Handler/CalcForce", forceCommand},
        {"Handler/CalcForce/longInput", forceCommandLong},
        {"Handler/CalcBoreSize", boreCommand},
        {"Handler/CalcCV", valveCommand},
        {"Handler/CalcCV/metric", valveCommandMetric},
        {"Handler/CalcTime", strokeTimeCommand},
        {"Handler/CalcBuckling", bucklingCommand},
        {"Handler/SystemFlow", systemFlowCommand},
    };
    for (const auto &[name, command] : commands) {
        addWindowCase(name, [command] { return std::make_unique<ButtonCommand>(command()); });
        addWindowCase(std::string(name) + "/bound",
                      [command] { return std::make_unique<ButtonCommandBound>(command()); });
    }

    addWindowCase("Handler/UnitSwitchThereAndBack", [] {
        return std::make_unique<OptionSwitch>(0, "Option1(0)", "Option1(1)", unitSwitchTexts(), true);
    });
    addWindowCase("Handler/UnitSwitchThereAndBack/bound", [] {
        return std::make_unique<OptionSwitchBound>(0, "Option1(0)", "Option1(1)", unitSwitchTexts(), true,
                                                   unitSwitchFields(), unitLabels());
    });

    addWindowCase("Handler/CoefficientKind", [] {
        return std::make_unique<OptionSwitch>(2, "optCVType(0)", "optCVType(1)", coefficientTexts, false);
    });
    addWindowCase("Handler/CoefficientKind/bound", [] {
        return std::make_unique<OptionSwitchBound>(2, "optCVType(0)", "optCVType(1)", coefficientTexts,
                                                   false, std::vector<const char *>{"txtCvFactor"},
                                                   std::vector<const char *>{});
    });
}

} // namespace Bench
