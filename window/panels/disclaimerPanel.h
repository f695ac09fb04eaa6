// SPDX-License-Identifier: MIT
#pragma once

#include "panel.h"

class QPlainTextEdit;

// Frame(3): the legal disclaimer, read-only, in the window's font in bold.
class DisclaimerPanel : public Panel
{
    Q_OBJECT

public:
    explicit DisclaimerPanel(Context context, QWidget *parent = nullptr);

    static QString text();
    QWidget *firstFocus() const override;
    QList<QWidget *> tabStops() const override { return {firstFocus()}; }

private:
    QPlainTextEdit *m_text;
};
