#pragma once

#include <QByteArray>
#include <QFont>
#include <QPainter>
#include <QRect>

#include <memory>

class QPdfWriter;

// The printer object: the system's default CUPS destination, a page of its default media,
// and one job at a time drawn into a PDF in memory and handed to the scheduler at EndDoc.
// All calls into libcups live in this class.
class TPrinter final {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter &) = delete;
    TPrinter &operator=(const TPrinter &) = delete;

    // Starts a job with its first page. The first call reads the list of destinations and
    // keeps it; each call looks the system's default up in that list until one is found,
    // and that printer is then kept for the rest of the run.
    void BeginDoc();
    // Ends the page and the job and hands the job to the scheduler. While it does, pending
    // events are let through, so the window stays alive; an open attempted then fails.
    void EndDoc();
    // Drops the open job without sending anything.
    void Abort();
    void NewPage();
    bool Printing() const { return m_printing; }

    // The printer font's size in points; it outlives jobs.
    int fontSize() const { return m_fontSize; }
    void setFontSize(int points) { m_fontSize = points; }
    // The printer font at the open job's resolution.
    QFont font() const;

    // Valid while a job is open: the canvas, in device pixels from the page's corner, and
    // the part of the page the printer can print on.
    QPainter &canvas() { return m_painter; }
    QRect printableRect() const { return m_printable; }

private:
    struct Cups;
    void submitJob();

    std::unique_ptr<Cups> m_cups;
    std::unique_ptr<QPdfWriter> m_writer;
    QByteArray m_document;
    QPainter m_painter;
    QRect m_printable;
    int m_resolution = 0;
    int m_fontSize = 8;
    bool m_printing = false;
};

// The program's printer object, made on first use.
TPrinter &Printer();
// Puts another printer object in place of the current one and hands the old one back.
std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer);
