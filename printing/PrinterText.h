#pragma once

#include <QString>

class TPrinter;

// A text channel onto the printer: each written line is set in the printer font at the
// current position, which then moves to the start of the next line. A line wider than the
// printable width continues on the next line; a line that would run past the bottom of
// the page begins a new page.
class TPrinterText final {
public:
    // Binds the channel to the printer.
    explicit TPrinterText(TPrinter &printer) : m_printer(printer) {}
    // A channel left open by a failure drops its job.
    ~TPrinterText();
    TPrinterText(const TPrinterText &) = delete;
    TPrinterText &operator=(const TPrinterText &) = delete;

    // Begins a job; writing starts at the printable area's upper-left corner.
    void Rewrite();
    void WriteLn(const QString &text);
    // The printer font's size in points, for the lines written after it.
    void SetFontSize(int points);
    // Ends the page and the job and hands it to the spooler.
    void Close();

private:
    TPrinter &m_printer;
    bool m_open = false;
    qreal m_y = 0;
};
