#include "citytable.h"

#include <vyndevice.h>

#include <QTextStream>

CityTable::CityTable()
    : m_path(QStringLiteral("/usr/SYSqtapp/homescreen/az_timezone.cfg"))
    , m_file(VynDevice::hostPath(m_path))
{
}

void CityTable::parseLine(const QString &line)
{
    QString rest = line;
    QString *const fields[] = { &record.name, &record.gmtOffsetText, &record.countryCode, &record.zoneId,
                                &record.population, &record.latitudeText };
    int counter = 1;
    for (;;) {
        const int comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0)
            break;
        if (counter <= 6)
            *fields[counter - 1] = rest.left(comma);
        int next = comma + 1;
        while (next < rest.size() && rest.at(next) == QLatin1Char(' '))
            ++next;
        rest = rest.mid(next);
        ++counter;
    }
    record.longitudeText = rest;
}

bool CityTable::lookUp(const QString &cityName, QString &latitude, QString &longitude)
{
    latitude = QString();
    longitude = QString();
    CityRecord found;
    if (!lookUp(cityName, found))
        return false;
    latitude = found.latitudeText;
    longitude = found.longitudeText;
    return true;
}

bool CityTable::lookUp(const QString &cityName, CityRecord &found)
{
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream stream(&m_file);
    bool matched = false;
    QString line;
    while (stream.readLineInto(&line)) {
        const int comma = line.indexOf(QLatin1Char(','));
        record.name = comma < 0 ? line : line.left(comma);
        if (record.name == cityName) {
            parseLine(line);
            found = record;
            matched = true;
            break;
        }
    }
    m_file.close();
    return matched;
}
