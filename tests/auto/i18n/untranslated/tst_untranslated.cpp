#include "textscan.h"

#include <QDir>
#include <QFile>
#include <QTranslator>
#include <QtTest>

#include <memory>
#include <vector>

// Every resource identifier in the sources has a text in every language the build ships.
class tst_Untranslated : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scanForms_data();
    void scanForms();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void newIdentifierIsReported();

private:
    // language -> its compiled translations, as the device loads them
    QMap<QString, QStringList> m_qmFiles;
    QStringList m_allowed;
    QList<TextUse> m_uses;
    QStringList m_problems;
};

void tst_Untranslated::initTestCase()
{
    const QDir dir(QStringLiteral(VYN_BUILD_TRANSLATIONS));
    for (const QString &file : dir.entryList({ QStringLiteral("*.qm") }, QDir::Files))
        m_qmFiles[file.section(QLatin1Char('_'), -1).chopped(3)] << dir.filePath(file);
    QVERIFY2(m_qmFiles.contains(QStringLiteral("ar")), "the build made no Arabic translations");

    QFile allowList(QStringLiteral(ALLOW_LIST));
    QVERIFY(allowList.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QByteArray &line : allowList.readAll().split('\n')) {
        const QString entry = QString::fromUtf8(line).simplified();
        if (!entry.isEmpty() && !entry.startsWith(QLatin1Char('#')))
            m_allowed << entry;
    }
    m_uses = TextScan::scanTree(QStringLiteral(VYN_SOURCE_DIR), &m_problems);
}

void tst_Untranslated::scanForms_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected"); // "context id" per use
    QTest::addColumn<int>("problems");

    QTest::newRow("member function") << "QString AppMenu::title() const\n{\n    return RES_TEXT(\"TXT_RID_A\", \"A\");\n}\n"
                                     << QStringList { "AppMenu TXT_RID_A" } << 0;
    QTest::newRow("constructor, two calls")
            << "AZSettingWgt::AZSettingWgt(QWidget *parent)\n    : ZKbMainWidget(parent)\n{\n"
               "    setTitle(RES_TEXT(\"TXT_RID_A\", \"A\"));\n    x(RES_TEXT( \"FMT_RID_B\", \"%1\"));\n}\n"
            << QStringList { "AZSettingWgt TXT_RID_A", "AZSettingWgt FMT_RID_B" } << 0;
    QTest::newRow("inline member in a header")
            << "class StatusView : public QObject\n{\n    QString name() const { return RES_TEXT(\"TXT_RID_A\", \"A\"); }\n};\n"
            << QStringList { "StatusView TXT_RID_A" } << 0;
    QTest::newRow("explicit context") << "void f()\n{\n    ZResource::text(\"HSPluginDate\", \"TXT_RID_A\", \"A\");\n}\n"
                                      << QStringList { "HSPluginDate TXT_RID_A" } << 0;
    QTest::newRow("identifier not starting with TXT_RID_")
            << "QString n() { return ZResource::text(\"HSPluginClock\", \"TEMP_HOMESCREEN\", \"Clock\"); }\n"
            << QStringList { "HSPluginClock TEMP_HOMESCREEN" } << 0;
    QTest::newRow("macro with a fixed context")
            << "#define AZAAN_TEXT(id, fallback) ZResource::text(\"HSPluginAzaan\", id, fallback)\n"
               "QString a() { return AZAAN_TEXT(\"TXT_RID_A\", \"A\") + AZAAN_TEXT(\"FMT_RID_B\", \"B\"); }\n"
            << QStringList { "HSPluginAzaan TXT_RID_A", "HSPluginAzaan FMT_RID_B" } << 0;
    QTest::newRow("table marked for its context")
            << "const Event events[] = {\n    { 1, QT_TRANSLATE_NOOP(\"IslamicCalendar\", \"TXT_RID_A\"), \"A\" },\n};\n"
            << QStringList { "IslamicCalendar TXT_RID_A" } << 0;
    QTest::newRow("unmarked identifier in a table") << "const char *const ids[] = { \"TXT_RID_A\", \"FMT_RID_B\" };\n"
                                                    << QStringList() << 2;
    QTest::newRow("comments are not code")
            << "// RES_TEXT(\"TXT_RID_A\", \"A\") and \"TXT_RID_B\"\n/* ZResource::text(\"C\", \"TXT_RID_C\", \"\") */\n"
               "const char *url = \"http://x\"; // \"TXT_RID_D\"\n"
            << QStringList() << 0;
    QTest::newRow("RES_TEXT outside a class") << "int x = RES_TEXT(\"TXT_RID_A\", \"A\").size();\n" << QStringList() << 1;
}

void tst_Untranslated::scanForms()
{
    QFETCH(QString, source);
    QFETCH(QStringList, expected);
    QFETCH(int, problems);
    QStringList found;
    QStringList reported;
    for (const TextUse &use : TextScan::scanSource(source, QStringLiteral("x.cpp"), &reported))
        found << use.context + QLatin1Char(' ') + use.id;
    QCOMPARE(found, expected);
    QCOMPARE(reported.size(), problems);
}

void tst_Untranslated::everyTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (auto it = m_qmFiles.cbegin(); it != m_qmFiles.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key();
}

void tst_Untranslated::everyTextTranslated()
{
    QFETCH(QString, language);
    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1Char('\n'))));
    QVERIFY(m_uses.size() > 50); // the scan found the sources at all

    std::vector<std::unique_ptr<QTranslator>> translators;
    QList<const QTranslator *> loaded;
    for (const QString &file : m_qmFiles.value(language)) {
        translators.push_back(std::make_unique<QTranslator>());
        QVERIFY2(translators.back()->load(file), qPrintable(file));
        loaded << translators.back().get();
    }
    const QStringList missing = TextScan::untranslated(m_uses, loaded, m_allowed);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("untranslated in %1:\n").arg(language)
                                           + missing.join(QLatin1Char('\n'))));
}

void tst_Untranslated::newIdentifierIsReported()
{
    // A screen that gains a text: the shipped translations know nothing of it, and only it is reported.
    const QString source = QStringLiteral("Azaan_Prayer_Time::Azaan_Prayer_Time()\n{\n"
                                          "    RES_TEXT(\"TXT_RID_HEADER_PRAYER_TIMES\", \"Prayer Times\");\n"
                                          "    RES_TEXT(\"TXT_RID_SOFTKEY_BACK\", \"Back\");\n"
                                          "    RES_TEXT(\"TXT_RID_LIST_A_SUNRISE\", \"Sunrise\");\n}\n");
    QStringList problems;
    const QList<TextUse> uses = TextScan::scanSource(source, QStringLiteral("azaan_prayer_time.cpp"), &problems);
    QVERIFY(problems.isEmpty());
    QCOMPARE(uses.size(), 3);

    std::vector<std::unique_ptr<QTranslator>> translators;
    QList<const QTranslator *> loaded;
    for (const QString &file : m_qmFiles.value(QStringLiteral("ar"))) {
        translators.push_back(std::make_unique<QTranslator>());
        QVERIFY(translators.back()->load(file));
        loaded << translators.back().get();
    }
    QCOMPARE(TextScan::untranslated(uses, loaded, m_allowed),
             QStringList { "azaan_prayer_time.cpp:5: TXT_RID_LIST_A_SUNRISE (Azaan_Prayer_Time)" });
    QVERIFY(TextScan::untranslated(uses, loaded, { "Azaan_Prayer_Time TXT_RID_LIST_A_SUNRISE" }).isEmpty());
}

QTEST_GUILESS_MAIN(tst_Untranslated)
#include "tst_untranslated.moc"
