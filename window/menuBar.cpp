// SPDX-License-Identifier: MIT
// The menu bar above the panels: File, Edit, View and Help.
//
// Every action does what a control or key of the window already does, or
// works on the report of the visible panel: View's panels select as a click
// on the selector does, its zoom actions carry the zoom keys, Help's website
// does what the logo does. The report actions are disabled on the disclaimer
// panel, which has no report. The menu bar lies in the window's layout above
// the canvas, so the panels keep their size and the window grows by the
// menu bar's height; it keeps the desktop's menu font at every zoom.
#include "frmPressureCalc.h"

#include "applicationInfo.h"
#include "messageBoxes.h"
#include "optionGroups.h"
#include "windowScale.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace {

QAction *namedAction(QMenu *menu, const char *objectName, const QString &caption, const QKeySequence &keys = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(keys);
    return action;
}

} // namespace

void frmPressureCalc::installMenuBar()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    // Given before the menus are added, so that they are laid out once.
    m_menuBar->setFont(menuFont());
    layout()->setMenuBar(m_menuBar);

    QMenu *file = m_menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    QAction *save = namedAction(file, "actionSaveReport", tr("&Save Report as PDF..."), QKeySequence::Save);
    connect(save, &QAction::triggered, this, &frmPressureCalc::saveReportAs);
    QAction *print = namedAction(file, "actionPrint", tr("&Print..."), QKeySequence::Print);
    connect(print, &QAction::triggered, this, &frmPressureCalc::printReport);
    file->addSeparator();
    // Ctrl+Q on every desktop, whatever its own quit key.
    QAction *quit = namedAction(file, "actionQuit", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = m_menuBar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    // Not Ctrl+C, which copies the text selected in a field.
    QAction *copy = namedAction(edit, "actionCopyResults", tr("&Copy Results"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &frmPressureCalc::copyResults);
    m_reportActions = {save, print, copy};

    QMenu *view = m_menuBar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("menuView"));
    auto *panels = new QActionGroup(view);
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int index = 0; QRadioButton *selector : m_ui.calculatorSelector) {
        QAction *panel = view->addAction(selector->text());
        panel->setObjectName(QStringLiteral("actionPanel%1").arg(index + 1));
        panel->setShortcut(QKeySequence(Qt::CTRL | digits[index]));
        panel->setCheckable(true);
        panel->setChecked(selector->isChecked());
        panels->addAction(panel);
        connect(panel, &QAction::triggered, selector, [selector] {
            if (!selector->isChecked())
                selector->click();
        });
        m_panelActions.push_back(panel);
        ++index;
    }
    OptionGroups::onSelected(m_ui.calculatorSelector, this, [this](int index) {
        m_panelActions.at(index)->setChecked(true);
        enableReportActions();
    });
    view->addSeparator();
    // The zoom keys themselves stay with the window (zoom.cpp), which also
    // takes Ctrl+= for Ctrl+Plus; the actions show them and do the same.
    QAction *zoomIn = namedAction(view, "actionZoomIn", tr("Zoom &In"));
    QAction *zoomOut = namedAction(view, "actionZoomOut", tr("Zoom &Out"));
    QAction *zoomReset = namedAction(view, "actionZoomReset", tr("&Actual Size"));
    for (QAction *zoom : {zoomIn, zoomOut, zoomReset})
        zoom->setShortcutContext(Qt::WidgetShortcut);
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    zoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(zoomIn, &QAction::triggered, this, [this] { zoomTo(zoomInStep()); });
    connect(zoomOut, &QAction::triggered, this, [this] { zoomTo(WindowScale::zoomedOut(m_zoom)); });
    connect(zoomReset, &QAction::triggered, this, [this] { zoomTo(1.0); });

    QMenu *help = m_menuBar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction *website = namedAction(help, "actionWebsite", tr("Corvane &Website"));
    connect(website, &QAction::triggered, this, &frmPressureCalc::openWebsite);
    QAction *about = namedAction(help, "actionAbout", tr("&About Corvane Calculator"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &frmPressureCalc::showAbout);

    enableReportActions();
}

void frmPressureCalc::enableReportActions()
{
    const bool hasReport = !m_ui.calculatorSelector.back()->isChecked();
    for (QAction *action : m_reportActions)
        action->setEnabled(hasReport);
}

void frmPressureCalc::showAbout()
{
    const QString text =
        tr("<h3>%1 %2</h3>"
           "<p>Sizes pneumatic cylinders and the valves that feed them.</p>"
           "<p>Released under the MIT licence (see the LICENSE file that comes with it).</p>"
           "<p>Qt %3</p>")
            .arg(QString::fromLatin1(ApplicationInfo::displayName), QString::fromLatin1(ApplicationInfo::version),
                 QString::fromLatin1(qVersion()));
    MessageBoxes::show(this, text, QMessageBox::Information, tr("About Corvane Calculator"));
}
