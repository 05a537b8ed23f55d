#include "textscan.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>

namespace {

// Comments become blanks (line breaks kept), so commented-out code and prose are not scanned and
// line numbers stay right.
QString withoutComments(const QString &text)
{
    QString out = text;
    enum { Code, Line, Block, String, Char } state = Code;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        const QChar next = i + 1 < out.size() ? out.at(i + 1) : QChar();
        switch (state) {
        case Code:
            if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
                state = Line;
                out[i] = QLatin1Char(' ');
            } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
                state = Block;
                out[i] = QLatin1Char(' ');
            } else if (c == QLatin1Char('"')) {
                state = String;
            } else if (c == QLatin1Char('\'')) {
                state = Char;
            }
            break;
        case Line:
            if (c == QLatin1Char('\n'))
                state = Code;
            else
                out[i] = QLatin1Char(' ');
            break;
        case Block:
            if (c == QLatin1Char('*') && next == QLatin1Char('/')) {
                out[i] = out[i + 1] = QLatin1Char(' ');
                ++i;
                state = Code;
            } else if (c != QLatin1Char('\n')) {
                out[i] = QLatin1Char(' ');
            }
            break;
        case String:
        case Char:
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == (state == String ? QLatin1Char('"') : QLatin1Char('\'')) || c == QLatin1Char('\n'))
                state = Code;
            break;
        }
    }
    return out;
}

int lineAt(const QString &text, qsizetype offset)
{
    return int(QStringView(text).left(offset).count(QLatin1Char('\n'))) + 1;
}

// The class of the member function around offset: the last definition "Class::member(" that
// starts a line before it, else the last "class Name" (an inline member in a header).
QString enclosingClass(const QString &text, qsizetype offset)
{
    static const QRegularExpression definition(QStringLiteral(R"re(^(?![\s#/])(?:[^;\n]*?[\s*&])?(\w+)::~?\w+\s*\()re"),
                                               QRegularExpression::MultilineOption);
    static const QRegularExpression classHead(QStringLiteral(R"re(\b(?:class|struct)\s+(\w+)\s*(?::|\{|\n))re"));
    const QString before = text.left(offset);
    QString found;
    for (auto it = definition.globalMatch(before); it.hasNext();)
        found = it.next().captured(1);
    if (!found.isEmpty())
        return found;
    for (auto it = classHead.globalMatch(before); it.hasNext();)
        found = it.next().captured(1);
    return found;
}

} // namespace

QList<TextUse> TextScan::scanSource(const QString &source, const QString &fileName, QStringList *problems)
{
    const QString text = withoutComments(source);
    QList<TextUse> uses;
    QList<qsizetype> claimed; // offsets of identifier literals that a known form took

    auto add = [&](const QString &context, const QRegularExpressionMatch &match, int idGroup) {
        uses.append({ context, match.captured(idGroup),
                      QStringLiteral("%1:%2").arg(fileName).arg(lineAt(text, match.capturedStart(idGroup))) });
        claimed.append(match.capturedStart(idGroup));
    };

    static const QRegularExpression resText(QStringLiteral(R"re(\bRES_TEXT\s*\(\s*"(\w+)")re"));
    for (auto it = resText.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString context = enclosingClass(text, match.capturedStart());
        if (context.isEmpty()) {
            if (problems)
                problems->append(QStringLiteral("%1:%2: RES_TEXT outside a class")
                                         .arg(fileName)
                                         .arg(lineAt(text, match.capturedStart())));
            claimed.append(match.capturedStart(1));
            continue;
        }
        add(context, match, 1);
    }

    static const QRegularExpression explicitText(
            QStringLiteral(R"re(\b(?:ZResource::text|QT_TRANSLATE_NOOP)\s*\(\s*"(\w+)"\s*,\s*"(\w+)")re"));
    for (auto it = explicitText.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        add(match.captured(1), match, 2);
    }

    // A macro that fixes the context: #define NAME(id, fallback) ZResource::text("Context", id, ...
    static const QRegularExpression alias(
            QStringLiteral(R"re(#\s*define\s+(\w+)\s*\(\s*(\w+)\s*,[^)]*\)\s*ZResource::text\s*\(\s*"(\w+)"\s*,\s*(\w+)\s*,)re"));
    for (auto it = alias.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch definition = it.next();
        if (definition.captured(2) != definition.captured(4))
            continue;
        const QRegularExpression use(QStringLiteral(R"re(\b%1\s*\(\s*"(\w+)")re").arg(definition.captured(1)));
        for (auto uses = use.globalMatch(text); uses.hasNext();)
            add(definition.captured(3), uses.next(), 1);
    }

    static const QRegularExpression anyId(QStringLiteral(R"re("((?:TXT|FMT)_RID_\w+)")re"));
    for (auto it = anyId.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!claimed.contains(match.capturedStart(1)) && problems)
            problems->append(QStringLiteral("%1:%2: %3 is looked up in no known context")
                                     .arg(fileName)
                                     .arg(lineAt(text, match.capturedStart(1)))
                                     .arg(match.captured(1)));
    }
    return uses;
}

QList<TextUse> TextScan::scanCatalogue(const QString &text, const QString &fileName)
{
    // hssetting_app shows each entry's prompt in the context of its catalogue entries.
    static const QRegularExpression prompt(QStringLiteral(R"re(<PluginPromptID>\s*(\w+)\s*</PluginPromptID>)re"));
    QList<TextUse> uses;
    for (auto it = prompt.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        uses.append({ QStringLiteral("HSSET_PluginItem"), match.captured(1),
                      QStringLiteral("%1:%2").arg(fileName).arg(lineAt(text, match.capturedStart(1))) });
    }
    return uses;
}

QList<TextUse> TextScan::scanTree(const QString &root, QStringList *problems)
{
    QList<TextUse> uses;
    const QDir rootDir(root);
    QDirIterator it(root, { QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.xml") }, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = rootDir.relativeFilePath(path);
        const QString top = relative.section(QLatin1Char('/'), 0, 0);
        if (top == QLatin1String("tests") || top.startsWith(QLatin1String("build")) || top == QLatin1String("out")
            || relative.contains(QLatin1String("node_modules/"))
            || relative.split(QLatin1Char('/')).constFirst().startsWith(QLatin1Char('.'))) {
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (problems)
                problems->append(QStringLiteral("%1: unreadable").arg(relative));
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        if (path.endsWith(QLatin1String(".xml")))
            uses += scanCatalogue(text, relative);
        else
            uses += scanSource(text, relative, problems);
    }
    return uses;
}

QStringList TextScan::untranslated(const QList<TextUse> &uses, const QList<const QTranslator *> &translators,
                                   const QStringList &allowed)
{
    auto translated = [&](const QString &context, const QString &id) {
        const QByteArray contextName = context.toUtf8();
        const QByteArray idName = id.toUtf8();
        for (const QTranslator *translator : translators) {
            if (!translator->translate(contextName.constData(), idName.constData()).isEmpty())
                return true;
        }
        return false;
    };
    QStringList missing;
    for (const TextUse &use : uses) {
        const QString key = use.context + QLatin1Char(' ') + use.id;
        if (allowed.contains(key) || translated(use.context, use.id) || translated(QStringLiteral("Global"), use.id))
            continue;
        const QString line = QStringLiteral("%1: %2 (%3)").arg(use.where, use.id, use.context);
        if (!missing.contains(line))
            missing.append(line);
    }
    return missing;
}
