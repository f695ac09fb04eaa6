// SPDX-License-Identifier: MIT
// Building the window: every control from the control table, in its place,
// with its caption, start-up text and tab stop; then each feature connects
// the controls it works with.
#include "frmPressureCalc.h"

#include "applicationInfo.h"
#include "controlTable.h"
#include "fieldCleaner.h"
#include "logoLink.h"
#include "messageBoxes.h"
#include "optionGroups.h"
#include "resultColours.h"
#include "returnPresses.h"
#include "screenReader.h"
#include "statusNotes.h"
#include "windowScale.h"

#include <calculator/calculator.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <numeric>
#include <string>

namespace {

// A text of the calculator library, in the user's language where a
// translation has it (the library marks its fixed texts in this context).
QString calculatorText(std::string_view view)
{
    const std::string text(view);
    return QCoreApplication::translate("Calculator", text.c_str());
}

void showCalculatorMessage(QWidget *parent, const Calculator::Message &message)
{
    const auto icon = message.icon == Calculator::MessageIcon::Exclamation ? QMessageBox::Warning
                                                                            : QMessageBox::NoIcon;
    MessageBoxes::show(parent, calculatorText(message.prompt), icon, calculatorText(message.title));
}

} // namespace

frmPressureCalc::frmPressureCalc(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPressureCalc"));
    setWindowTitle(QString::fromLatin1(ApplicationInfo::displayName));
    // The controls lie on a canvas of the layout's size, centred in the
    // client area, so the window can be maximised or made larger while the
    // layout stays as drawn.
    m_canvas = new QWidget(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    auto *centring = new QGridLayout(this);
    centring->setContentsMargins(0, 0, 0, 0);
    centring->addWidget(m_canvas, 0, 0, Qt::AlignCenter);
    m_scale = scale();
    setFont(WindowScale::formFont(m_scale));

    buildControls();
    setTabOrderFromTable();
    for (QRadioButton *group : {m_ui.unitSelector[0], m_ui.calculatorSelector[0], m_ui.coefficientKind[0]})
        OptionGroups::keepOneTabStop(group);

    Calculator::SetMessageHandler([this](const Calculator::Message &message) {
        // The report repeats the warnings a Calculate showed.
        if (message.icon == Calculator::MessageIcon::Exclamation)
            noteCalculatorWarning(calculatorText(message.prompt));
        showCalculatorMessage(this, message);
    });

    // Each feature connects the controls it works with; no handler relies on
    // running before or after another.
    installStatusBar();
    installFieldValidation();
    connectCalculatorSelector();
    connectCylinderCommands();
    connectUnitSwitch();
    connectValveFlowCommands();
    connectWebsiteLink();
    installKeyboardUse();
    installReportRecords();
    installMenuBar();

    startUp();
    // Screen readers learn the units as start-up has captioned them.
    nameControlsForScreenReaders();
    installZoom();
    applyScale();
}

frmPressureCalc::~frmPressureCalc()
{
    Calculator::SetMessageHandler({});
}

void frmPressureCalc::buildControls()
{
    // Controls by object name while the window is built: for the containers,
    // which come before what they hold, and for the field table.
    QHash<QString, QWidget *> byName;
    QList<QLineEdit *> results;
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        QWidget *container = m_canvas;
        if (entry.container) {
            container = byName.value(QString::fromLatin1(entry.container));
            if (!container)
                qFatal("control table: %s comes before its container %s", entry.name, entry.container);
        }
        QWidget *widget = createControl(entry, container);
        const QString name = QString::fromLatin1(entry.name);
        widget->setObjectName(name);
        widget->setGeometry(WindowScale::pixelGeometry(entry, m_scale));
        if (entry.toolTip)
            widget->setToolTip(ControlTable::translated(entry.toolTip));
        if (entry.place)
            entry.place(m_ui, widget);
        byName.insert(name, widget);
        m_controls.push_back(widget);
        if (entry.kind == ControlTable::Kind::OutputField)
            results.append(static_cast<QLineEdit *>(widget));
    }
    ResultColours::follow(this, results);

    m_fields = Fields([&byName](const QString &name) { return byName.value(name); });
    // A field is named to the user by the caption beside it.
    for (const Fields::Field &field : m_fields)
        if (field.caption)
            field.caption->setBuddy(field.edit);
}

QWidget *frmPressureCalc::createControl(const ControlTable::Control &entry, QWidget *container)
{
    using ControlTable::Kind;
    switch (entry.kind) {
    case Kind::Frame:
        return new QGroupBox(ControlTable::translated(entry.text), container);
    case Kind::OptionButton: {
        auto *button = new QRadioButton(ControlTable::translated(entry.text), container);
        button->setChecked(entry.selected);
        return button;
    }
    case Kind::InputField:
        return new QLineEdit(QString::fromLatin1(entry.text), container);
    case Kind::OutputField: {
        auto *field = new QLineEdit(QString::fromLatin1(entry.text), container);
        field->setReadOnly(true);
        // A result is read from its first digit: a long one shows its start.
        connect(field, &QLineEdit::textChanged, field, [field] { field->setCursorPosition(0); });
        return field;
    }
    case Kind::DisclaimerField: {
        // Bold, in the window's font at every scale. Set before start-up
        // writes the text, so that the text is laid out once.
        auto *field = new QPlainTextEdit(container);
        field->setReadOnly(true);
        field->setFont(disclaimerFont());
        return field;
    }
    case Kind::CommandButton: {
        auto *button = new QPushButton(ControlTable::translated(entry.text), container);
        button->setAutoDefault(false);
        ReturnPresses::install(button, button);
        return button;
    }
    case Kind::Label:
        // In the window's font, drawn smaller only where a caption needs it.
        return new QLabel(ControlTable::translated(entry.text), container);
    case Kind::PictureBox:
        // Its picture comes with the scale the window is drawn at.
        return new LogoLink(container);
    }
    Q_UNREACHABLE();
}

void frmPressureCalc::setTabOrderFromTable()
{
    const auto table = ControlTable::controls();
    std::vector<std::size_t> order(table.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::ranges::sort(order, {}, [&table](std::size_t row) { return table[row].tabIndex; });

    QWidget *previous = nullptr;
    for (const std::size_t row : order) {
        QWidget *widget = m_controls[row];
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
