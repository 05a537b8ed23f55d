#include "inifile.h"
#include "vyndevice.h"

#include <QFile>
#include <QStringList>

namespace {

QString unescape(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar n = text.at(++i);
            if (n == QLatin1Char('n'))
                result += QLatin1Char('\n');
            else if (n == QLatin1Char('r'))
                result += QLatin1Char('\r');
            else
                result += n;
        } else {
            result += c;
        }
    }
    return result;
}

QString escape(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            result += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            result += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            result += QLatin1String("\\r");
        else
            result += c;
    }
    return result;
}

} // namespace

IniFile IniFile::parse(const QByteArray &content, int options)
{
    IniFile ini;
    QString group;
    // A byte-order mark would hide the first line from the parser.
    const QList<QByteArray> lines = (content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content).split('\n');
    for (const QByteArray &rawLine : lines) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if ((options & FirstValueWins) && ini.value(group, key, nullptr))
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (!(options & RawValues)) {
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            value = unescape(value);
        }
        ini.setValue(group, key, value);
    }
    return ini;
}

QByteArray IniFile::serialise() const
{
    QByteArray out;
    for (const Group &group : m_groups) {
        if (group.entries.isEmpty())
            continue;
        if (!out.isEmpty())
            out += '\n';
        // Keys without a group read back as such only above every group header.
        if (!group.name.isEmpty() || !out.isEmpty())
            out += '[' + group.name.toUtf8() + "]\n";
        for (const Entry &entry : group.entries) {
            QString value = escape(entry.second);
            // Keep surrounding blanks, which the parser would otherwise trim, and keep a line
            // such as "[a=b]" from reading back as a group header.
            if (value != value.trimmed() || (value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                || (entry.first.startsWith(QLatin1Char('[')) && value.endsWith(QLatin1Char(']'))))
                value = QLatin1Char('"') + value + QLatin1Char('"');
            out += entry.first.toUtf8() + '=' + value.toUtf8() + '\n';
        }
    }
    return out;
}

bool IniFile::value(const QString &group, const QString &key, QString *value) const
{
    for (const Group &g : m_groups) {
        if (g.name != group)
            continue;
        for (const Entry &entry : g.entries) {
            if (entry.first == key) {
                if (value)
                    *value = entry.second;
                return true;
            }
        }
    }
    return false;
}

void IniFile::setValue(const QString &group, const QString &key, const QString &value)
{
    for (Group &g : m_groups) {
        if (g.name != group)
            continue;
        for (Entry &entry : g.entries) {
            if (entry.first == key) {
                entry.second = value;
                return;
            }
        }
        g.entries.append({ key, value });
        return;
    }
    m_groups.append({ group, { { key, value } } });
}

void IniFile::remove(const QString &group, const QString &key)
{
    for (Group &g : m_groups) {
        if (g.name != group)
            continue;
        for (int i = 0; i < g.entries.size(); ++i) {
            if (g.entries.at(i).first == key) {
                g.entries.removeAt(i);
                return;
            }
        }
    }
}

QStringList IniFile::keys(const QString &group) const
{
    QStringList result;
    for (const Group &g : m_groups) {
        if (g.name == group) {
            for (const Entry &entry : g.entries)
                result.append(entry.first);
        }
    }
    return result;
}

QStringList IniFile::groups() const
{
    QStringList result;
    for (const Group &g : m_groups) {
        if (!g.entries.isEmpty())
            result.append(g.name);
    }
    return result;
}

IniFile readIniFile(const QString &hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return IniFile();
    // Settings files are small; anything far larger is not one of ours.
    return IniFile::parse(VynDevice::readCapped(file, 4 * 1024 * 1024));
}
