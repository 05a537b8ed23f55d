#include "sortmethods.h"
#include "zapplication.h"

#include <QCollator>
#include <QLocale>

namespace {

const QCollator &collator()
{
    // One per process, in the display language at first use.
    static const QCollator theCollator = [] {
        QString code = ZApplication::languageCode();
        code.replace(QLatin1Char('-'), QLatin1Char('_'));
        QCollator made { QLocale(code) };
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    return theCollator;
}

qsizetype length(const unsigned short *text)
{
    qsizetype n = 0;
    while (text[n])
        ++n;
    return n;
}

} // namespace

int sortmethods_str_cmp(const unsigned short *a, const unsigned short *b)
{
    if (!a || !b)
        return (a ? 1 : 0) - (b ? 1 : 0);
    const QStringView left(reinterpret_cast<const char16_t *>(a), length(a));
    const QStringView right(reinterpret_cast<const char16_t *>(b), length(b));
    return collator().compare(left, right);
}

int sortmethods_str_cmp(const QString &a, const QString &b)
{
    return collator().compare(a, b);
}
