#ifndef CITYTABLE_H
#define CITYTABLE_H

#include <QFile>
#include <QString>

// Reader of the city table "/usr/SYSqtapp/homescreen/az_timezone.cfg": one city a line, seven
// fields separated by commas (blanks after a comma skipped). A short-lived stack object.
class CityTable
{
public:
    CityTable();

    void parseLine(const QString &line);
    bool lookUp(const QString &cityName, QString &latitudeText, QString &longitudeText);

    QString name;
    QString gmtOffsetText;
    QString column3Text;
    QString column4Text;
    QString column5Text;
    QString latitudeText;
    QString longitudeText;

private:
    QString m_path;
    QFile m_file;
};

#endif
