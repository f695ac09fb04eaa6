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

std::unique_ptr<QWidget> makeBareWindow()
{
    using ControlTable::twipsToPixels;
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(twipsToPixels(ControlTable::clientWidthTwips),
                         twipsToPixels(ControlTable::clientHeightTwips));

    QHash<QString, QWidget *> byName;
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        QWidget *parent = entry.container ? byName.value(QString::fromLatin1(entry.container)) : window.get();
        auto *child = new QWidget(parent ? parent : window.get());
        child->setGeometry(twipsToPixels(entry.left), twipsToPixels(entry.top),
                           twipsToPixels(entry.width), twipsToPixels(entry.height));
        byName.insert(QString::fromLatin1(entry.name), child);
    }
    return window;
}

std::unique_ptr<QWidget> makePlainControlsWindow()
{
    using ControlTable::Kind;
    using ControlTable::twipsToPixels;
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(twipsToPixels(ControlTable::clientWidthTwips),
                         twipsToPixels(ControlTable::clientHeightTwips));

    QHash<QString, QWidget *> byName;
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        QWidget *parent = entry.container ? byName.value(QString::fromLatin1(entry.container)) : window.get();
        const QString text = QString::fromLatin1(entry.text);
        QWidget *child = nullptr;
        switch (entry.kind) {
        case Kind::Frame:
            child = new QGroupBox(text, parent);
            break;
        case Kind::OptionButton: {
            auto *button = new QRadioButton(text, parent);
            button->setChecked(entry.selected);
            child = button;
            break;
        }
        case Kind::InputField:
            child = new QLineEdit(text, parent);
            break;
        case Kind::OutputField: {
            auto *field = new QLineEdit(text, parent);
            field->setReadOnly(true);
            child = field;
            break;
        }
        case Kind::DisclaimerField: {
            auto *field = new QPlainTextEdit(parent);
            field->setReadOnly(true);
            field->setPlainText(frmPressureCalc::disclaimerText());
            child = field;
            break;
        }
        case Kind::CommandButton:
            child = new QPushButton(text, parent);
            break;
        case Kind::Label:
            child = new QLabel(text, parent);
            break;
        case Kind::PictureBox: {
            auto *logo = new QLabel(parent);
            logo->setPixmap(QPixmap(QStringLiteral(":/corvane/logo.png")));
            child = logo;
            break;
        }
        }
        child->setGeometry(twipsToPixels(entry.left), twipsToPixels(entry.top),
                           twipsToPixels(entry.width), twipsToPixels(entry.height));
        byName.insert(QString::fromLatin1(entry.name), child);
    }
    for (const char *panel : {"Frame(1)", "Frame(2)", "Frame(3)"})
        byName.value(QString::fromLatin1(panel))->hide();
    return window;
}

int bareWindowChildCount()
{
    return int(ControlTable::controls().size());
}

} // namespace Bench
