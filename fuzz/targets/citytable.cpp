// The city table: any file, any line, any name looked up.
#include "fuzzcheck.h"

#include <citytable.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = Fuzz::bytes(data, size);
    Fuzz::writeDeviceFile(QStringLiteral("/usr/SYSqtapp/homescreen/az_timezone.cfg"), content);
    CityTable table;
    for (const QByteArray &line : content.split('\n'))
        table.parseLine(QString::fromUtf8(line));
    // The first field of the first line, as a user would pick it, and a city that is not there.
    const QString first = QString::fromUtf8(content.left(content.indexOf(',')));
    CityRecord record;
    table.lookUp(first, record);
    QString latitude;
    QString longitude;
    table.lookUp(QStringLiteral("Nowhere at all"), latitude, longitude);
    return 0;
}
