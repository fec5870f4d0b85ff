// The print command against a private scheduler with the virtual 58 mm queue (CUPS_SERVER),
// next to what a shell script reaches: two `lp` submissions of the same two PDFs.
#include "printing/PrinterText.h"
#include "printing/Printers.h"
#include "printing/Voucher.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

const VoucherFields kFields{
    [] { return QStringLiteral("松禾食堂"); },
    [] { return QStringLiteral("5元"); },
    [] { return QStringLiteral("2026-12-11 09:30:05"); },
    [] { return QStringLiteral("抵用餐劵 当日盖章有效"); },
};

QStringList spoolDocuments()
{
    const QDir spool(QString::fromLocal8Bit(qgetenv("MAVLO_CUPS_DIR")) + QStringLiteral("/spool"));
    QStringList paths;
    for (const QString &name : spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name))
        paths << spool.filePath(name);
    return paths;
}

bool lp(const QString &file)
{
    const QByteArray path = file.toLocal8Bit();
    char *argv[] = {const_cast<char *>("lp"), const_cast<char *>("-s"), const_cast<char *>(path.constData()), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "lp", nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void PrintCommand(benchmark::State &state)
{
    for (auto _ : state)
        printVoucherTwice(Printer(), kFields);
    state.counters["pdf_bytes"] = double(QFileInfo(spoolDocuments().constLast()).size());
}

void TwoLpSubmissions(benchmark::State &state)
{
    const QStringList docs = spoolDocuments();
    const QString first = docs.value(docs.size() - 2), second = docs.value(docs.size() - 1);
    for (auto _ : state) {
        if (!lp(first) || !lp(second))
            state.SkipWithError("lp failed");
    }
}

void RenderOneVoucher(benchmark::State &state)
{
    for (auto _ : state) {
        TPrinterText channel(Printer());
        channel.Rewrite();
        writeVoucher(channel, kFields);
        // Leaving the channel open drops the finished document instead of sending it.
    }
}

} // namespace

BENCHMARK(PrintCommand)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(TwoLpSubmissions)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(RenderOneVoucher)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    printVoucherTwice(Printer(), kFields); // the queue is chosen, and there are PDFs for lp
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
