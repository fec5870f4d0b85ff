#include "printing/Printers.h"

#include "printing/PrinterErrors.h"
#include "ui/Fonts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QScopeGuard>

#include <cups/cups.h>

namespace {

constexpr int kFallbackResolution = 300;
constexpr qsizetype kWriteChunk = 64 * 1024;

// The scheduler could not be reached or broke down, as opposed to an answer about the
// printer or the job.
bool isPrintSystemFailure(ipp_status_t status)
{
    return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL;
}

// A failure of the print system itself (scheduler unreachable, internal errors) is reported
// as a system error: its code, then CUPS' status name and text on a second line. Anything
// else the scheduler refused is reported in its own words.
[[noreturn]] void raiseCupsFailure(ipp_status_t status, const QString &text)
{
    if (isPrintSystemFailure(status))
        throw EWin32Error(int(status), QStringLiteral("%1: %2").arg(QString::fromUtf8(ippErrorString(status)), text));
    throw EPrinter(text);
}

[[noreturn]] void raiseLastCupsFailure()
{
    raiseCupsFailure(cupsLastError(), QString::fromUtf8(cupsLastErrorString()));
}

} // namespace

struct TPrinter::Cups {
    ~Cups()
    {
        cupsFreeDestInfo(info);
        cupsFreeDests(count, dests);
    }

    void chooseDefault();
    void openInfo();

    cups_dest_t *dests = nullptr;
    int count = 0;
    bool listRead = false;
    cups_dest_t *chosen = nullptr;
    cups_dinfo_t *info = nullptr;
};

void TPrinter::Cups::chooseDefault()
{
    if (chosen)
        return;
    if (!listRead) {
        cups_dest_t *list = nullptr;
        const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &list);
        if (n == 0 && isPrintSystemFailure(cupsLastError()))
            raiseLastCupsFailure();
        dests = list;
        count = n;
        listRead = true;
    }
    if (cups_dest_t *current = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)) {
        chosen = cupsGetDest(current->name, current->instance, count, dests);
        cupsFreeDests(1, current);
    }
    if (!chosen)
        throw EPrinter(QStringLiteral("There is no default printer currently selected"));
}

void TPrinter::Cups::openInfo()
{
    cupsFreeDestInfo(info);
    info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, chosen);
    if (!info) {
        if (isPrintSystemFailure(cupsLastError()))
            raiseLastCupsFailure();
        throw EPrinter(QStringLiteral("Printer selected is not valid"));
    }
}

TPrinter::TPrinter() : m_cups(std::make_unique<Cups>())
{
    installFontSubstitutes();
}

TPrinter::~TPrinter()
{
    if (m_printing)
        Abort();
}

QFont TPrinter::font() const
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleStrategy(QFont::PreferOutline);
    f.setPixelSize(qMax(1, qRound(m_fontSize * m_resolution / 72.0)));
    return f;
}

void TPrinter::BeginDoc()
{
    if (m_printing)
        throw EPrinter(QStringLiteral("Printing in progress"));
    m_cups->chooseDefault();
    m_cups->openInfo();

    cups_size_t media{};
    if (!cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, m_cups->chosen, m_cups->info, CUPS_MEDIA_FLAGS_DEFAULT, &media))
        throw EPrinter(QStringLiteral("Printer selected is not valid"));

    m_resolution = kFallbackResolution;
    if (ipp_attribute_t *res = cupsFindDestDefault(CUPS_HTTP_DEFAULT, m_cups->chosen, m_cups->info, "printer-resolution")) {
        int y = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int x = ippGetResolution(res, 0, &y, &units);
        if (x > 0)
            m_resolution = units == IPP_RES_PER_CM ? qRound(x * 2.54) : x;
    }

    // CUPS gives sizes and margins in hundredths of a millimetre.
    const auto toPixels = [this](int hundredthsMm) { return qRound(hundredthsMm / 2540.0 * m_resolution); };
    const QPageSize pageSize(QSizeF(media.width / 100.0, media.length / 100.0), QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
    m_document.clear();
    auto buffer = new QBuffer(&m_document);
    buffer->open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(buffer);
    buffer->setParent(m_writer.get());
    m_writer->setResolution(m_resolution);
    m_writer->setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
    m_writer->setCreator(QCoreApplication::applicationName());

    const QSize page(toPixels(media.width), toPixels(media.length));
    m_printable = QRect(QPoint(toPixels(media.left), toPixels(media.top)),
                        QPoint(page.width() - toPixels(media.right) - 1, page.height() - toPixels(media.bottom) - 1));
    if (!m_painter.begin(m_writer.get()))
        throw EPrinter(QStringLiteral("Printer selected is not valid"));
    m_printing = true;
}

void TPrinter::NewPage()
{
    if (m_printing)
        m_writer->newPage();
}

void TPrinter::Abort()
{
    m_painter.end();
    m_writer.reset();
    m_document.clear();
    m_printing = false;
}

void TPrinter::EndDoc()
{
    if (!m_printing)
        return;
    m_painter.end();
    m_writer.reset();
    const auto done = qScopeGuard([this] {
        m_document.clear();
        m_printing = false;
    });
    submitJob();
}

void TPrinter::submitJob()
{
    cups_dest_t *dest = m_cups->chosen;
    cups_dinfo_t *info = m_cups->info;
    // Let the window breathe while the job is handed over; the open job keeps a second
    // command from starting one of its own.
    QCoreApplication::processEvents();

    int job = 0;
    if (cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest, info, &job, "", 0, nullptr) > IPP_STATUS_OK_EVENTS_COMPLETE || job == 0)
        raiseLastCupsFailure();
    const auto cancelAndRaise = [&] {
        // Cancelling sets a status of its own: keep the reason first.
        const ipp_status_t status = cupsLastError();
        const QString text = QString::fromUtf8(cupsLastErrorString());
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest, job);
        raiseCupsFailure(status, text);
    };
    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest, info, job, "", CUPS_FORMAT_PDF, 0, nullptr, 1)
        != HTTP_STATUS_CONTINUE)
        cancelAndRaise();
    for (qsizetype at = 0; at < m_document.size(); at += kWriteChunk) {
        const qsizetype n = qMin(kWriteChunk, m_document.size() - at);
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, m_document.constData() + at, size_t(n)) != HTTP_STATUS_CONTINUE)
            cancelAndRaise();
        QCoreApplication::processEvents();
    }
    if (cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest, info) > IPP_STATUS_OK_EVENTS_COMPLETE)
        cancelAndRaise();
}

namespace {

std::unique_ptr<TPrinter> &printerInstance()
{
    static std::unique_ptr<TPrinter> printer;
    return printer;
}

} // namespace

TPrinter &Printer()
{
    auto &printer = printerInstance();
    if (!printer)
        printer = std::make_unique<TPrinter>();
    return *printer;
}

std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer)
{
    printerInstance().swap(printer);
    return printer;
}
