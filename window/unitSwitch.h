// SPDX-License-Identifier: MIT
#pragma once

#include "commandRunner.h"

#include <QHash>
#include <QObject>

#include <array>
#include <optional>
#include <span>

class Panel;
class QLineEdit;
class QRadioButton;

// Switches the whole window between imperial (0) and metric (1) units.
//
// Selecting the other unit button converts every field whose row gives it a
// switch order, on every panel, inputs and results alike, and relabels every
// unit caption; a panel may work a result out anew instead (the standard
// bore). The switch is all or nothing: every new text is worked out before
// anything is written, and a value that cannot be converted leaves the
// window as it was.
//
// Looking at the other system does not change what was typed: the factors
// are not exact inverses of each other (1 inch is 25.4 mm, but 25.4 mm is
// 1.00076 inches), so switching back restores, for every field that still
// holds the text the switch wrote, the text it had before. A field edited,
// calculated or cleaned into another text since is converted.
class UnitSwitch : public QObject
{
    Q_OBJECT

public:
    // `system` is the window's unit system in force, which the switch sets.
    UnitSwitch(std::array<QRadioButton *, 2> selector, std::span<Panel *const> panels, CommandRunner &runner,
               qint16 &system, QObject *parent = nullptr);

private:
    void switchTo(int system);
    FieldTexts textsFor(int system) const;
    std::optional<QString> textBeforeSwitch(const QLineEdit *field) const;

    std::array<QRadioButton *, 2> m_selector;
    std::span<Panel *const> m_panels;
    CommandRunner &m_runner;
    qint16 &m_system;
    struct SwitchedText {
        QString before;
        QString written;
    };
    // Each field the last switch wrote.
    QHash<const QLineEdit *, SwitchedText> m_lastSwitch;
};
