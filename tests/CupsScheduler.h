#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <optional>

// Drives the private scheduler that the test fixture started (CUPS_SERVER, MAVLO_CUPS_DIR).
namespace CupsScheduler {

inline const QString kQueue = QStringLiteral("Receipt58");

// Runs a CUPS or poppler tool; its standard output, or nothing when it failed.
std::optional<QString> run(const QString &program, const QStringList &arguments);
// No queues but the virtual receipt queue, as the default, accepting and enabled.
void reset();
void addQueue(const QString &name);
void removeAllQueues();
void stop();
void resume();
// The documents received so far, oldest first.
QStringList documents();
// The ids of the jobs a queue has received, completed ones included.
QStringList jobsOf(const QString &queue);

} // namespace CupsScheduler

// What a reader of a received PDF sees.
struct PdfLine {
    int page = 0;
    QRectF box; // points, from the page's upper-left corner
    QString text;
};
// Top to bottom, page by page.
QList<PdfLine> pdfLines(const QString &path);
QString pdfPageSize(const QString &path);
int pdfPages(const QString &path);

// Closes every message box that shows while it lives, and keeps their texts.
class MessageBoxCatcher final : public QObject {
    Q_OBJECT
public:
    MessageBoxCatcher();
    QStringList texts;
    QStringList titles;

private:
    void closeShownBox();
    QTimer m_timer;
};
