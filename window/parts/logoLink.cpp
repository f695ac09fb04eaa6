// SPDX-License-Identifier: MIT
#include "logoLink.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// What a screen reader sees of the logo: a link, named by the window, whose
// press action does what a click does.
class LogoLinkAccessible : public QAccessibleWidget
{
public:
    explicit LogoLinkAccessible(LogoLink *logo) : QAccessibleWidget(logo, QAccessible::Link) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            emit static_cast<LogoLink *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *logoLinkAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(LogoLink::staticMetaObject.className()))
        if (auto *logo = qobject_cast<LogoLink *>(object))
            return new LogoLinkAccessible(logo);
    return nullptr;
}

} // namespace

LogoLink::LogoLink(QWidget *parent) : QLabel(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(logoLinkAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);

    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LogoLink::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LogoLink::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button over the logo.
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void LogoLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LogoLink::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The style decides the look, and like other controls it may show the
    // rectangle only once the keyboard has been used to move the focus.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
