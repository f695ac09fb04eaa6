// SPDX-License-Identifier: MIT
#pragma once

#include "commandRunner.h"
#include "fields.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// One panel of the window, Frame(index): its frames of rows, its command
// buttons and the commands behind them, and its notes on results that
// cannot be physical. The window shows one panel at a time and lends each
// the command runner and the unit system in force.
class Panel : public QGroupBox
{
    Q_OBJECT

public:
    struct Context {
        CommandRunner &runner;
        // The unit system in force: 0 imperial, 1 metric. The unit switch
        // changes it; panels read it when they calculate.
        const qint16 &unitSystem;
    };

    // What the panel's last Calculate left for the report.
    struct Record {
        bool calculated = false;
        bool editedSince = false; // an input edited after the last Calculate
        QStringList advice;       // the warnings that Calculate showed
    };

    // The text a field had before the last unit switch, while it still holds
    // the text that switch wrote.
    using TextBefore = std::function<std::optional<QString>(const QLineEdit *)>;

    Panel(int index, const char *name, Context context, QWidget *parent = nullptr);

    int index() const { return m_index; }
    // The calculator's name, as its selector button and View menu show it.
    QString name() const;
    const std::vector<Field> &fields() const { return m_fields; }
    const Record &record() const { return m_record; }
    // The button that Return in an input presses; nullptr: none.
    QPushButton *calculateButton() const { return m_calculate; }
    // Where the focus goes when the panel is chosen: its first input.
    virtual QWidget *firstFocus() const;
    // The controls Tab stops at, in order: inputs from the top, the
    // commands, then the results from the top (an option group once).
    virtual QList<QWidget *> tabStops() const;
    // The caption and unit labels, which are drawn in the labels' font.
    QList<QLabel *> labels() const;

    // Gives the frames of rows one width for the captions and one for the
    // units, so that the fields of both frames line up. Call after a change
    // of fonts.
    void alignColumns();

    // Choices of the panel that are inputs but not fields, as the report
    // lists them after the input fields: a caption and the choice made.
    virtual QList<std::pair<QString, QString>> choices() const { return {}; }

    // Captions every unit label in a unit system's units.
    void labelUnits(int system);
    // What else the unit switch writes on this panel, given the texts it
    // converted; a panel may work a result out anew rather than convert it.
    virtual FieldTexts textsAfterSwitch(const FieldTexts &converted, int system, const TextBefore &before) const;
    // The notes on the panel's results after a unit switch.
    virtual QStringList notesAfterSwitch() const { return {}; }

protected:
    // Lays out the rows: inputs in the frame "Input Values", then the row
    // of command buttons, then results and totals in "Output Values"; the
    // frames take the object names given.
    void buildRows(std::span<const FieldTable::Row> rows, const char *inputFrame, const char *outputFrame);
    // A command button in the row below the inputs. A Calculate command
    // (`calculates`) is what Return in an input runs, and what the report
    // records.
    QPushButton *addCommand(const char *objectName, const QString &caption, std::function<FieldTexts()> work,
                            std::function<QStringList()> notes = {}, bool calculates = false);
    // The field of the row naming it; a name no row has stops the program.
    QLineEdit *edit(const char *objectName) const;
    QWidget *outputFrame() const { return m_outputFrame; }
    // A frame of choices between the inputs and the commands; its controls
    // are tab stops after the inputs.
    void addChoiceFrame(QWidget *frame, const QList<QWidget *> &tabStops);
    // An input changed otherwise than by typing: the results are stale.
    void markEdited() { m_record.editedSince = true; }
    // A field's text as a number, or CommandRefused naming the field.
    double readNumber(const QLineEdit *field) const;
    QString captionOf(const QLineEdit *field) const;
    qint16 unitSystem() const { return m_context.unitSystem; }
    CommandRunner &runner() const { return m_context.runner; }
    QVBoxLayout *panelLayout() const { return m_layout; }

private:
    int m_index;
    const char *m_name;
    Context m_context;
    QVBoxLayout *m_layout;
    QHBoxLayout *m_commands = nullptr;
    QWidget *m_outputFrame = nullptr;
    QList<QGridLayout *> m_grids;
    std::vector<Field> m_fields;
    QList<QWidget *> m_commandButtons;
    QList<QWidget *> m_choiceStops;
    QPushButton *m_calculate = nullptr;
    Record m_record;
};
