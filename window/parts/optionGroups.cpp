// SPDX-License-Identifier: MIT
#include "optionGroups.h"

#include <QApplication>
#include <QRadioButton>

#include <algorithm>

namespace OptionGroups {

void onSelected(const QList<QRadioButton *> &group, QObject *context, const std::function<void(int index)> &selected)
{
    for (int index = 0; QRadioButton *button : group) {
        QObject::connect(button, &QRadioButton::toggled, context, [selected, index](bool checked) {
            if (checked)
                selected(index);
        });
        ++index;
    }
}

void keepOneTabStop(QRadioButton *member)
{
    QWidget *container = member->parentWidget();
    const auto updateGroup = [container] {
        const auto buttons = container->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        const bool anySelected = std::ranges::any_of(buttons, &QRadioButton::isChecked);
        for (QRadioButton *button : buttons) {
            const bool stop = button->isChecked() || (!anySelected && button == buttons.first());
            button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    updateGroup();
    for (QRadioButton *button : container->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
        QObject::connect(button, &QRadioButton::toggled, container, updateGroup);
    // Qt makes a button that takes the focus its group's tab stop, also one
    // that is not selected: after a refused unit switch the focus comes back
    // to "Metric" with the window while "Imperial" is selected again. The
    // focus change is reported after the button has handled it.
    QObject::connect(qApp, &QApplication::focusChanged, container, [container, updateGroup](QWidget *, QWidget *now) {
        if (now && now->parentWidget() == container && qobject_cast<QRadioButton *>(now))
            updateGroup();
    });
}

} // namespace OptionGroups
