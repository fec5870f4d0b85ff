#pragma once

#include <QString>

#include <functional>

class TPrinter;
class TPrinterText;

// Where the voucher's texts come from; each is read just before its line is written.
struct VoucherFields {
    std::function<QString()> name;
    std::function<QString()> price;
    std::function<QString()> dateTime;
    std::function<QString()> note;
};

// Writes one voucher's lines to an open channel.
void writeVoucher(TPrinterText &channel, const VoucherFields &fields);

// The print command: the voucher twice, as two jobs. A failure ends it where it happens, so
// the second copy is never tried after the first failed.
void printVoucherTwice(TPrinter &printer, const VoucherFields &fields);
