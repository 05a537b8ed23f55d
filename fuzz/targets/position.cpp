// The position texts the calculator parses ("24.28N", "054.22E"): first line latitude, second
// longitude; then a day is computed there.
#include "fuzzcheck.h"

#include <prayertimecalculator.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = Fuzz::bytes(data, size);
    const qsizetype newline = content.indexOf('\n');
    const QByteArray latitude = newline < 0 ? content : content.left(newline);
    const QByteArray longitude = newline < 0 ? QByteArray() : content.mid(newline + 1);
    PrayerTimeCalculator calculator;
    calculator.setPosition(QByteArrayView(latitude), QByteArrayView(longitude));
    calculator.computeForInstant(1717200000);
    PrayerTimeCalculator fromText;
    fromText.setPosition(QString::fromUtf8(latitude), QString::fromUtf8(longitude));
    fromText.computeForInstant(1717200000);
    return 0;
}
