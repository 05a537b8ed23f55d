#ifndef CITYTABLE_H
#define CITYTABLE_H

#include <QFile>
#include <QString>

// One line of the city table. The device's table carries a country code, a time-zone name and
// a population in the three middle fields; nothing here relies on them.
struct CityRecord
{
    QString name;
    QString gmtOffsetText;
    QString countryCode;
    QString zoneId;
    QString population;
    // Degrees, a dot, whole minutes and the hemisphere: "24.28N", "054.22E".
    QString latitudeText;
    QString longitudeText;
};

// Reader of the city table "/usr/SYSqtapp/homescreen/az_timezone.cfg": one city a line, seven
// fields separated by commas (blanks after a comma skipped). A short-lived stack object.
class CityTable
{
public:
    CityTable();

    // Fills record from one line; fields a short line lacks keep their previous values.
    void parseLine(const QString &line);
    bool lookUp(const QString &cityName, QString &latitudeText, QString &longitudeText);
    // The whole record of the first line with that name.
    bool lookUp(const QString &cityName, CityRecord &found);

    // The most recently parsed line.
    CityRecord record;

private:
    QString m_path;
    QFile m_file;
};

#endif
