// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches for modal message boxes while it lives, records what each one
// showed and closes it with its OK button, as a user would.
class MessageBoxWatcher : public QObject
{
    Q_OBJECT

public:
    struct Seen {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        int buttonCount;
    };

    MessageBoxWatcher();

    const QList<Seen> &seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void poll();

    QTimer m_timer;
    QList<Seen> m_seen;
};
