#include "CupsScheduler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

QString env(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

void mustRun(const QString &program, const QStringList &arguments)
{
    if (!CupsScheduler::run(program, arguments))
        qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(u' ')));
}

} // namespace

std::optional<QString> CupsScheduler::run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

void CupsScheduler::removeAllQueues()
{
    const QString listing = run(QStringLiteral("lpstat"), {QStringLiteral("-e")}).value_or(QString());
    for (const QString &queue : listing.split(u'\n', Qt::SkipEmptyParts))
        mustRun(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
}

void CupsScheduler::addQueue(const QString &name)
{
    mustRun(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                                        QStringLiteral("file:///dev/null"), QStringLiteral("-P"), env("MAVLO_RECEIPT_PPD")});
}

void CupsScheduler::reset()
{
    if (!run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).value_or(QString()).contains(QLatin1String("is running")))
        resume();
    removeAllQueues();
    addQueue(kQueue);
    mustRun(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue});
}

void CupsScheduler::stop()
{
    mustRun(env("MAVLO_CUPS_FIXTURE"), {QStringLiteral("stop"), env("MAVLO_CUPS_DIR")});
}

void CupsScheduler::resume()
{
    mustRun(env("MAVLO_CUPS_FIXTURE"), {QStringLiteral("resume"), env("MAVLO_CUPS_DIR")});
}

QStringList CupsScheduler::documents()
{
    const QDir spool(env("MAVLO_CUPS_DIR") + QStringLiteral("/spool"));
    QStringList paths;
    for (const QString &name : spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name))
        paths << spool.filePath(name);
    return paths;
}

QStringList CupsScheduler::jobsOf(const QString &queue)
{
    QStringList ids;
    const QString listing =
        run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), queue}).value_or(QString());
    for (const QString &line : listing.split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u' ', 0, 0);
    return ids;
}

QList<PdfLine> pdfLines(const QString &path)
{
    const QString html =
        CupsScheduler::run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), path, QStringLiteral("-")}).value_or(QString());
    static const QRegularExpression pageRe(QStringLiteral("<page [^>]*>(.*?)</page>"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression lineRe(
        QStringLiteral("<line xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">(.*?)</line>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordRe(QStringLiteral("<word [^>]*>(.*?)</word>"));
    QList<PdfLine> lines;
    int page = 0;
    for (const auto &pageMatch : pageRe.globalMatch(html)) {
        ++page;
        for (const auto &m : lineRe.globalMatch(pageMatch.captured(1))) {
            QStringList words;
            for (const auto &w : wordRe.globalMatch(m.captured(5)))
                words << QTextDocumentFragment::fromHtml(w.captured(1)).toPlainText();
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            lines << PdfLine{page, QRectF(topLeft, bottomRight), words.join(u' ')};
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const PdfLine &a, const PdfLine &b) {
        return a.page != b.page ? a.page < b.page : a.box.top() < b.box.top();
    });
    return lines;
}

namespace {

QString pdfInfo(const QString &path, const QString &key)
{
    const QString info = CupsScheduler::run(QStringLiteral("pdfinfo"), {path}).value_or(QString());
    for (const QString &line : info.split(u'\n')) {
        if (line.startsWith(key + u':'))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

} // namespace

QString pdfPageSize(const QString &path)
{
    return pdfInfo(path, QStringLiteral("Page size"));
}

int pdfPages(const QString &path)
{
    return pdfInfo(path, QStringLiteral("Pages")).toInt();
}

MessageBoxCatcher::MessageBoxCatcher()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::closeShownBox);
    m_timer.start(5);
}

void MessageBoxCatcher::closeShownBox()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        texts << box->text();
        titles << box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    }
}
