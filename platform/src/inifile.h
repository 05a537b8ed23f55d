#ifndef INIFILE_H
#define INIFILE_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Ordered INI content: groups and keys keep the order they were first written in, and
// values are plain text (no list or type guessing), so files round-trip as written. Keys are
// taken whole, so desktop-entry keys such as "Name[ar]" stay apart from "Name".
class IniFile
{
public:
    enum ParseOption {
        RawValues = 0x1,       // values as written: no quotes taken off, no escapes decoded
        FirstValueWins = 0x2,  // a repeated key keeps its first value, not its last
    };
    // Desktop entries decode their own escapes (and Exec keeps its quoting).
    static constexpr int DesktopEntry = RawValues | FirstValueWins;

    using Entry = QPair<QString, QString>;
    struct Group
    {
        QString name;
        QList<Entry> entries;
    };

    static IniFile parse(const QByteArray &content, int options = 0);
    QByteArray serialise() const;

    bool value(const QString &group, const QString &key, QString *value) const;
    void setValue(const QString &group, const QString &key, const QString &value);
    void remove(const QString &group, const QString &key);
    QStringList keys(const QString &group) const;
    QStringList groups() const;

private:
    QList<Group> m_groups;
};

// Reads a file that may be missing, unreadable or garbage; anything unusable reads as empty.
IniFile readIniFile(const QString &hostPath);

#endif
