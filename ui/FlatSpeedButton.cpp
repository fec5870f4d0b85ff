#include "ui/FlatSpeedButton.h"

#include <QPainter>

namespace {

void drawFrame(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

TFlatSpeedButton::TFlatSpeedButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TFlatSpeedButton::setColor(const QColor &c)
{
    m_color = c;
    update();
}

void TFlatSpeedButton::setColorFocused(const QColor &c)
{
    m_colorFocused = c;
    update();
}

void TFlatSpeedButton::setColorDown(const QColor &c)
{
    m_colorDown = c;
    update();
}

void TFlatSpeedButton::setColorBorder(const QColor &c)
{
    m_colorBorder = c;
    update();
}

QSize TFlatSpeedButton::sizeHint() const
{
    return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(16, 10);
}

void TFlatSpeedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool down = isDown();
    const QRect r = rect();
    painter.fillRect(r, down ? m_colorDown : m_hovered ? m_colorFocused : m_color);
    if (down)
        drawFrame(painter, r, Qt::black, Qt::white);
    else if (m_hovered)
        drawFrame(painter, r, Qt::white, Qt::black);
    else
        drawFrame(painter, r, m_colorBorder, m_colorBorder);

    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(down ? r.translated(1, 1) : r, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void TFlatSpeedButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TFlatSpeedButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
