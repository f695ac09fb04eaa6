// SPDX-License-Identifier: MIT
// Using the window without a mouse, and with a screen reader.
//
// Tab and Shift+Tab walk the controls in tab-index order (frmPressureCalc.cpp
// sets it up); Space presses the focused button, selects the focused option
// button or opens the website from the logo; the arrow keys move within an
// option group. Return or Enter in an input field does what a click on its
// panel's Calculate button does. Every caption label is the buddy of its
// field, and every field and button carries a name a screen reader reads out.
#include "frmPressureCalc.h"

#include "controlTable.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The Calculate button of each calculator panel, by panel index.
const QHash<QString, QString> calculateButtons{
    {QStringLiteral("Frame(0)"), QStringLiteral("btnCalcBoreSize")},
    {QStringLiteral("Frame(1)"), QStringLiteral("btnCalcForce")},
    {QStringLiteral("Frame(2)"), QStringLiteral("btnCalcCV")},
};

// Presses a panel's Calculate button when Return or Enter is pressed in one
// of the panel's input fields. The button's command cleans the field first,
// as the field's loss of focus would on a mouse click; the focus stays in the
// field, ready for the next value.
class ReturnCalculates : public QObject
{
public:
    void watch(QWidget *field, QAbstractButton *calculate)
    {
        m_buttons.insert(field, calculate);
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // Holding the key down calculates once.
        if (!key->isAutoRepeat())
            m_buttons.value(static_cast<QWidget *>(watched))->click();
        return true;
    }

private:
    QHash<QWidget *, QAbstractButton *> m_buttons;
};

// The calculator panel a control lies on, or nullptr.
QWidget *panelOf(QWidget *control)
{
    for (QWidget *ancestor = control->parentWidget(); ancestor; ancestor = ancestor->parentWidget())
        if (calculateButtons.contains(ancestor->objectName()))
            return ancestor;
    return nullptr;
}

} // namespace

void frmPressureCalc::installKeyboardUse()
{
    auto filter = std::make_unique<ReturnCalculates>();
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        if (entry.kind != ControlTable::Kind::InputField)
            continue;
        QWidget *input = control(QString::fromLatin1(entry.name));
        if (QWidget *panel = panelOf(input))
            filter->watch(input, control<QAbstractButton>(calculateButtons.value(panel->objectName())));
    }
    m_keyboardUse = std::move(filter);
}

void frmPressureCalc::nameControlsForScreenReaders()
{
    // A field is announced by the caption beside it.
    for (const ControlTable::Caption &caption : ControlTable::captions()) {
        auto *label = control<QLabel>(QString::fromLatin1(caption.label));
        QWidget *captioned = control(QString::fromLatin1(caption.field));
        label->setBuddy(captioned);
        captioned->setAccessibleName(label->text());
    }
    // The coefficient has the Cv/kV option buttons beside it, no caption.
    field(QStringLiteral("txtCvFactor"))->setAccessibleName(QStringLiteral("Flow coefficient"));
    control(QStringLiteral("txtdisclaimer"))
        ->setAccessibleName(control<QGroupBox>(QStringLiteral("Frame7"))->title());

    QWidget *logo = control(QStringLiteral("Picture1"));
    logo->setAccessibleName(QStringLiteral("Corvane website"));
    logo->setAccessibleDescription(QStringLiteral("Opens %1 in your web browser").arg(WebsiteLink::address));

    // Buttons and option buttons are announced by their captions, which do
    // not change once start-up has set them.
    for (const ControlTable::Control &entry : ControlTable::controls())
        if (entry.kind == ControlTable::Kind::CommandButton || entry.kind == ControlTable::Kind::OptionButton) {
            auto *button = control<QAbstractButton>(QString::fromLatin1(entry.name));
            button->setAccessibleName(button->text());
        }
}
