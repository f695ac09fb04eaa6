// SPDX-License-Identifier: MIT
#include "frmPressureCalc.h"

#include "applicationInfo.h"
#include "captionFit.h"
#include "controlTable.h"
#include "fieldCleaner.h"
#include "logoLink.h"
#include "messageBoxes.h"
#include "resultColours.h"
#include "returnPresses.h"
#include "screenReader.h"
#include "windowScale.h"

#include <calculator/calculator.h>

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

// "txtAirPressure(2)" gives "txtAirPressure" and 2; a plain name gives -1.
std::pair<QString, int> splitArrayName(const QString &name)
{
    const qsizetype open = name.indexOf(QLatin1Char('('));
    if (open < 0 || !name.endsWith(QLatin1Char(')')))
        return {name, -1};
    return {name.left(open), name.mid(open + 1, name.size() - open - 2).toInt()};
}

// The layout was drawn for MS Sans Serif at 8.25 points; where that face is
// missing, a sans serif of the same narrow metrics keeps every caption inside
// its control. The size grows with the window's scale.
QFont formFont(double pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QFont disclaimerFont(const QFont &windowFont)
{
    QFont font = windowFont;
    font.setWeight(QFont::Bold);
    return font;
}

void showCalculatorMessage(QWidget *parent, const Calculator::Message &message)
{
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), qsizetype(view.size()));
    };
    const auto icon = message.icon == Calculator::MessageIcon::Exclamation ? QMessageBox::Warning
                                                                            : QMessageBox::NoIcon;
    MessageBoxes::show(parent, text(message.prompt), icon, text(message.title));
}

} // namespace

frmPressureCalc::frmPressureCalc(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPressureCalc"));
    setWindowTitle(QStringLiteral("Corvane Calculator"));
    setWindowIcon(ApplicationInfo::icon());
    // The controls lie on a canvas of the layout's size, centred in the
    // client area, so the window can be maximised or made larger while the
    // layout stays as drawn.
    m_canvas = new QWidget(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    auto *centring = new QGridLayout(this);
    centring->setContentsMargins(0, 0, 0, 0);
    centring->addWidget(m_canvas, 0, 0, Qt::AlignCenter);
    m_scale = scale();
    setFont(formFont(WindowScale::designFormPointSize * m_scale));

    buildControls();
    setTabOrderFromTable();
    keepOptionGroupsOneTabStop();

    Calculator::SetMessageHandler(
        [this](const Calculator::Message &message) { showCalculatorMessage(this, message); });

    installFieldValidation();
    connectCylinderCommands();
    connectUnitSwitch();
    connectValveFlowCommands();
    connectWebsiteLink();
    installKeyboardUse();
    for (int index = 0; QRadioButton *button : m_ui.calculatorSelector) {
        connect(button, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                selectCalculator(index);
        });
        ++index;
    }

    startUp();
    nameControlsForScreenReaders();
    installZoom();
    applyScale();
}

frmPressureCalc::~frmPressureCalc()
{
    Calculator::SetMessageHandler({});
}

QWidget *frmPressureCalc::control(const QString &name) const
{
    QWidget *widget = m_controlsByName.value(name);
    if (!widget)
        qFatal("frmPressureCalc has no control named %s", qPrintable(name));
    return widget;
}

QLineEdit *frmPressureCalc::field(const QString &name) const
{
    return control<QLineEdit>(name);
}

QList<QWidget *> frmPressureCalc::controlArray(const QString &name) const
{
    return m_arraysByName.value(name);
}

void frmPressureCalc::buildControls()
{
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        QWidget *container = entry.container ? control(QString::fromLatin1(entry.container)) : m_canvas;
        QWidget *widget = createControl(entry, container);
        const QString name = QString::fromLatin1(entry.name);
        widget->setObjectName(name);
        widget->setGeometry(WindowScale::pixelGeometry(entry, m_scale));
        if (entry.toolTip)
            widget->setToolTip(QString::fromLatin1(entry.toolTip));
        if (entry.place)
            entry.place(m_ui, widget);
        m_controlsByName.insert(name, widget);
        if (entry.kind == ControlTable::Kind::Label || entry.kind == ControlTable::Kind::OptionButton)
            CaptionFit::fit(widget);

        const auto [arrayName, index] = splitArrayName(name);
        if (index >= 0) {
            QList<QWidget *> &elements = m_arraysByName[arrayName];
            if (elements.size() <= index)
                elements.resize(index + 1);
            elements[index] = widget;
        }
    }

    // A field is named to the user by the caption beside it.
    for (const ControlTable::Caption &caption : ControlTable::captions()) {
        auto *label = control<QLabel>(QString::fromLatin1(caption.label));
        QWidget *captioned = control(QString::fromLatin1(caption.field));
        label->setBuddy(captioned);
        m_captionLabels.insert(captioned, label);
    }
}

QWidget *frmPressureCalc::createControl(const ControlTable::Control &entry, QWidget *container)
{
    using ControlTable::Kind;
    const QString text = QString::fromLatin1(entry.text);
    switch (entry.kind) {
    case Kind::Frame:
        return new QGroupBox(text, container);
    case Kind::OptionButton: {
        auto *button = new QRadioButton(text, container);
        button->setChecked(entry.selected);
        return button;
    }
    case Kind::InputField:
        return new QLineEdit(text, container);
    case Kind::OutputField: {
        auto *field = new QLineEdit(text, container);
        field->setReadOnly(true);
        ResultColours::follow(field);
        // A result is read from its first digit: a long one shows its start.
        connect(field, &QLineEdit::textChanged, field, [field] { field->setCursorPosition(0); });
        return field;
    }
    case Kind::DisclaimerField: {
        auto *field = new QPlainTextEdit(text, container);
        field->setReadOnly(true);
        field->setFont(disclaimerFont(font()));
        return field;
    }
    case Kind::CommandButton: {
        auto *button = new QPushButton(text, container);
        button->setAutoDefault(false);
        ReturnPresses::install(button, button);
        return button;
    }
    case Kind::Label:
        // In the window's font, drawn smaller only where a caption needs it.
        return new QLabel(text, container);
    case Kind::PictureBox: {
        auto *logo = new LogoLink(container);
        logo->setPixmap(QPixmap(QStringLiteral(":/corvane/logo.png")));
        return logo;
    }
    }
    Q_UNREACHABLE();
}

void frmPressureCalc::applyScale()
{
    m_scale = scale();
    setFont(formFont(WindowScale::designFormPointSize * m_scale));
    for (const ControlTable::Control &entry : ControlTable::controls())
        control(QString::fromLatin1(entry.name))->setGeometry(WindowScale::pixelGeometry(entry, m_scale));
    m_ui.disclaimer->setFont(disclaimerFont(font()));
    const QPixmap logo(QStringLiteral(":/corvane/logo.png"));
    m_ui.logo->setPixmap(m_scale == 1.0 ? logo
                                            : logo.scaled(logo.size() * m_scale, Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation));

    // Every caption is fitted afresh against its control's new size.
    for (QWidget *captioned : m_canvas->findChildren<QWidget *>()) {
        if ((qobject_cast<QLabel *>(captioned) && captioned != m_ui.logo)
            || qobject_cast<QRadioButton *>(captioned))
            CaptionFit::refit(captioned);
    }
    CaptionFit::fitTogether({m_ui.calculatorSelector.begin(), m_ui.calculatorSelector.end()});

    m_canvas->setFixedSize(WindowScale::clientSize(m_scale));
    layout()->activate();
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(m_canvas->size());
}

void frmPressureCalc::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationFontChange)
        applyScale();
}

void frmPressureCalc::keepOptionGroupsOneTabStop()
{
    // Tab reaches an option group through its selected button only; the
    // arrow keys move within the group.
    const auto updateGroup = [](QWidget *container) {
        const auto buttons = container->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        const bool anySelected = std::ranges::any_of(buttons, &QRadioButton::isChecked);
        for (QRadioButton *button : buttons) {
            const bool stop = button->isChecked() || (!anySelected && button == buttons.first());
            button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QRadioButton *first : {m_ui.unitSelector[0], m_ui.calculatorSelector[0], m_ui.coefficientKind[0]}) {
        QWidget *container = first->parentWidget();
        updateGroup(container);
        for (QRadioButton *button : container->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            connect(button, &QRadioButton::toggled, container, [container, updateGroup] { updateGroup(container); });
        // Qt makes a button that takes the focus its group's tab stop, also
        // one that is not selected: after a refused unit switch the focus
        // comes back to "Metric" with the window while "Imperial" is selected
        // again. The focus change is reported after the button has handled it.
        connect(qApp, &QApplication::focusChanged, container, [container, updateGroup](QWidget *, QWidget *now) {
            if (now && now->parentWidget() == container && qobject_cast<QRadioButton *>(now))
                updateGroup(container);
        });
    }
}

void frmPressureCalc::setTabOrderFromTable()
{
    std::vector<const ControlTable::Control *> order;
    for (const ControlTable::Control &entry : ControlTable::controls())
        order.push_back(&entry);
    std::ranges::sort(order, {}, &ControlTable::Control::tabIndex);

    QWidget *previous = nullptr;
    for (const ControlTable::Control *entry : order) {
        QWidget *widget = control(QString::fromLatin1(entry->name));
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
