// SPDX-License-Identifier: MIT
#include "lengthLimit.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace LengthLimit {

void allowOneMore(QLineEdit *field)
{
    field->setMaxLength(characters + 1);
}

void watch(QLineEdit *field, const Cut &cut)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field, cut](const QString &text) {
        if (text.size() <= characters)
            return;
        // Not while the field is still telling its edit: a change made now
        // would be followed by the signals of the edit it undoes.
        QMetaObject::invokeMethod(
            field,
            [field, cut] {
                const int excess = int(field->text().size()) - characters;
                if (excess <= 0)
                    return;
                // The text beyond the limit is the end of what was put in,
                // just before the cursor.
                const int cursor = field->cursorPosition();
                const int end = cursor >= excess ? cursor : int(field->text().size());
                field->setSelection(end - excess, excess);
                field->del();
                if (cut)
                    cut(field, QCoreApplication::translate("LengthLimit", "the text was longer than the %1 "
                                                                          "characters a field holds; the rest was cut.")
                                   .arg(characters));
            },
            Qt::QueuedConnection);
    });
}

} // namespace LengthLimit
