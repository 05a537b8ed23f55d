#ifndef UTIL_DATETIME_H
#define UTIL_DATETIME_H

#include <QDate>
#include <QString>
#include <QTime>

// Dates and times in the user's formats, kept in "/setup/vyn_datetime.cfg", group "DateTime":
// "TimeFormat" is "12" or "24" and "DateFormat" one of the choices of the date settings
// (see dateFormatChoices). A missing or unknown value gives the locale's format. The file is
// read at every call, so a format change shows at the next redraw.
class UTIL_DateTime
{
public:
    // Accuracy 0: hours and minutes ("05:12 AM", "17:40"); 1: hours, minutes and seconds
    // ("05:12:00 AM", "17:40:00"). The AM/PM marker always comes last, so removing the last
    // ':' and the two digits after it leaves a valid text. An invalid time gives "".
    static QString timeToString(const QTime &time, int accuracy = 0);
    // Accuracy 0: the user's date format; 1: the long form with the weekday and month name.
    // An invalid date gives "".
    static QString dateToString(const QDate &date, int accuracy = 0);
    static QString toString(const QDate &date);
    static QString toString(const QTime &time);

    // True when the user chose the 12-hour format.
    static bool getTimeFormat();
    // The QDate format text in use for accuracy 0.
    static QString dateFormat();
    static QStringList dateFormatChoices();

    static QString settingsFile();
};

#endif
