// SPDX-License-Identifier: MIT
#include "disclaimerPanel.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

DisclaimerPanel::DisclaimerPanel(Context context, QWidget *parent)
    : Panel(3, QT_TRANSLATE_NOOP("Panel", "Disclaimer"), context, parent)
{
    auto *frame = new QGroupBox(tr("Legal Disclaimer"));
    frame->setObjectName(QStringLiteral("Frame7"));
    panelLayout()->addWidget(frame);

    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("txtdisclaimer"));
    m_text->setReadOnly(true);
    // Only the weight is set: the size follows the window's font and zoom.
    // Set before the text, so that the text is laid out once.
    QFont bold;
    bold.setWeight(QFont::Bold);
    m_text->setFont(bold);
    m_text->setPlainText(text());
    (new QVBoxLayout(frame))->addWidget(m_text);

    const QString title = frame->title();
    m_text->setAccessibleName(title);
    m_text->verticalScrollBar()->setAccessibleName(tr("%1 vertical").arg(title));
    m_text->horizontalScrollBar()->setAccessibleName(tr("%1 horizontal").arg(title));
}

QWidget *DisclaimerPanel::firstFocus() const
{
    return m_text;
}

QString DisclaimerPanel::text()
{
    return tr("This program is furnished only as a guide. The material "
              "contained within the program is provided as is without "
              "warranty of any kind, including, but not limited to, the "
              "implied warranties of merchantability or fitness for a "
              "particular purpose. Corvane by offering the program "
              "will not assume any liability should the program produce "
              "results other than intended by Corvane or should the "
              "performance of the program prove defective in any way.  "
              "Corvane reserves the right to improve, update, or "
              "otherwise modify the program at any time without notice.  "
              "All calculations should be approved and verified by a "
              "Certified Pneumatic Specialist.");
}
