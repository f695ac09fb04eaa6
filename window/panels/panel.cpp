// SPDX-License-Identifier: MIT
#include "panel.h"

#include "numberText.h"
#include "returnPresses.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QGroupBox *frameOfRows(const char *objectName, const QString &title, QGridLayout **grid)
{
    auto *frame = new QGroupBox(title);
    frame->setObjectName(QString::fromLatin1(objectName));
    *grid = new QGridLayout(frame);
    // The rows close together, as on a data sheet; the field column takes
    // what the frame has beyond the captions and units.
    (*grid)->setVerticalSpacing(2);
    (*grid)->setContentsMargins(6, 4, 6, 4);
    (*grid)->setColumnStretch(1, 1);
    return frame;
}

} // namespace

Panel::Panel(int index, const char *name, Context context, QWidget *parent)
    : QGroupBox(parent), m_index(index), m_name(name), m_context(context), m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("Frame(%1)").arg(index));
    // A plain container: its frames of rows are the boxes the user sees.
    setFlat(true);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(4);
    // The panels have no caption; each is named after its calculator.
    setAccessibleName(this->name());
}

QString Panel::name() const
{
    return QCoreApplication::translate("Panel", m_name);
}

void Panel::buildRows(std::span<const FieldTable::Row> rows, const char *inputFrame, const char *outputFrame)
{
    QGridLayout *inputs = nullptr;
    QGridLayout *outputs = nullptr;
    QGroupBox *in = frameOfRows(inputFrame, tr("Input Values"), &inputs);
    QGroupBox *out = frameOfRows(outputFrame, tr("Output Values"), &outputs);
    // The command buttons centred between the frames.
    m_commands = new QHBoxLayout;
    m_commands->addStretch();
    m_commands->addStretch();
    m_layout->addWidget(in);
    m_layout->addLayout(m_commands);
    m_layout->addWidget(out);
    // The panels share their place with the tallest: the rest stays below.
    m_layout->addStretch();
    m_outputFrame = out;
    m_grids = {inputs, outputs};

    for (const FieldTable::Row &row : rows) {
        const bool input = row.role == FieldTable::Role::Input;
        m_fields.push_back(buildField(row, m_index, input ? inputs : outputs, unitSystem()));
        if (input)
            // Only the user's edits make the results stale: the unit switch
            // and the cleaning write their texts without this signal.
            connect(m_fields.back().edit, &QLineEdit::textEdited, this, [this] { m_record.editedSince = true; });
    }
}

QPushButton *Panel::addCommand(const char *objectName, const QString &caption, std::function<FieldTexts()> work,
                               std::function<QStringList()> notes, bool calculates)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    ReturnPresses::install(button, button);
    m_commands->insertWidget(m_commands->count() - 1, button);
    m_commandButtons.append(button);
    if (calculates) {
        m_calculate = button;
        for (const Field &field : m_fields)
            if (field.row->role == FieldTable::Role::Input)
                ReturnPresses::install(field.edit, button);
    }
    connect(button, &QPushButton::clicked, this, [this, work = std::move(work), notes = std::move(notes), calculates] {
        runner().run({
            .work = work,
            .alsoWrite = [this, calculates] {
                if (calculates)
                    m_record = {true, false, runner().warnings()};
            },
            .notes = notes,
        });
    });
    return button;
}

void Panel::addChoiceFrame(QWidget *frame, const QList<QWidget *> &tabStops)
{
    m_layout->insertWidget(m_layout->indexOf(m_commands), frame);
    m_choiceStops += tabStops;
}

QLineEdit *Panel::edit(const char *objectName) const
{
    const auto found = std::ranges::find_if(
        m_fields, [objectName](const Field &field) { return qstrcmp(field.row->field, objectName) == 0; });
    if (found == m_fields.end())
        qFatal("panel %s has no field %s", m_name, objectName);
    return found->edit;
}

QWidget *Panel::firstFocus() const
{
    return m_fields.empty() ? nullptr : m_fields.front().edit;
}

QList<QWidget *> Panel::tabStops() const
{
    QList<QWidget *> stops;
    const auto addRole = [this, &stops](bool inputs) {
        for (const Field &field : m_fields) {
            if ((field.row->role == FieldTable::Role::Input) != inputs)
                continue;
            // An option group, before the field it names: Tab stops at its
            // selected button only.
            for (QRadioButton *option : field.unitOptions)
                stops.append(option);
            stops.append(field.edit);
        }
    };
    addRole(true);
    stops.append(m_choiceStops);
    stops.append(m_commandButtons);
    addRole(false);
    return stops;
}

QList<QLabel *> Panel::labels() const
{
    QList<QLabel *> labels;
    for (const Field &field : m_fields) {
        if (field.caption)
            labels.append(field.caption);
        if (field.unitLabel)
            labels.append(field.unitLabel);
    }
    return labels;
}

void Panel::alignColumns()
{
    for (const int column : {0, 2}) {
        int width = 0;
        for (QGridLayout *grid : std::as_const(m_grids)) {
            grid->setColumnMinimumWidth(column, 0);
            for (int row = 0; row < grid->rowCount(); ++row)
                if (QLayoutItem *item = grid->itemAtPosition(row, column))
                    width = std::max(width, item->sizeHint().width());
        }
        for (QGridLayout *grid : std::as_const(m_grids))
            grid->setColumnMinimumWidth(column, width);
    }
}

void Panel::labelUnits(int system)
{
    for (const Field &field : m_fields)
        Fields::labelUnit(field, system);
}

FieldTexts Panel::textsAfterSwitch(const FieldTexts &, int, const TextBefore &) const
{
    return {};
}

QString Panel::captionOf(const QLineEdit *field) const
{
    const auto found = std::ranges::find(m_fields, field, &Field::edit);
    return found == m_fields.end() ? field->objectName() : Fields::caption(*found);
}

double Panel::readNumber(const QLineEdit *field) const
{
    const auto value = NumberText::parse(field->text());
    if (!value)
        throw CommandRefused{tr("\"%1\" does not hold a number. No result was changed.").arg(captionOf(field))};
    return *value;
}
