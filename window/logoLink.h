// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// The logo picture: shows a bitmap and reports clicks, from the mouse or from
// the keyboard (Space, Return or Enter while it has the focus).
class LogoLink : public QLabel
{
    Q_OBJECT

public:
    explicit LogoLink(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_pressed = false;
};
