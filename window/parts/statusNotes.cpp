// SPDX-License-Identifier: MIT
#include "statusNotes.h"

#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QStyleOption>
#include <QTextLayout>

#include <cmath>
#include <utility>

namespace {

// The notes in as many lines as they need at the width they are given: the
// lines break between words, and inside a word only where that word alone
// is wider than a line (a long file name). A QLabel's own word wrap would
// let such a word run out of the window. Screen readers read it as the
// label it is: its text is the notes.
class NotesText : public QLabel
{
public:
    NotesText()
    {
        setTextFormat(Qt::PlainText);
        // Where the status bar drew its message, clear of the window's edges.
        setContentsMargins(4, 0, 4, 0);
        // The panels set the window's width; the notes take it as it is.
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    bool hasHeightForWidth() const override { return true; }

    int heightForWidth(int width) const override
    {
        const QMargins margins = contentsMargins();
        QTextLayout layout;
        return linesHeight(layout, width - margins.left() - margins.right()) + margins.top() + margins.bottom();
    }

    // One line high, however long: the window's layout asks for the height
    // at the width it gives.
    QSize sizeHint() const override { return {0, heightForWidth(QWIDGETSIZE_MAX)}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        QTextLayout layout;
        linesHeight(layout, contentsRect().width());
        layout.draw(&painter, contentsRect().topLeft());
    }

private:
    // Lays the text out in lines no wider than `width`; gives their height.
    int linesHeight(QTextLayout &layout, int width) const
    {
        QTextOption option(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeading));
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTextDirection(layoutDirection());
        layout.setText(text());
        layout.setFont(font());
        layout.setTextOption(option);
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(width, 1));
            line.setPosition(QPointF(0, height));
            height += line.height();
        }
        layout.endLayout();
        return int(std::ceil(height));
    }
};

// The status bar draws its message itself, in one line cut at its width;
// here the notes label shows the message instead, whole.
class NotesBar : public QStatusBar
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    }
};

} // namespace

StatusNotes::StatusNotes() : m_bar(new NotesBar), m_label(new NotesText)
{
    m_label->setObjectName(QStringLiteral("notes"));
    // Permanent: a message would hide any other widget of the bar.
    m_bar->addPermanentWidget(m_label, 1);
}

void StatusNotes::edited()
{
    m_cleaning.clear();
    show({});
}

void StatusNotes::cleaned(const QString &note)
{
    m_cleaning = note;
    show({note});
}

void StatusNotes::commandRan(const QStringList &notes)
{
    QStringList shown;
    if (!m_cleaning.isEmpty())
        shown.append(std::exchange(m_cleaning, QString()));
    shown.append(notes);
    show(shown);
}

void StatusNotes::panelShown()
{
    edited();
}

QString StatusNotes::text() const
{
    return m_shown.join(QLatin1Char(' '));
}

void StatusNotes::show(const QStringList &notes)
{
    m_shown = notes;
    m_label->setText(text());
    if (m_shown.isEmpty())
        m_bar->clearMessage();
    else
        m_bar->showMessage(text());
}
