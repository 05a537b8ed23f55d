#include "batch.h"

#include "output.h"

#include <prayermethod.h>
#include <prayertimecalculator.h>

#include <QList>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Instants QDateTime can carry: years 1 to 9999.
const qint64 earliestTime = -62135596800LL;
const qint64 latestTime = 253402300799LL;
const double largestOffset = 86400;
// Below this many lines a block is not worth a second thread.
const qsizetype linesPerThread = 512;
const size_t readSize = 1 << 20;

struct Problem
{
    qint64 lineNumber;
    QByteArray message;
};

// One worker's share of a block: its output lines and the reasons of its bad lines.
struct Share
{
    QByteArray output;
    QList<Problem> problems;
};

void appendClock(QByteArray &line, const std::optional<HourMinute> &time)
{
    if (!time) {
        line += "--:--";
        return;
    }
    const char text[5] = { char('0' + time->hour / 10), char('0' + time->hour % 10), ':',
                           char('0' + time->minute / 10), char('0' + time->minute % 10) };
    line.append(text, 5);
}

QByteArray quoted(QByteArrayView field)
{
    return '"' + field.toByteArray() + '"';
}

// Sets up the calculator for one line; the reason it cannot, or an empty text.
QByteArray readCase(QByteArrayView line, PrayerTimeCalculator &calculator, qint64 &when)
{
    if (line.trimmed().isEmpty())
        return "empty line";
    QByteArrayView fields[5];
    int count = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype tab = line.indexOf('\t', start);
        const qsizetype end = tab < 0 ? line.size() : tab;
        if (count < 5)
            fields[count] = line.sliced(start, end - start);
        ++count;
        if (tab < 0)
            break;
        start = tab + 1;
    }
    if (count != 5)
        return "expected 5 TAB-separated fields, found " + QByteArray::number(count);
    bool offsetOk = false;
    bool timeOk = false;
    const double offset = fields[2].trimmed().toDouble(&offsetOk);
    when = fields[4].trimmed().toLongLong(&timeOk);
    if (!offsetOk || !std::isfinite(offset) || std::fabs(offset) > largestOffset)
        return "bad zone offset " + quoted(fields[2]);
    if (!timeOk || when < earliestTime || when > latestTime)
        return "bad Unix time " + quoted(fields[4]);
    // Position and method texts are taken as the deliverables take them from their files.
    calculator.setPosition(fields[0], fields[1]);
    calculator.setZoneOffsetSeconds(offset);
    const PrayerMethod &method = PrayerMethods::fromStoredText(fields[3]);
    calculator.setMethod(QString::fromLatin1(method.name));
    return QByteArray();
}

void computeLines(const QList<QByteArrayView> &lines, qsizetype first, qsizetype end, qint64 firstNumber,
                  Share &share)
{
    PrayerTimeCalculator calculator;
    share.output.reserve((end - first) * 36);
    for (qsizetype i = first; i < end; ++i) {
        QByteArrayView line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        qint64 when = 0;
        const QByteArray problem = readCase(line, calculator, when);
        // Exactly one output line per input line, so the two can be pasted side by side.
        if (!problem.isEmpty()) {
            share.output += "error\n";
            share.problems.append({ firstNumber + i, problem });
            continue;
        }
        calculator.computeForInstant(when);
        const PrayerDay day = calculator.day();
        for (int time = 0; time < PrayerTimeCount; ++time) {
            if (time)
                share.output += '\t';
            appendClock(share.output, day.times[time]);
        }
        share.output += '\n';
    }
}

// Computes a block of whole lines, on as many threads as it is worth, and prints it in order.
bool processBlock(QByteArrayView block, qint64 &lineNumber)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < block.size()) {
        qsizetype end = block.indexOf('\n', start);
        if (end < 0)
            end = block.size();
        lines.append(block.sliced(start, end - start));
        start = end + 1;
    }
    const qsizetype threads = std::clamp<qsizetype>(lines.size() / linesPerThread, 1,
                                                     qsizetype(std::max(1u, std::thread::hardware_concurrency())));
    QList<Share> shares(threads);
    std::vector<std::thread> workers;
    const qsizetype perThread = (lines.size() + threads - 1) / threads;
    for (qsizetype t = 0; t < threads; ++t) {
        const qsizetype first = t * perThread;
        const qsizetype end = std::min(lines.size(), first + perThread);
        if (t + 1 == threads)
            computeLines(lines, first, end, lineNumber + 1, shares[t]);
        else
            workers.emplace_back(computeLines, std::cref(lines), first, end, lineNumber + 1, std::ref(shares[t]));
    }
    for (std::thread &worker : workers)
        worker.join();
    lineNumber += lines.size();

    bool clean = true;
    for (const Share &share : shares)
        fwrite(share.output.constData(), 1, size_t(share.output.size()), stdout);
    fflush(stdout);
    for (const Share &share : shares) {
        for (const Problem &problem : share.problems) {
            fprintf(stderr, "prayertimes: line %lld: %s\n", qlonglong(problem.lineNumber), problem.message.constData());
            clean = false;
        }
    }
    return clean;
}

} // namespace

int runBatch()
{
    out().flush();
    QByteArray pending;
    QByteArray buffer(readSize, Qt::Uninitialized);
    qint64 lineNumber = 0;
    int result = Success;
    for (;;) {
        // Whatever has arrived: a file comes in large blocks, a person typing line by line.
        const ssize_t count = read(STDIN_FILENO, buffer.data(), readSize);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        pending.append(buffer.constData(), count);
        const qsizetype lastLineEnd = pending.lastIndexOf('\n');
        if (lastLineEnd < 0)
            continue;
        if (!processBlock(QByteArrayView(pending.constData(), lastLineEnd), lineNumber))
            result = BadBatchLine;
        pending.remove(0, lastLineEnd + 1);
    }
    // A last line without its line end.
    if (!pending.isEmpty() && !processBlock(pending, lineNumber))
        result = BadBatchLine;
    return result;
}
