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
    QString *const fields[] = { &name, &gmtOffsetText, &column3Text, &column4Text, &column5Text,
                                &latitudeText };
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
    longitudeText = rest;
}

bool CityTable::lookUp(const QString &cityName, QString &latitude, QString &longitude)
{
    latitude = QString();
    longitude = QString();
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream stream(&m_file);
    bool found = false;
    QString line;
    while (stream.readLineInto(&line)) {
        const int comma = line.indexOf(QLatin1Char(','));
        name = comma < 0 ? line : line.left(comma);
        if (name == cityName) {
            parseLine(line);
            latitude = latitudeText;
            longitude = longitudeText;
            found = true;
            break;
        }
    }
    m_file.close();
    return found;
}
