#include "printing/Voucher.h"

#include "printing/PrinterText.h"

namespace {

const QString kBlank = QStringLiteral(" ");
const QString kDot = QStringLiteral(".");

} // namespace

void writeVoucher(TPrinterText &channel, const VoucherFields &fields)
{
    channel.WriteLn(kBlank);
    channel.WriteLn(kBlank);
    channel.SetFontSize(11);
    channel.WriteLn(QStringLiteral("名称:") + fields.name());
    channel.WriteLn(kBlank);
    channel.WriteLn(QStringLiteral("价格:") + fields.price());
    channel.WriteLn(kBlank);
    channel.WriteLn(QStringLiteral("时间:") + fields.dateTime());
    channel.WriteLn(kBlank);
    channel.WriteLn(kBlank + fields.note());
    for (int i = 0; i < 4; ++i)
        channel.WriteLn(kDot);
    channel.WriteLn(kBlank);
}

void printVoucherTwice(TPrinter &printer, const VoucherFields &fields)
{
    for (int copy = 0; copy < 2; ++copy) {
        TPrinterText channel(printer);
        channel.Rewrite();
        writeVoucher(channel, fields);
        channel.Close();
    }
}
