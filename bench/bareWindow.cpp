// SPDX-License-Identifier: MIT
#include "bareWindow.h"

#include <controlTable.h>
#include <frmPressureCalc.h>

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

namespace Bench {
namespace {

// A window of the program's size with one child per control of the table,
// each made by makeChild in its container and given the table's geometry.
template<class MakeChild>
std::unique_ptr<QWidget> windowFromTable(MakeChild makeChild)
{
    using ControlTable::twipsToPixels;
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(twipsToPixels(ControlTable::clientWidthTwips),
                         twipsToPixels(ControlTable::clientHeightTwips));

    QHash<QString, QWidget *> byName;
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        QWidget *parent = entry.container ? byName.value(QString::fromLatin1(entry.container)) : window.get();
        QWidget *child = makeChild(entry, parent ? parent : window.get());
        child->setGeometry(twipsToPixels(entry.left), twipsToPixels(entry.top),
                           twipsToPixels(entry.width), twipsToPixels(entry.height));
        byName.insert(QString::fromLatin1(entry.name), child);
    }
    return window;
}

} // namespace

std::unique_ptr<QWidget> makeBareWindow()
{
    return windowFromTable([](const ControlTable::Control &, QWidget *parent) { return new QWidget(parent); });
}

std::unique_ptr<QWidget> makePlainControlsWindow()
{
    using ControlTable::Kind;
    return windowFromTable([](const ControlTable::Control &entry, QWidget *parent) -> QWidget * {
        const QString text = QString::fromLatin1(entry.text);
        switch (entry.kind) {
        case Kind::Frame: {
            auto *frame = new QGroupBox(text, parent);
            // Only the first panel shows at start-up.
            for (const char *hidden : {"Frame(1)", "Frame(2)", "Frame(3)"})
                if (qstrcmp(entry.name, hidden) == 0)
                    frame->hide();
            return frame;
        }
        case Kind::OptionButton: {
            auto *button = new QRadioButton(text, parent);
            button->setChecked(entry.selected);
            return button;
        }
        case Kind::InputField:
            return new QLineEdit(text, parent);
        case Kind::OutputField: {
            auto *field = new QLineEdit(text, parent);
            field->setReadOnly(true);
            return field;
        }
        case Kind::DisclaimerField: {
            auto *field = new QPlainTextEdit(parent);
            field->setReadOnly(true);
            field->setPlainText(frmPressureCalc::disclaimerText());
            return field;
        }
        case Kind::CommandButton:
            return new QPushButton(text, parent);
        case Kind::Label:
            return new QLabel(text, parent);
        case Kind::PictureBox: {
            auto *logo = new QLabel(parent);
            logo->setPixmap(QPixmap(QStringLiteral(":/corvane/logo.png")));
            return logo;
        }
        }
        return new QWidget(parent);
    });
}

int bareWindowChildCount()
{
    return int(ControlTable::controls().size());
}

} // namespace Bench
