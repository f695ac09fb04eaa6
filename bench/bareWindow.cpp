// SPDX-License-Identifier: MIT
#include "bareWindow.h"

#include <QDataStream>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace Bench {

// A menu bar's menus in a census file.
QDataStream &operator<<(QDataStream &out, const PlainMenu::Action &action)
{
    return out << action.text << action.shortcut << action.checkable;
}

QDataStream &operator>>(QDataStream &in, PlainMenu::Action &action)
{
    return in >> action.text >> action.shortcut >> action.checkable;
}

QDataStream &operator<<(QDataStream &out, const PlainMenu &menu)
{
    return out << menu.title << menu.actions;
}

QDataStream &operator>>(QDataStream &in, PlainMenu &menu)
{
    return in >> menu.title >> menu.actions;
}

namespace {

using Kind = PlainControl::Kind;

// Adds the controls inside a container, each before the ones it holds.
void census(const QWidget &container, int containerIndex, std::vector<PlainControl> &controls)
{
    for (QObject *child : container.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        PlainControl control;
        control.container = containerIndex;
        control.geometry = widget->geometry();
        control.hidden = widget->isHidden();
        bool holdsControls = false;
        if (auto *button = qobject_cast<QRadioButton *>(widget)) {
            control.kind = Kind::RadioButton;
            control.text = button->text();
            control.checked = button->isChecked();
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            control.kind = Kind::PushButton;
            control.text = button->text();
        } else if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            control.kind = Kind::LineEdit;
            control.text = field->text();
            control.readOnly = field->isReadOnly();
        } else if (auto *field = qobject_cast<QPlainTextEdit *>(widget)) {
            control.kind = Kind::PlainTextEdit;
            control.text = field->toPlainText();
            control.readOnly = field->isReadOnly();
        } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
            control.kind = Kind::GroupBox;
            control.text = frame->title();
            holdsControls = true;
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            control.kind = Kind::Label;
            control.text = label->text();
            control.picture = label->pixmap();
        } else if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
            control.kind = Kind::MenuBar;
            for (const QAction *entry : bar->actions()) {
                PlainMenu menu{entry->text(), {}};
                if (const QMenu *items = entry->menu())
                    for (const QAction *item : items->actions())
                        menu.actions.append({item->isSeparator() ? QString() : item->text(), item->shortcut(),
                                             item->isCheckable()});
                control.menus.append(std::move(menu));
            }
        } else if (qobject_cast<QStatusBar *>(widget)) {
            control.kind = Kind::StatusBar;
        } else if (widget->metaObject() == &QWidget::staticMetaObject) {
            control.kind = Kind::Container;
            holdsControls = true;
        } else {
            std::fprintf(stderr, "benchmark baseline: no plain counterpart for %s (%s)\n",
                         widget->metaObject()->className(), qPrintable(widget->objectName()));
            std::abort();
        }
        controls.push_back(std::move(control));
        if (holdsControls)
            census(*widget, int(controls.size()) - 1, controls);
    }
}

QWidget *makePlain(const PlainControl &control, QWidget *container)
{
    switch (control.kind) {
    case Kind::Container:
        return new QWidget(container);
    case Kind::GroupBox:
        return new QGroupBox(control.text, container);
    case Kind::RadioButton: {
        auto *button = new QRadioButton(control.text, container);
        button->setChecked(control.checked);
        return button;
    }
    case Kind::PushButton:
        return new QPushButton(control.text, container);
    case Kind::LineEdit: {
        auto *field = new QLineEdit(control.text, container);
        field->setReadOnly(control.readOnly);
        return field;
    }
    case Kind::PlainTextEdit: {
        auto *field = new QPlainTextEdit(control.text, container);
        field->setReadOnly(control.readOnly);
        return field;
    }
    case Kind::Label: {
        auto *label = new QLabel(control.text, container);
        if (!control.picture.isNull())
            label->setPixmap(control.picture);
        return label;
    }
    case Kind::MenuBar: {
        auto *bar = new QMenuBar(container);
        for (const PlainMenu &menu : control.menus) {
            QMenu *items = bar->addMenu(menu.title);
            for (const PlainMenu::Action &item : menu.actions) {
                if (item.text.isEmpty()) {
                    items->addSeparator();
                    continue;
                }
                QAction *action = items->addAction(item.text);
                action->setShortcut(item.shortcut);
                action->setCheckable(item.checkable);
            }
        }
        return bar;
    }
    case Kind::StatusBar:
        return new QStatusBar(container);
    }
    return new QWidget(container);
}

template<class Make> std::unique_ptr<QWidget> windowOf(const WindowCensus &census, Make make)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(census.title);
    window->resize(census.size);
    std::vector<QWidget *> made;
    made.reserve(census.controls.size());
    for (const PlainControl &control : census.controls) {
        QWidget *widget = make(control, control.container < 0 ? window.get() : made.at(control.container));
        widget->setGeometry(control.geometry);
        if (control.hidden)
            widget->hide();
        made.push_back(widget);
    }
    return window;
}

constexpr quint32 censusMagic = 0x436e7332; // "Cns2"

} // namespace

WindowCensus takeCensus(const QWidget &window)
{
    WindowCensus result{window.windowTitle(), window.size(), {}};
    census(window, -1, result.controls);
    return result;
}

bool writeCensus(const WindowCensus &census, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out << censusMagic << census.title << census.size << quint32(census.controls.size());
    for (const PlainControl &control : census.controls)
        out << qint32(control.kind) << qint32(control.container) << control.geometry << control.text
            << control.picture << control.hidden << control.checked << control.readOnly << control.menus;
    return out.status() == QDataStream::Ok && file.flush();
}

std::optional<WindowCensus> readCensus(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QDataStream in(&file);
    quint32 magic = 0;
    quint32 count = 0;
    WindowCensus census;
    in >> magic >> census.title >> census.size >> count;
    if (magic != censusMagic)
        return std::nullopt;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        PlainControl control;
        qint32 kind = 0;
        qint32 container = 0;
        in >> kind >> container >> control.geometry >> control.text >> control.picture >> control.hidden
            >> control.checked >> control.readOnly >> control.menus;
        control.kind = Kind(kind);
        control.container = container;
        if (container < -1 || container >= qint32(census.controls.size()))
            return std::nullopt;
        census.controls.push_back(std::move(control));
    }
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return census;
}

std::unique_ptr<QWidget> makePlainWindow(const WindowCensus &census)
{
    return windowOf(census, makePlain);
}

std::unique_ptr<QWidget> makeEmptyWidgetsWindow(const WindowCensus &census)
{
    return windowOf(census, [](const PlainControl &, QWidget *container) { return new QWidget(container); });
}

} // namespace Bench
