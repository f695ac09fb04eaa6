// SPDX-License-Identifier: MIT
// Building the window: the top row, the panels, the menu bar and the status
// bar, each laid out by Qt; then the parts that work across panels.
#include "frmPressureCalc.h"

#include "applicationInfo.h"
#include "commandRunner.h"
#include "cylinderBorePanel.h"
#include "cylinderForcePanel.h"
#include "disclaimerPanel.h"
#include "fieldCleaner.h"
#include "lengthLimit.h"
#include "logoLink.h"
#include "menuBar.h"
#include "messageBoxes.h"
#include "optionGroups.h"
#include "panelReport.h"
#include "resultColours.h"
#include "rodBucklingPanel.h"
#include "screenReader.h"
#include "statusNotes.h"
#include "strokeTimePanel.h"
#include "unitSwitch.h"
#include "valveFlowPanel.h"
#include "zoom.h"

#include <calculator/calculator.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QStatusBar>
#include <QVBoxLayout>

#include <string>

namespace {

// A text of the calculator library, in the user's language where a
// translation has it (the library marks its fixed texts in this context).
QString calculatorText(std::string_view view)
{
    const std::string text(view);
    return QCoreApplication::translate("Calculator", text.c_str());
}

// A plain top-level QWidget is exposed as a "client" (a filler to AT-SPI),
// which screen readers do not announce as a window.
QAccessibleInterface *windowAsFrame(const QString &key, QObject *object)
{
    if (key != QLatin1StringView(frmPressureCalc::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    auto *window = static_cast<QWidget *>(object);
    return window->isWindow() ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

// Qt keeps the interface it first makes for an object, and the window's title
// is set as soon as it is created, so the factory is in place before any
// window exists: from the moment the program is loaded.
const bool windowFactoryInstalled = (QAccessible::installFactory(windowAsFrame), true);

// A frame of option buttons, one below the other.
QGroupBox *optionFrame(const char *objectName, const QString &title)
{
    auto *frame = new QGroupBox(title);
    frame->setObjectName(QString::fromLatin1(objectName));
    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(0);
    layout->setContentsMargins(6, 2, 6, 2);
    return frame;
}

QRadioButton *optionButton(const QString &objectName, const QString &caption, QLayout *into)
{
    auto *button = new QRadioButton(caption);
    button->setObjectName(objectName);
    into->addWidget(button);
    return button;
}

} // namespace

frmPressureCalc::frmPressureCalc(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPressureCalc"));
    setWindowTitle(QString::fromLatin1(ApplicationInfo::displayName));

    m_statusNotes = std::make_unique<StatusNotes>();
    QStatusBar *statusBar = m_statusNotes->bar();
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setSizeGripEnabled(false);
    statusBar->setAccessibleName(tr("Notes"));
    // What the window did to a field's text without being asked, said after
    // its caption in the status bar and to a screen reader.
    const auto noteOnField = [this](const QLineEdit *field, const QString &note) {
        const Field *found = m_fields.find(field);
        const QString said = tr("%1: %2", "a field's caption, then what its cleaning did")
                                 .arg(found ? Fields::caption(*found) : field->objectName(), note);
        m_statusNotes->cleaned(said);
        if (m_screenReader)
            m_screenReader->announce(said);
    };
    m_fieldCleaner = std::make_unique<FieldCleaner>(noteOnField);
    m_runner = std::make_unique<CommandRunner>(this, *m_fieldCleaner, *m_statusNotes);

    // The controls lie on a canvas with a margin; the menu bar above it and
    // the status bar below it reach the window's edges.
    auto *canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    auto *canvasLayout = new QVBoxLayout(canvas);
    canvasLayout->setContentsMargins(6, 4, 6, 4);
    canvasLayout->setSpacing(4);
    canvasLayout->addWidget(buildTopRow());
    m_panelStack = new QStackedLayout;
    canvasLayout->addLayout(m_panelStack);
    buildPanels(m_panelStack);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    // Not resizable: the window is the size its layout asks for.
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addWidget(canvas);
    window->addWidget(statusBar);

    std::vector<Field> all;
    QList<QLineEdit *> results;
    QList<QLabel *> labels;
    for (const Panel *panel : m_panels) {
        labels += panel->labels();
        for (const Field &field : panel->fields()) {
            all.push_back(field);
            if (field.row->role != FieldTable::Role::Input)
                results.append(field.edit);
            if (field.row->cleaner != FieldTable::Cleaner::None)
                m_fieldCleaner->watch(field.edit, field.row->cleaner);
            // The user's typing is the next action: the note has been read.
            if (field.row->role == FieldTable::Role::Input) {
                connect(field.edit, &QLineEdit::textEdited, this, [this] { m_statusNotes->edited(); });
                LengthLimit::watch(field.edit, noteOnField);
            }
        }
    }
    m_fields = Fields(std::move(all));
    ResultColours::follow(this, results);

    Calculator::SetMessageHandler([this](const Calculator::Message &message) {
        const bool warning = message.icon == Calculator::MessageIcon::Exclamation;
        // The report repeats the warnings a Calculate showed.
        if (warning)
            m_runner->noteWarning(calculatorText(message.prompt));
        MessageBoxes::show(this, calculatorText(message.prompt), warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                           calculatorText(message.title));
    });

    new UnitSwitch(m_unitSelector, m_panels, *m_runner, m_unitSystem, this);
    OptionGroups::onSelected(QList<QRadioButton *>(m_calculatorSelector.begin(), m_calculatorSelector.end()), this,
                             [this](int index) { selectCalculator(index); });
    m_report = new PanelReport(this, *m_runner, [this] {
        return std::pair<const Panel *, QString>(shownPanel(),
                                                 m_unitSelector.at(m_unitSystem)->text());
    });
    m_websiteOpener = WebsiteLink::systemOpener();
    connect(m_logo, &LogoLink::clicked, this, &frmPressureCalc::openWebsite);

    QMenuBar *menuBar = MenuBar::build(
        this, QList<QRadioButton *>(m_calculatorSelector.begin(), m_calculatorSelector.end()),
        {
            .saveReport = [this] { m_report->saveAs(); },
            .print = [this] { m_report->print(); },
            .copyResults = [this] { m_report->copy(); },
            .zoomIn = [this] { m_zoom->zoomIn(); },
            .zoomOut = [this] { m_zoom->zoomOut(); },
            .zoomReset = [this] { m_zoom->reset(); },
            .website = [this] { openWebsite(); },
            .about = [this] { showAbout(); },
            .focusPanel =
                [this](int position) {
                    // Where Tab would start on the panel: its first input, or the
                    // disclaimer's text. An input's text is selected, as Tab
                    // selects it, also when Qt has already moved the focus there
                    // from a control the panel change hid.
                    QWidget *first = m_panels.at(position)->firstFocus();
                    if (!first || shownPanel() != m_panels.at(position))
                        return;
                    first->setFocus(Qt::ShortcutFocusReason);
                    if (auto *input = qobject_cast<QLineEdit *>(first))
                        input->selectAll();
                },
        });
    window->setMenuBar(menuBar);

    setTabOrder();
    nameForScreenReaders();
    installShortcuts();
    m_zoom = new Zoom(this, labels, m_logo, {menuBar}, [this] {
        for (Panel *panel : m_panels)
            panel->alignColumns();
    });
}

frmPressureCalc::~frmPressureCalc()
{
    Calculator::SetMessageHandler({});
}

QWidget *frmPressureCalc::buildTopRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox *units = optionFrame("frameUnits", tr("Units"));
    QLayout *unitButtons = units->layout();
    m_unitSelector = {optionButton(QStringLiteral("Option1(0)"), tr("Imperial"), unitButtons),
                      optionButton(QStringLiteral("Option1(1)"), tr("Metric"), unitButtons)};
    m_unitSelector[Imperial]->setChecked(true);
    layout->addWidget(units, 0, Qt::AlignTop);

    // Its picture comes with the zoom.
    m_logo = new LogoLink;
    m_logo->setObjectName(QStringLiteral("Picture1"));
    m_logo->setToolTip(WebsiteLink::address);
    layout->addWidget(m_logo, 1, Qt::AlignCenter);

    layout->addWidget(optionFrame("frameCalculators", tr("Calculators")), 0, Qt::AlignTop);
    return row;
}

void frmPressureCalc::buildPanels(QStackedLayout *stack)
{
    const Panel::Context context{*m_runner, m_unitSystem};
    // In the selector's order; the disclaimer, Frame(3), comes last.
    m_panels = {new CylinderBorePanel(context), new CylinderForcePanel(context), new ValveFlowPanel(context),
                new StrokeTimePanel(context), new RodBucklingPanel(context), new DisclaimerPanel(context)};
    auto *selector = m_logo->parentWidget()->findChild<QGroupBox *>(QStringLiteral("frameCalculators"));
    for (Panel *panel : m_panels) {
        stack->addWidget(panel);
        m_calculatorSelector.push_back(
            optionButton(QStringLiteral("optCalculator(%1)").arg(panel->index()), panel->name(), selector->layout()));
    }
    m_calculatorSelector.front()->setChecked(true);
    stack->setCurrentWidget(m_panels.front());
    for (QRadioButton *group : {m_unitSelector[0], m_calculatorSelector[0]})
        OptionGroups::keepOneTabStop(group);
}

void frmPressureCalc::setTabOrder()
{
    // Each panel's inputs, commands and results, then the window's own
    // controls: the logo, the calculator selector, the unit selector. Only
    // the panel shown takes the focus.
    QList<QWidget *> order;
    for (const Panel *panel : m_panels)
        order += panel->tabStops();
    order.append(m_logo);
    order.append(QList<QWidget *>(m_calculatorSelector.begin(), m_calculatorSelector.end()));
    order.append(QList<QWidget *>(m_unitSelector.begin(), m_unitSelector.end()));
    for (qsizetype index = 1; index < order.size(); ++index)
        QWidget::setTabOrder(order[index - 1], order[index]);
}

void frmPressureCalc::selectCalculator(int position)
{
    // Selecting another panel hides the field being edited; on a platform
    // whose option buttons take no focus, it is cleaned before the panel goes.
    m_runner->finishPendingEdit();
    Panel *panel = m_panels.at(position);
    if (panel->index() == m_currentCalculator)
        return;
    m_panelStack->setCurrentWidget(panel);
    m_currentCalculator = qint16(panel->index());
    // The notes were on the panel that is gone.
    m_statusNotes->panelShown();
}

Panel *frmPressureCalc::shownPanel() const
{
    return static_cast<Panel *>(m_panelStack->currentWidget());
}

void frmPressureCalc::nameForScreenReaders()
{
    // A field is announced by its caption; the coefficient, which has the
    // Cv/kV option buttons beside it instead, by what it is. Units and the
    // coefficient kind go in the fields' descriptions. Buttons and option
    // buttons need no name of their own: Qt announces them by their captions.
    for (const Field &field : m_fields)
        field.edit->setAccessibleName(Fields::caption(field));
    m_screenReader = std::make_unique<ScreenReader>(this, m_fields);
    m_screenReader->describeFields();
    m_runner->setScreenReader(m_screenReader.get());

    m_logo->setAccessibleName(tr("Corvane website"));
    m_logo->setAccessibleDescription(tr("Opens %1 in your web browser").arg(WebsiteLink::address));
}

void frmPressureCalc::installShortcuts()
{
    const auto bind = [this](QKeySequence keys, auto action) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    bind(QKeySequence::ZoomIn, [this] { m_zoom->zoomIn(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { m_zoom->zoomIn(); });
    bind(QKeySequence::ZoomOut, [this] { m_zoom->zoomOut(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_zoom->reset(); });
}

QString frmPressureCalc::disclaimerText()
{
    return DisclaimerPanel::text();
}

void frmPressureCalc::setWebsiteOpener(WebsiteLink::Opener opener)
{
    m_websiteOpener = std::move(opener);
}

void frmPressureCalc::openWebsite()
{
    // Each click asks the opener anew; the window keeps working while it
    // answers, which may come after the window has been closed. When the
    // page could not be opened, the user is told the address instead.
    const QPointer<frmPressureCalc> window(this);
    const auto fallback = [window] {
        if (window)
            MessageBoxes::show(window, tr("Please visit our website! ") + WebsiteLink::address,
                               QMessageBox::Information, tr("About"));
    };
    try {
        m_websiteOpener(QUrl(WebsiteLink::address), [fallback](bool success) {
            if (!success)
                fallback();
        });
    } catch (const std::exception &) {
        // An opener that cannot even be asked has failed as well.
        fallback();
    }
}

void frmPressureCalc::showAbout()
{
    const QString text =
        tr("<h3>%1 %2</h3>"
           "<p>Sizes pneumatic cylinders and the valves that feed them.</p>"
           "<p>Released under the MIT licence (see the LICENSE file that comes with it).</p>"
           "<p>Qt %3</p>")
            .arg(QString::fromLatin1(ApplicationInfo::displayName), QString::fromLatin1(ApplicationInfo::version),
                 QString::fromLatin1(qVersion()));
    MessageBoxes::show(this, text, QMessageBox::Information, tr("About Corvane Calculator"));
}

bool frmPressureCalc::saveReport(const QString &path)
{
    return m_report->save(path);
}

QString frmPressureCalc::reportText() const
{
    return m_report->text();
}

void frmPressureCalc::setSaveFileAsker(SaveFileAsker asker)
{
    m_report->setSaveFileAsker(std::move(asker));
}

void frmPressureCalc::setPrintDialogRunner(PrintDialogRunner runner)
{
    m_report->setPrintDialogRunner(std::move(runner));
}
