// SPDX-License-Identifier: MIT
#include "returnPresses.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace ReturnPresses {

namespace {

class Filter : public QObject
{
public:
    Filter(QWidget *source, QAbstractButton *button) : QObject(source), m_button(button) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // Holding the key down presses once.
        if (!key->isAutoRepeat())
            m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

void install(QWidget *source, QAbstractButton *button)
{
    source->installEventFilter(new Filter(source, button));
}

} // namespace ReturnPresses
