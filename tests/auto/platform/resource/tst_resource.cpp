#include <zresource.h>

#include "testdevice.h"

#include <QtTest>

class tst_Resource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void texts_data();
    void texts();

private:
    TestDevice m_device { false };
};

void tst_Resource::initTestCase()
{
    const QString folder = m_device.hostPath("/usr/SYSqtapp/translations");
    QDir().mkpath(folder);
    QVERIFY(QFile::copy(QStringLiteral(TEST_QM_DIR "/vyntest_ar.qm"), folder + "/vyntest_ar.qm"));
}

void tst_Resource::texts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QString>("expected");
    QTest::newRow("english falls back") << "en-us" << QByteArray("Azaan_Prayer_Time") << QByteArray("TXT_RID_HEADER_PRAYER_TIMES") << "Prayer Times";
    QTest::newRow("translated in its class") << "ar" << QByteArray("Azaan_Prayer_Time") << QByteArray("TXT_RID_HEADER_PRAYER_TIMES") << QString::fromUtf8("مواقيت الصلاة");
    QTest::newRow("another class has no such text") << "ar" << QByteArray("Azaan_Islamic_Events") << QByteArray("TXT_RID_HEADER_PRAYER_TIMES") << "Prayer Times";
    QTest::newRow("platform-wide text") << "ar-ae" << QByteArray("Azaan_Islamic_Events") << QByteArray("TXT_RID_SOFTKEY_BACK") << QString::fromUtf8("رجوع");
    QTest::newRow("missing identifier") << "ar" << QByteArray("Azaan_Prayer_Time") << QByteArray("TXT_RID_NOT_THERE") << "Prayer Times";
}

void tst_Resource::texts()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, id);
    QFETCH(QString, expected);
    ZResource::loadLanguage(language);
    QCOMPARE(ZResource::text(context.constData(), id.constData(), "Prayer Times"), expected);
}

QTEST_GUILESS_MAIN(tst_Resource)
#include "tst_resource.moc"
