#include "batch.h"

#include "output.h"

#include <prayermethod.h>
#include <prayertimecalculator.h>

#include <cmath>

namespace {

// Instants QDateTime can carry: years 1 to 9999.
const qint64 earliestTime = -62135596800LL;
const qint64 latestTime = 253402300799LL;
const double largestOffset = 86400;

void appendClock(QString &line, const std::optional<HourMinute> &time)
{
    if (!time) {
        line += QLatin1String("--:--");
        return;
    }
    line += QLatin1Char(char('0' + time->hour / 10));
    line += QLatin1Char(char('0' + time->hour % 10));
    line += QLatin1Char(':');
    line += QLatin1Char(char('0' + time->minute / 10));
    line += QLatin1Char(char('0' + time->minute % 10));
}

// The reason a line cannot be computed, or an empty text.
QString readCase(const QString &line, PrayerTimeCalculator &calculator, qint64 &when)
{
    if (line.trimmed().isEmpty())
        return QStringLiteral("empty line");
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 5)
        return QStringLiteral("expected 5 TAB-separated fields, found %1").arg(fields.size());
    bool offsetOk = false;
    bool timeOk = false;
    const double offset = fields.at(2).trimmed().toDouble(&offsetOk);
    when = fields.at(4).trimmed().toLongLong(&timeOk);
    if (!offsetOk || !std::isfinite(offset) || std::fabs(offset) > largestOffset)
        return QStringLiteral("bad zone offset \"%1\"").arg(fields.at(2));
    if (!timeOk || when < earliestTime || when > latestTime)
        return QStringLiteral("bad Unix time \"%1\"").arg(fields.at(4));
    // Position and method texts are taken as the deliverables take them from their files.
    calculator.setPosition(fields.at(0), fields.at(1));
    calculator.setZoneOffsetSeconds(offset);
    const PrayerMethod &method = PrayerMethods::fromStoredText(fields.at(3));
    calculator.setMethod(QString::fromLatin1(method.name));
    return QString();
}

} // namespace

int runBatch()
{
    QTextStream in(stdin);
    QString line;
    QString output;
    int lineNumber = 0;
    int result = Success;
    PrayerTimeCalculator calculator;
    while (in.readLineInto(&line)) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        qint64 when = 0;
        const QString problem = readCase(line, calculator, when);
        // Exactly one output line per input line, so the two can be pasted side by side.
        if (!problem.isEmpty()) {
            out() << "error\n";
            out().flush();
            err() << "prayertimes: line " << lineNumber << ": " << problem << Qt::endl;
            result = BadBatchLine;
            continue;
        }
        calculator.computeForInstant(when);
        const PrayerDay day = calculator.day();
        output.clear();
        for (int time = 0; time < PrayerTimeCount; ++time) {
            if (time)
                output += QLatin1Char('\t');
            appendClock(output, day.times[time]);
        }
        output += QLatin1Char('\n');
        out() << output;
    }
    out().flush();
    return result;
}
