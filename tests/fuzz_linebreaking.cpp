// libFuzzer target: the line breaker's properties for any text and width.
#include "LineBreakingCheck.h"
#include "printing/LineBreaking.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const qreal width = data[0] % 40;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (!piecesFault(text, width, breakLine(text, width, cells)).isEmpty())
        std::abort();
    return 0;
}
