#include "printing/PrinterText.h"

#include "printing/LineBreaking.h"
#include "printing/Printers.h"

#include <QFontMetricsF>

TPrinterText::~TPrinterText()
{
    if (m_open)
        m_printer.Abort();
}

void TPrinterText::Rewrite()
{
    m_printer.BeginDoc();
    m_open = true;
    m_y = m_printer.printableRect().top();
}

void TPrinterText::WriteLn(const QString &text)
{
    QPainter &canvas = m_printer.canvas();
    const QFont font = m_printer.font();
    canvas.setFont(font);
    const QFontMetricsF metrics(font, canvas.device());
    const QRect area = m_printer.printableRect();
    const auto measure = [&metrics](QStringView piece) { return metrics.horizontalAdvance(piece.toString()); };
    for (const QString &piece : breakLine(text, area.width(), measure)) {
        if (m_y + metrics.height() > area.bottom() + 1 && m_y > area.top()) {
            m_printer.NewPage();
            m_y = area.top();
        }
        canvas.drawText(QPointF(area.left(), m_y + metrics.ascent()), piece);
        m_y += metrics.lineSpacing();
    }
}

void TPrinterText::SetFontSize(int points)
{
    m_printer.setFontSize(points);
}

void TPrinterText::Close()
{
    m_open = false;
    m_printer.EndDoc();
}
