#ifndef TEXTSCAN_H
#define TEXTSCAN_H

#include <QList>
#include <QString>
#include <QStringList>

class QTranslator;

// One resource identifier that the sources pass to the text lookup, with the translation context
// the lookup uses.
struct TextUse
{
    QString context;
    QString id;
    QString where; // file:line, for the report
};

// Collects the identifiers of every source file under a tree (C++ sources and headers, and the
// settings catalogue's prompt identifiers), skipping tests, build folders and hidden folders, so a
// new folder is scanned without being named here. The forms understood are:
//   RES_TEXT("ID", ...)                          context: the class of the enclosing member function
//   ZResource::text("Context", "ID", ...)
//   #define NAME(id, fallback) ZResource::text("Context", id, fallback), then NAME("ID", ...)
//   QT_TRANSLATE_NOOP("Context", "ID")           for tables whose lookup takes the identifier later
// Any other "TXT_RID_..." or "FMT_RID_..." literal has no known context and goes into problems.
class TextScan
{
public:
    static QList<TextUse> scanTree(const QString &root, QStringList *problems);
    static QList<TextUse> scanSource(const QString &text, const QString &fileName, QStringList *problems);
    static QList<TextUse> scanCatalogue(const QString &text, const QString &fileName);

    // The uses that the translators of one language leave untranslated, as the lookup resolves
    // them: the use's context first, then "Global". allowed holds "context id" pairs that keep
    // their English text.
    static QStringList untranslated(const QList<TextUse> &uses, const QList<const QTranslator *> &translators,
                                    const QStringList &allowed);
};

#endif
