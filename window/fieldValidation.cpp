// SPDX-License-Identifier: MIT
// Cleaning each input field when it loses the keyboard focus.
//
// Twelve fields clean themselves, silently: a text that is not a number
// becomes "0", a number becomes its absolute value in the general format. The
// room temperature may be negative and keeps its text as typed. The cleaning
// runs on every loss of focus, also when the text did not change (Qt's
// editingFinished is not emitted then, so a focus-out event filter drives it).
#include "frmPressureCalc.h"

#include "numberText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHash>
#include <QRadioButton>

#include <cmath>
#include <functional>
#include <utility>

namespace {

// Runs a field's handler whenever that field loses the focus.
class FocusOutWatcher : public QObject
{
public:
    void watch(QWidget *field, std::function<void()> handler)
    {
        m_handlers.insert(field, std::move(handler));
        field->installEventFilter(this);
    }

    // Runs the handler of the field, if it is a watched one.
    void runFor(QWidget *field) const
    {
        const auto found = m_handlers.constFind(field);
        if (found != m_handlers.cend())
            (*found)();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A context menu taking the focus for a moment is not leaving the
        // field: cleaning it then would spoil a paste into an empty field.
        if (event->type() == QEvent::FocusOut
            && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            runFor(static_cast<QWidget *>(watched));
        return false;
    }

private:
    QHash<QWidget *, std::function<void()>> m_handlers;
};

// The cleaned text of a field that holds a magnitude. A value whose general
// form would read back beyond the double range (just below the largest
// double, written with 15 digits) counts as not a number either.
QString magnitudeText(const QString &text)
{
    const auto value = NumberText::parse(text);
    if (!value)
        return QStringLiteral("0");
    const QString cleaned = NumberText::formatGeneral(std::fabs(*value));
    return NumberText::isNumber(cleaned) ? cleaned : QStringLiteral("0");
}

void cleanMagnitude(QLineEdit *field)
{
    field->setText(magnitudeText(field->text()));
}

// A temperature keeps its sign and its text exactly as typed.
void cleanTemperature(QLineEdit *field)
{
    const QString text = field->text();
    field->setText(NumberText::isNumber(text) ? text : QStringLiteral("0"));
}

} // namespace

void frmPressureCalc::installFieldValidation()
{
    auto watcher = std::make_unique<FocusOutWatcher>();
    const auto watchArray = [&](const char *name, void (frmPressureCalc::*handler)(int)) {
        for (int index = 0; QWidget *element : controlArray(QString::fromLatin1(name))) {
            watcher->watch(element, [this, handler, index] { (this->*handler)(index); });
            ++index;
        }
    };
    const auto watchField = [&](const char *name, void (frmPressureCalc::*handler)()) {
        watcher->watch(field(QString::fromLatin1(name)), [this, handler] { (this->*handler)(); });
    };

    watchArray("txtAirPressure", &frmPressureCalc::txtAirPressureLostFocus);
    watchArray("txtCylinderBore", &frmPressureCalc::txtCylinderBoreLostFocus);
    watchField("txtForceRequired", &frmPressureCalc::txtForceRequiredLostFocus);
    watchField("txtSafetyFactor", &frmPressureCalc::txtSafetyFactorLostFocus);
    watchField("txtAreaRequired", &frmPressureCalc::txtAreaRequiredLostFocus);
    watchField("txtMinBoreSize", &frmPressureCalc::txtMinBoreSizeLostFocus);
    watchField("txtRodDiameter", &frmPressureCalc::txtRodDiameterLostFocus);
    watchField("txtStrokeLength", &frmPressureCalc::txtStrokeLengthLostFocus);
    watchField("txtStrokTime", &frmPressureCalc::txtStrokTimeLostFocus);
    watchField("txtNumCylinders", &frmPressureCalc::txtNumCylindersLostFocus);
    watchField("txtPressureDrop", &frmPressureCalc::txtPressureDropLostFocus);
    watchField("txtRoomTemp", &frmPressureCalc::txtRoomTempLostFocus);
    m_fieldValidation = std::move(watcher);

    // Selecting another panel hides the field being edited; on a platform
    // whose option buttons take no focus, clean it before the panel goes.
    // Connected before the selector itself, so this runs first.
    for (QWidget *button : controlArray(QStringLiteral("optCalculator")))
        connect(qobject_cast<QRadioButton *>(button), &QRadioButton::toggled, this,
                [this](bool checked) {
                    if (checked)
                        finishPendingEdit();
                });
}

void frmPressureCalc::finishPendingEdit()
{
    if (m_fieldValidation)
        static_cast<const FocusOutWatcher *>(m_fieldValidation.get())
            ->runFor(QApplication::focusWidget());
}

void frmPressureCalc::txtAirPressureLostFocus(int index)
{
    cleanMagnitude(qobject_cast<QLineEdit *>(controlArray(QStringLiteral("txtAirPressure")).at(index)));
}

void frmPressureCalc::txtCylinderBoreLostFocus(int index)
{
    cleanMagnitude(qobject_cast<QLineEdit *>(controlArray(QStringLiteral("txtCylinderBore")).at(index)));
}

void frmPressureCalc::txtForceRequiredLostFocus() { cleanMagnitude(field(QStringLiteral("txtForceRequired"))); }
void frmPressureCalc::txtSafetyFactorLostFocus() { cleanMagnitude(field(QStringLiteral("txtSafetyFactor"))); }
void frmPressureCalc::txtAreaRequiredLostFocus() { cleanMagnitude(field(QStringLiteral("txtAreaRequired"))); }
void frmPressureCalc::txtMinBoreSizeLostFocus() { cleanMagnitude(field(QStringLiteral("txtMinBoreSize"))); }
void frmPressureCalc::txtRodDiameterLostFocus() { cleanMagnitude(field(QStringLiteral("txtRodDiameter"))); }
void frmPressureCalc::txtStrokeLengthLostFocus() { cleanMagnitude(field(QStringLiteral("txtStrokeLength"))); }
void frmPressureCalc::txtStrokTimeLostFocus() { cleanMagnitude(field(QStringLiteral("txtStrokTime"))); }
// The count is not forced to a whole number here; the valve command rounds it.
void frmPressureCalc::txtNumCylindersLostFocus() { cleanMagnitude(field(QStringLiteral("txtNumCylinders"))); }
void frmPressureCalc::txtPressureDropLostFocus() { cleanMagnitude(field(QStringLiteral("txtPressureDrop"))); }
void frmPressureCalc::txtRoomTempLostFocus() { cleanTemperature(field(QStringLiteral("txtRoomTemp"))); }
