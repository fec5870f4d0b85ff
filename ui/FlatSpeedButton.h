#pragma once

#include <QAbstractButton>
#include <QColor>

// A flat push button: a plain face in one of three colours (idle, hovered, pressed) with a
// one-pixel frame. It never takes the keyboard focus; it clicks when the left button is
// released over it.
class TFlatSpeedButton final : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor ColorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor ColorDown READ colorDown WRITE setColorDown)
    Q_PROPERTY(QColor ColorBorder READ colorBorder WRITE setColorBorder)

public:
    explicit TFlatSpeedButton(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &c);
    QColor colorFocused() const { return m_colorFocused; }
    void setColorFocused(const QColor &c);
    QColor colorDown() const { return m_colorDown; }
    void setColorDown(const QColor &c);
    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor &c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_color{Qt::lightGray};
    QColor m_colorFocused{Qt::lightGray};
    QColor m_colorDown{Qt::darkGray};
    QColor m_colorBorder{Qt::black};
    bool m_hovered = false;
};
