// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// The logo picture: shows a bitmap and reports clicks, from the mouse or from
// the keyboard (Space, Return or Enter while it has the focus). The pointer
// over it is a pointing hand, the keyboard focus is drawn around it, and a
// screen reader sees it as a link it can press.
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
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};
