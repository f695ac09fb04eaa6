// SPDX-License-Identifier: MIT
// Cleaning the window's fields when they lose the keyboard focus.
//
// Every field the field table gives a cleaner cleans itself: the inputs of
// the three panels and the bore panel's area and minimum bore. Switching to
// another application is not leaving the field. A cleaning that changed the
// number is noted in the status bar (notes.cpp).
#include "frmPressureCalc.h"

#include "fieldCleaner.h"

#include <QLineEdit>

void frmPressureCalc::installFieldValidation()
{
    m_fieldCleaner = std::make_unique<FieldCleaner>(
        [this](const QLineEdit *field, const QString &note) { noteCleaning(field, note); });
    for (const Fields::Field &field : m_fields)
        if (field.row->cleaner != FieldTable::Cleaner::None)
            m_fieldCleaner->watch(field.edit, field.row->cleaner);
}

void frmPressureCalc::finishPendingEdit()
{
    // The field being edited need not have the application's focus: the
    // window may not be active (a click on the selector of an inactive
    // window, or a message box still closing).
    if (m_fieldCleaner)
        m_fieldCleaner->cleanPending();
}
