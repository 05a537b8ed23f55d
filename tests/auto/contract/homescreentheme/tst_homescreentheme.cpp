#include <homescreentheme.h>

#include "testdevice.h"

#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(IdleReader)
Q_DECLARE_METATYPE(HomeScreenTheme::IdleConfigFile)
Q_DECLARE_METATYPE(HomeScreenTheme::LanguageCodeFunction)

namespace {

const char defaultThemeFile[] = "/usr/SYSqtapp/skins/default/homescreen.cfg";

int failingLookup(char *)
{
    return 0;
}

// Claims success but fills the whole buffer without a terminating zero.
int overrunningLookup(char *buffer)
{
    std::memcpy(buffer, "ar-aaaaaaaaaaaaaaaaaaa", 11);
    return 1;
}

int emptyLookup(char *)
{
    return 1;
}

// The readers of the plugins that use the "Idle" group: the row plugins read the horizontal
// spacings, the date plugin Spacing_V4, and the status text has a padding of its own.
IdleReader rowReader()
{
    return { IdleReader::CommonKeys | IdleReader::SpacingH1 | IdleReader::SpacingS1 };
}

IdleReader statusTextReader()
{
    IdleReader reader = rowReader();
    reader.defaults.paddingBottom = 2;
    return reader;
}

IdleReader dateReader()
{
    return { IdleReader::CommonKeys | IdleReader::SpacingV4 };
}

} // namespace

class tst_HomeScreenTheme : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void idleLayout_data();
    void idleLayout();
    void readsAfreshEveryTime();
    void fontInfo_data();
    void fontInfo();
    void idleConfig_data();
    void idleConfig();
    void languageDirection_data();
    void languageDirection();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_HomeScreenTheme::init()
{
    m_device = std::make_unique<TestDevice>();
}

void tst_HomeScreenTheme::cleanup()
{
    m_device.reset();
}

void tst_HomeScreenTheme::idleLayout_data()
{
    QTest::addColumn<QByteArray>("theme");   // null: no theme file at all
    QTest::addColumn<IdleReader>("reader");
    QTest::addColumn<QList<int>>("expected");

    // Padding_Left, Padding_Right, Padding_Top, Padding_Bottom, Spacing_H1, Spacing_V1,
    // Spacing_V2, Spacing_V3, Spacing_S1, Spacing_V4
    const QByteArray none;
    QTest::newRow("no theme, Azaan") << none << rowReader() << QList<int> { 3, 3, 0, 3, 3, 0, 0, 1, 0, 3 };
    QTest::newRow("no theme, status text") << none << statusTextReader()
                                           << QList<int> { 3, 3, 0, 2, 3, 0, 0, 1, 0, 3 };
    QTest::newRow("no theme, date") << none << dateReader() << QList<int> { 3, 3, 0, 3, 3, 0, 0, 1, 0, 3 };

    const QByteArray theme = "[Idle]\nPadding_Left=7\nSpacing_V2=4\nSpacing_H1=9\nSpacing_S1=5\nSpacing_V4=8\n"
                             "Padding_Top=junk\n";
    // Keys a reader does not read keep its defaults, whatever the theme says.
    QTest::newRow("theme, Azaan") << theme << rowReader() << QList<int> { 7, 3, 0, 3, 9, 0, 4, 1, 5, 3 };
    QTest::newRow("theme, status text") << theme << statusTextReader()
                                        << QList<int> { 7, 3, 0, 2, 9, 0, 4, 1, 5, 3 };
    QTest::newRow("theme, date") << theme << dateReader() << QList<int> { 7, 3, 0, 3, 3, 0, 4, 1, 0, 8 };
    QTest::newRow("negative values kept") << QByteArray("[Idle]\nSpacing_V1=-4\n") << rowReader()
                                          << QList<int> { 3, 3, 0, 3, 3, -4, 0, 1, 0, 3 };
}

void tst_HomeScreenTheme::idleLayout()
{
    QFETCH(QByteArray, theme);
    QFETCH(IdleReader, reader);
    QFETCH(QList<int>, expected);

    QCOMPARE(HomeScreenTheme::path(), QString::fromLatin1(defaultThemeFile));
    if (theme.isNull())
        QVERIFY(QFile::remove(m_device->hostPath(QString::fromLatin1(defaultThemeFile))));
    else
        QVERIFY(m_device->writeFile(QString::fromLatin1(defaultThemeFile), theme));

    const IdleLayout layout = HomeScreenTheme::readIdleLayout(reader);
    const QList<int> actual { layout.paddingLeft, layout.paddingRight, layout.paddingTop, layout.paddingBottom,
                              layout.spacingH1,   layout.spacingV1,    layout.spacingV2,  layout.spacingV3,
                              layout.spacingS1,   layout.spacingV4 };
    QCOMPARE(actual, expected);
}

void tst_HomeScreenTheme::readsAfreshEveryTime()
{
    // A theme change shows at the next read: nothing is cached.
    QVERIFY(m_device->writeFile(QString::fromLatin1(defaultThemeFile), "[Idle]\nPadding_Left=5\n"));
    QCOMPARE(HomeScreenTheme::readIdleLayout(rowReader()).paddingLeft, 5);
    QVERIFY(m_device->writeFile(QString::fromLatin1(defaultThemeFile), "[Idle]\nPadding_Left=11\n"));
    QCOMPARE(HomeScreenTheme::readIdleLayout(rowReader()).paddingLeft, 11);
    QCOMPARE(HomeScreenTheme::readIdleValue(QStringLiteral("Padding_Left"), 3), 11);

    // A theme of its own takes over from the default theme.
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/skins/night/homescreen.cfg"), "[Idle]\nPadding_Left=2\n"));
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_theme.cfg"), "[Theme]\nCurrent=night\n"));
    QCOMPARE(HomeScreenTheme::readIdleLayout(rowReader()).paddingLeft, 2);
}

void tst_HomeScreenTheme::fontInfo_data()
{
    QTest::addColumn<QByteArray>("theme");
    QTest::addColumn<QList<int>>("expected");   // size, leading, style, color, align, outline color, size
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("no theme") << QByteArray() << QList<int> { 22, 24, 0, 0xffffff, 1, 0, 1 } << 22 << false;
    QTest::newRow("size 30") << QByteArray("[Font_IdleStatusStd]\nSize=30\n")
                             << QList<int> { 30, 24, 0, 0xffffff, 1, 0, 1 } << 30 << false;
    QTest::newRow("all keys") << QByteArray("[Font_IdleStatusStd]\nSize=14\nLeading=15\nStyle=1\nColor=65280\n"
                                            "Align=2\nOutlineColor=255\nOutlineSize=2\n")
                              << QList<int> { 14, 15, 1, 0x00ff00, 2, 0xff, 2 } << 14 << true;
    QTest::newRow("other group only") << QByteArray("[Font_DateStd]\nSize=12\n")
                                      << QList<int> { 22, 24, 0, 0xffffff, 1, 0, 1 } << 22 << false;
}

void tst_HomeScreenTheme::fontInfo()
{
    QFETCH(QByteArray, theme);
    QFETCH(QList<int>, expected);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    if (theme.isNull())
        QVERIFY(QFile::remove(m_device->hostPath(QString::fromLatin1(defaultThemeFile))));
    else
        QVERIFY(m_device->writeFile(QString::fromLatin1(defaultThemeFile), theme));

    const IdleFontInfo info =
            HomeScreenTheme::readFontInfo(QStringLiteral("Font_IdleStatusStd"), HomeScreenTheme::idleStatusFontDefaults());
    const QList<int> actual { info.size, info.leading, info.style, info.color, info.align, info.outlineColor,
                              info.outlineSize };
    QCOMPARE(actual, expected);
    const QFont font = HomeScreenTheme::skinFont(info);
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
}

void tst_HomeScreenTheme::idleConfig_data()
{
    QTest::addColumn<HomeScreenTheme::IdleConfigFile>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("flag");

    // Each file has its own values; missing keys give the defaults ("Left/Right", 0, true).
    QTest::newRow("app write path") << HomeScreenTheme::AppWritePath << "Center" << 1 << false;
    QTest::newRow("local app write path") << HomeScreenTheme::LocalAppWritePath << "Left/Right" << 7 << true;
}

void tst_HomeScreenTheme::idleConfig()
{
    QFETCH(HomeScreenTheme::IdleConfigFile, file);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(bool, flag);

    // Two different folders, as the variables may name them.
    const QString app = m_device->root() + QStringLiteral("/app");
    const QString local = m_device->root() + QStringLiteral("/local");
    qputenv("VYN_APP_WRITE_PATH", QFile::encodeName(app));
    qputenv("VYN_LOCAL_APP_WRITE_PATH", QFile::encodeName(local));
    QVERIFY(m_device->writeFile(app + "/setup/vyn_idle.cfg",
                                "[StatusTextPlugin]\nAlignMode=Center\n[ClockPlugin]\nPos_Clock=1\n"
                                "[NaviKeyPlugin]\nShowIcons=false\n"));
    QVERIFY(m_device->writeFile(local + "/setup/vyn_idle.cfg", "[ClockPlugin]\nPos_Clock=7\n"));

    QCOMPARE(HomeScreenTheme::idleConfigPath(file),
             (file == HomeScreenTheme::AppWritePath ? app : local) + QStringLiteral("/setup/vyn_idle.cfg"));
    QCOMPARE(HomeScreenTheme::readIdleConfig(file, QStringLiteral("StatusTextPlugin"), QStringLiteral("AlignMode"),
                                             QStringLiteral("Left/Right")),
             text);
    QCOMPARE(HomeScreenTheme::readIdleConfigInt(file, QStringLiteral("ClockPlugin"), QStringLiteral("Pos_Clock"), 0),
             number);
    QCOMPARE(HomeScreenTheme::readIdleConfigBool(file, QStringLiteral("NaviKeyPlugin"), QStringLiteral("ShowIcons"),
                                                 true),
             flag);

    // Unset, the variable reads as empty: the device's own "/setup" folder.
    qunsetenv("VYN_APP_WRITE_PATH");
    qunsetenv("VYN_LOCAL_APP_WRITE_PATH");
    QCOMPARE(HomeScreenTheme::idleConfigPath(file), QStringLiteral("/setup/vyn_idle.cfg"));
    QCOMPARE(HomeScreenTheme::readIdleConfigInt(file, QStringLiteral("ClockPlugin"), QStringLiteral("Pos_Clock"), 0),
             0);
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_idle.cfg"), "[ClockPlugin]\nPos_Clock=3\n"));
    QCOMPARE(HomeScreenTheme::readIdleConfigInt(file, QStringLiteral("ClockPlugin"), QStringLiteral("Pos_Clock"), 0),
             3);
}

void tst_HomeScreenTheme::languageDirection_data()
{
    QTest::addColumn<QByteArray>("stored");   // null: no system file
    QTest::addColumn<HomeScreenTheme::LanguageCodeFunction>("lookup");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("rightToLeft");

    const HomeScreenTheme::LanguageCodeFunction platform = nullptr;
    QTest::newRow("arabic") << QByteArray("ar") << platform << "ar" << true;
    QTest::newRow("hebrew") << QByteArray("he") << platform << "he" << true;
    QTest::newRow("english") << QByteArray("en-us") << platform << "en-us" << false;
    QTest::newRow("lookup fails, file read") << QByteArray("ar") << &failingLookup << "ar" << true;
    QTest::newRow("code too long for the buffer, file read")
            << QByteArray("ar-verylongcode") << platform << "ar-verylongcode" << true;
    QTest::newRow("both fail") << QByteArray() << &failingLookup << "en-us" << false;
    QTest::newRow("nothing stored") << QByteArray() << platform << "en-us" << false;
    QTest::newRow("unterminated answer") << QByteArray("en-us") << &overrunningLookup << "ar-aaaaaaa" << true;
    QTest::newRow("empty answer") << QByteArray("he") << &emptyLookup << "he" << true;
}

void tst_HomeScreenTheme::languageDirection()
{
    QFETCH(QByteArray, stored);
    QFETCH(HomeScreenTheme::LanguageCodeFunction, lookup);
    QFETCH(QString, code);
    QFETCH(bool, rightToLeft);

    if (!stored.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/tmp/vyn_system.cfg"),
                                    "[SYS_SYSTEM_SET]\nLanguageType=" + stored + "\n"));
    QCOMPARE(HomeScreenTheme::languageCode(lookup), code);
    QCOMPARE(HomeScreenTheme::isRightToLeft(lookup), rightToLeft);
}

QTEST_MAIN(tst_HomeScreenTheme)
#include "tst_homescreentheme.moc"
