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

#include "logoLink.h"
#include "returnPresses.h"
#include "screenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <array>

namespace {

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

} // namespace

void frmPressureCalc::installKeyboardUse()
{
    // The button's command cleans the field first, as the field's loss of
    // focus would on a mouse click; the focus stays in the field, ready for
    // the next value.
    for (const Fields::Field &field : m_fields)
        if (field.row->role == FieldTable::Role::Input)
            ReturnPresses::install(field.edit, calculateButtons().at(int(field.row->panel)));
}

void frmPressureCalc::nameControlsForScreenReaders()
{
    // A field is announced by its caption; the coefficient, which has the
    // Cv/kV option buttons beside it instead, by what it is.
    for (const Fields::Field &field : m_fields)
        field.edit->setAccessibleName(m_fields.caption(field));
    const QString disclaimer = m_ui.disclaimerFrame->title();
    m_ui.disclaimer->setAccessibleName(disclaimer);
    m_ui.disclaimer->verticalScrollBar()->setAccessibleName(tr("%1 vertical").arg(disclaimer));
    m_ui.disclaimer->horizontalScrollBar()->setAccessibleName(tr("%1 horizontal").arg(disclaimer));

    // The panels have no caption; each is named after its calculator.
    for (int index = 0; QGroupBox *panel : m_ui.panels)
        panel->setAccessibleName(m_ui.calculatorSelector[index++]->text());
    // The empty label below the coefficient would be read out under the name
    // of its frame; hidden, it shows nothing and is left out.
    m_ui.coefficientLabel->hide();

    // Units and the coefficient kind go in the fields' descriptions.
    m_screenReader = std::make_unique<ScreenReader>(this, m_fields);
    m_screenReader->describeFields();

    m_ui.logo->setAccessibleName(tr("Corvane website"));
    m_ui.logo->setAccessibleDescription(tr("Opens %1 in your web browser").arg(WebsiteLink::address));
    // Buttons and option buttons need no name of their own: Qt announces
    // them by their captions.
}
