// SPDX-License-Identifier: MIT
#include "bareWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QDataStream>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QStatusBar>
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

// A layout in a census file.
QDataStream &operator<<(QDataStream &out, const PlainLayout::Item &item)
{
    return out << item.control << item.layout << item.row << item.column << item.rowSpan << item.columnSpan
               << item.stretch << item.alignment;
}

QDataStream &operator>>(QDataStream &in, PlainLayout::Item &item)
{
    return in >> item.control >> item.layout >> item.row >> item.column >> item.rowSpan >> item.columnSpan
           >> item.stretch >> item.alignment;
}

QDataStream &operator<<(QDataStream &out, const PlainLayout &layout)
{
    return out << layout.kind << layout.current << layout.menuBar << layout.items;
}

QDataStream &operator>>(QDataStream &in, PlainLayout &layout)
{
    return in >> layout.kind >> layout.current >> layout.menuBar >> layout.items;
}

namespace {

using Kind = PlainControl::Kind;
using LayoutKind = PlainLayout::Kind;

[[noreturn]] void refuse(const char *what, const QObject &object)
{
    std::fprintf(stderr, "benchmark baseline: no plain counterpart for %s %s (%s)\n", what,
                 object.metaObject()->className(), qPrintable(object.objectName()));
    std::abort();
}

struct CensusTaker {
    WindowCensus result;
    QHash<const QWidget *, int> indexOf;

    // Adds the controls inside a container, each before the ones it holds,
    // then the container's layout; returns the layout's index, or -1.
    int controlsIn(const QWidget &container, int containerIndex)
    {
        bool holdsAny = false;
        for (QObject *child : container.children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (!widget || widget->isWindow())
                continue;
            holdsAny = true;
            PlainControl control;
            control.container = containerIndex;
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
                refuse("the control", *widget);
            }
            const int index = int(result.controls.size());
            result.controls.push_back(std::move(control));
            indexOf.insert(widget, index);
            if (holdsControls) {
                const int layout = controlsIn(*widget, index);
                result.controls[index].layout = layout;
            }
        }
        if (!container.layout()) {
            if (holdsAny)
                refuse("the container without a layout", container);
            return -1;
        }
        return layoutOf(*container.layout());
    }

    int control(const QWidget *widget, const QLayout &layout) const
    {
        const auto found = indexOf.constFind(widget);
        if (found == indexOf.cend())
            refuse("a control from elsewhere in the layout", layout);
        return *found;
    }

    // Adds a layout, after the layouts nested in it; returns its index.
    int layoutOf(const QLayout &layout)
    {
        PlainLayout plain;
        const auto *box = qobject_cast<const QBoxLayout *>(&layout);
        const auto *grid = qobject_cast<const QGridLayout *>(&layout);
        const auto *form = qobject_cast<const QFormLayout *>(&layout);
        if (qobject_cast<const QVBoxLayout *>(&layout))
            plain.kind = LayoutKind::VBox;
        else if (qobject_cast<const QHBoxLayout *>(&layout))
            plain.kind = LayoutKind::HBox;
        else if (grid)
            plain.kind = LayoutKind::Grid;
        else if (form)
            plain.kind = LayoutKind::Form;
        else if (const auto *stack = qobject_cast<const QStackedLayout *>(&layout)) {
            plain.kind = LayoutKind::Stacked;
            plain.current = stack->currentIndex();
        } else
            refuse("the layout", layout);
        if (layout.menuBar())
            plain.menuBar = control(layout.menuBar(), layout);

        for (int i = 0; i < layout.count(); ++i) {
            QLayoutItem *item = layout.itemAt(i);
            PlainLayout::Item entry;
            entry.alignment = int(item->alignment().toInt());
            if (box)
                entry.stretch = box->stretch(i);
            if (grid)
                grid->getItemPosition(i, &entry.row, &entry.column, &entry.rowSpan, &entry.columnSpan);
            if (form) {
                QFormLayout::ItemRole role{};
                form->getItemPosition(i, &entry.row, &role);
                entry.column = role;
            }
            if (item->widget())
                entry.control = control(item->widget(), layout);
            else if (item->layout())
                entry.layout = layoutOf(*item->layout());
            else if (!box || !item->spacerItem() || !item->expandingDirections())
                refuse("a spacer other than a box layout's stretch in the layout", layout);
            plain.items.append(entry);
        }
        result.layouts.append(std::move(plain));
        return int(result.layouts.size()) - 1;
    }
};

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

// The layout of the census at an index, holding the controls made.
QLayout *makeLayout(const WindowCensus &census, int index, const std::vector<QWidget *> &made)
{
    const PlainLayout &plain = census.layouts.at(index);
    QLayout *layout = nullptr;
    switch (plain.kind) {
    case LayoutKind::VBox:
        layout = new QVBoxLayout;
        break;
    case LayoutKind::HBox:
        layout = new QHBoxLayout;
        break;
    case LayoutKind::Grid:
        layout = new QGridLayout;
        break;
    case LayoutKind::Stacked:
        layout = new QStackedLayout;
        break;
    case LayoutKind::Form:
        layout = new QFormLayout;
        break;
    }
    for (const PlainLayout::Item &item : plain.items) {
        QWidget *widget = item.control >= 0 ? made.at(item.control) : nullptr;
        QLayout *nested = item.layout >= 0 ? makeLayout(census, item.layout, made) : nullptr;
        const auto alignment = Qt::Alignment::fromInt(item.alignment);
        if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
            if (widget)
                box->addWidget(widget, item.stretch, alignment);
            else if (nested)
                box->addLayout(nested, item.stretch);
            else
                box->addStretch(item.stretch);
        } else if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            if (widget)
                grid->addWidget(widget, item.row, item.column, item.rowSpan, item.columnSpan, alignment);
            else
                grid->addLayout(nested, item.row, item.column, item.rowSpan, item.columnSpan, alignment);
        } else if (auto *form = qobject_cast<QFormLayout *>(layout)) {
            const auto role = QFormLayout::ItemRole(item.column);
            if (widget)
                form->setWidget(item.row, role, widget);
            else
                form->setLayout(item.row, role, nested);
        } else {
            layout->addWidget(widget);
        }
    }
    if (auto *stack = qobject_cast<QStackedLayout *>(layout))
        stack->setCurrentIndex(plain.current);
    if (plain.menuBar >= 0)
        layout->setMenuBar(made.at(plain.menuBar));
    return layout;
}

template<class Make> std::unique_ptr<QWidget> windowOf(const WindowCensus &census, Make make)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(census.title);
    std::vector<QWidget *> made;
    made.reserve(census.controls.size());
    for (const PlainControl &control : census.controls)
        made.push_back(make(control, control.container < 0 ? window.get() : made.at(control.container)));
    for (std::size_t i = 0; i < made.size(); ++i)
        if (census.controls[i].layout >= 0)
            made[i]->setLayout(makeLayout(census, census.controls[i].layout, made));
    if (census.layout >= 0) {
        QLayout *layout = makeLayout(census, census.layout, made);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        window->setLayout(layout);
    }
    for (std::size_t i = 0; i < made.size(); ++i)
        if (census.controls[i].hidden)
            made[i]->hide();
    return window;
}

// Every index of a census read from a file points at what it should; a
// nested layout comes before the one holding it.
bool consistent(const WindowCensus &census)
{
    const auto in = [](int index, qsizetype size) { return index >= -1 && index < size; };
    const qsizetype controls = qsizetype(census.controls.size());
    for (qsizetype i = 0; i < controls; ++i) {
        const PlainControl &control = census.controls[i];
        if (control.kind < Kind::Container || control.kind > Kind::StatusBar || !in(control.container, i)
            || !in(control.layout, census.layouts.size()))
            return false;
    }
    for (qsizetype i = 0; i < census.layouts.size(); ++i) {
        const PlainLayout &layout = census.layouts[i];
        if (layout.kind < LayoutKind::VBox || layout.kind > LayoutKind::Form || !in(layout.menuBar, controls))
            return false;
        for (const PlainLayout::Item &item : layout.items)
            if (!in(item.control, controls) || !in(item.layout, i) || (item.control >= 0 && item.layout >= 0))
                return false;
    }
    return in(census.layout, census.layouts.size());
}

constexpr quint32 censusMagic = 0x436e7333; // "Cns3"

} // namespace

WindowCensus takeCensus(const QWidget &window)
{
    CensusTaker taker;
    taker.result.title = window.windowTitle();
    taker.result.layout = taker.controlsIn(window, -1);
    return std::move(taker.result);
}

bool writeCensus(const WindowCensus &census, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out << censusMagic << census.title << census.layout << quint32(census.controls.size());
    for (const PlainControl &control : census.controls)
        out << control.kind << control.container << control.layout << control.text << control.picture
            << control.hidden << control.checked << control.readOnly << control.menus;
    out << census.layouts;
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
    in >> magic >> census.title >> census.layout >> count;
    if (magic != censusMagic)
        return std::nullopt;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        PlainControl control;
        in >> control.kind >> control.container >> control.layout >> control.text >> control.picture
            >> control.hidden >> control.checked >> control.readOnly >> control.menus;
        census.controls.push_back(std::move(control));
    }
    in >> census.layouts;
    if (in.status() != QDataStream::Ok || !consistent(census))
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
