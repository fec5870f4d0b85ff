// Resident memory of the window as it runs: its growth over 100,000 clock fills and over
// 1,000 print commands (against the private scheduler named by CUPS_SERVER).
#include "ui/UnitMavlo.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {

long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

template <typename Step>
long growthKiB(int warmUp, int count, Step step)
{
    for (int i = 0; i < warmUp; ++i)
        step();
    const long before = rssKiB();
    for (int i = 0; i < count; ++i)
        step();
    return rssKiB() - before;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TFormMavlo form;
    form.show();
    QApplication::processEvents();
    std::printf("rss_after_show_kib %ld\n", rssKiB());

    const long clock = growthKiB(1000, 100000, [&] {
        form.Timer1Timer();
        QApplication::processEvents();
    });
    std::printf("clock_fills 100000 growth_kib %ld\n", clock);

    const long prints = growthKiB(20, 1000, [&] { form.FlatSpeedButton2Click(); });
    std::printf("print_commands 1000 growth_kib %ld\n", prints);
    std::printf("rss_at_end_kib %ld\n", rssKiB());
    return 0;
}
