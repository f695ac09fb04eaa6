// SPDX-License-Identifier: MIT
#include "menuBar.h"

#include "optionGroups.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace MenuBar {
namespace {

QAction *namedAction(QMenu *menu, const char *objectName, const QString &caption,
                     const std::function<void()> &command, const QKeySequence &keys = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, menu, [command] { command(); });
    return action;
}

QMenu *namedMenu(QMenuBar *bar, const char *objectName, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

} // namespace

QMenuBar *build(QWidget *window, const QList<QRadioButton *> &selector, const Commands &commands)
{
    auto *bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu *file = namedMenu(bar, "menuFile", QCoreApplication::translate("MenuBar", "&File"));
    QAction *save = namedAction(file, "actionSaveReport", QCoreApplication::translate("MenuBar", "&Save Report as PDF..."),
                                commands.saveReport, QKeySequence::Save);
    QAction *print = namedAction(file, "actionPrint", QCoreApplication::translate("MenuBar", "&Print..."), commands.print, QKeySequence::Print);
    file->addSeparator();
    // Ctrl+Q on every desktop, whatever its own quit key.
    QAction *quit = namedAction(file, "actionQuit", QCoreApplication::translate("MenuBar", "&Quit"), [window] { window->close(); },
                                QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    QMenu *edit = namedMenu(bar, "menuEdit", QCoreApplication::translate("MenuBar", "&Edit"));
    // Not Ctrl+C, which copies the text selected in a field.
    QAction *copy = namedAction(edit, "actionCopyResults", QCoreApplication::translate("MenuBar", "&Copy Results"), commands.copyResults,
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    const QList<QAction *> reportActions{save, print, copy};

    QMenu *view = namedMenu(bar, "menuView", QCoreApplication::translate("MenuBar", "&View"));
    auto *panels = new QActionGroup(view);
    QList<QAction *> panelActions;
    for (int index = 0; QRadioButton *button : selector) {
        ++index;
        QAction *panel = view->addAction(button->text());
        panel->setObjectName(QStringLiteral("actionPanel%1").arg(index));
        panel->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_0 + index)));
        panel->setCheckable(true);
        panel->setChecked(button->isChecked());
        panels->addAction(panel);
        QObject::connect(panel, &QAction::triggered, button, [button, index, focus = commands.focusPanel] {
            if (!button->isChecked())
                button->click();
            if (focus)
                focus(index - 1);
        });
        panelActions.append(panel);
    }
    const auto enableReport = [reportActions, selector] {
        for (QAction *action : reportActions)
            action->setEnabled(!selector.back()->isChecked());
    };
    OptionGroups::onSelected(selector, bar, [panelActions, enableReport](int index) {
        panelActions.at(index)->setChecked(true);
        enableReport();
    });
    enableReport();

    view->addSeparator();
    // The zoom keys themselves stay with the window, which also takes Ctrl+=
    // for Ctrl+Plus; the actions show them and do the same.
    QAction *zoomIn = namedAction(view, "actionZoomIn", QCoreApplication::translate("MenuBar", "Zoom &In"), commands.zoomIn);
    QAction *zoomOut = namedAction(view, "actionZoomOut", QCoreApplication::translate("MenuBar", "Zoom &Out"), commands.zoomOut);
    QAction *zoomReset = namedAction(view, "actionZoomReset", QCoreApplication::translate("MenuBar", "&Actual Size"), commands.zoomReset);
    for (QAction *zoom : {zoomIn, zoomOut, zoomReset})
        zoom->setShortcutContext(Qt::WidgetShortcut);
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    zoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    QMenu *help = namedMenu(bar, "menuHelp", QCoreApplication::translate("MenuBar", "&Help"));
    namedAction(help, "actionWebsite", QCoreApplication::translate("MenuBar", "Corvane &Website"), commands.website);
    namedAction(help, "actionAbout", QCoreApplication::translate("MenuBar", "&About Corvane Calculator"), commands.about)
        ->setMenuRole(QAction::AboutRole);
    return bar;
}

} // namespace MenuBar
