#ifndef PRAYERTIMES_OPTIONS_H
#define PRAYERTIMES_OPTIONS_H

#include <prayertimecalculator.h>

#include <QDate>
#include <QStringList>
#include <QTimeZone>

enum class ToolMode { Times, Batch, Hijri, Events };
enum class OptionsResult { Run, Help, Error };

struct ToolOptions
{
    ToolMode mode = ToolMode::Times;
    QDate first;
    QDate last;
    int eventCount = 7;
    int method = 1;
    QString city;
    QString latitudeText;
    QString longitudeText;
    double offset = 0;
};

// A city's or a position's location, and for a city its time zone (the offset changes with
// daylight saving from day to day).
struct ToolLocation
{
    PrayerLocation location;
    bool byCity = false;
    QTimeZone zone;
    QString header;
};

// Fills options from the command line; on Help, problem holds the help text.
OptionsResult parseToolOptions(const QStringList &arguments, ToolOptions &options, QString &problem);
bool resolveLocation(const ToolOptions &options, ToolLocation &location, QString &problem);
// The zone offset in seconds on a local date (the offset at that date's local noon).
double offsetOn(const ToolLocation &location, const QDate &date);

#endif
