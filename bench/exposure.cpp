// SPDX-License-Identifier: MIT
#include "exposure.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace Bench {
namespace {

class PaintSeen : public QObject
{
public:
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

} // namespace

bool showAndWaitExposed(QWidget &window)
{
    PaintSeen paint;
    window.installEventFilter(&paint);
    window.show();
    const QDeadlineTimer deadline(5000);
    bool done = false;
    for (;;) {
        const QWindow *handle = window.windowHandle();
        if (handle && handle->isExposed() && paint.seen) {
            done = true;
            break;
        }
        if (deadline.hasExpired())
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    window.removeEventFilter(&paint);
    return done;
}

void drainEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace Bench
