#include <vyndevice.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Filling a device root from image folders: settings stay, the system part follows the image.
class tst_VynDevice : public QObject
{
    Q_OBJECT

private slots:
    void installImage();
};

namespace {

bool write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

void tst_VynDevice::installImage()
{
    QTemporaryDir shipped;
    QTemporaryDir built;
    QTemporaryDir root;
    QVERIFY(write(shipped.filePath("usr/SYSqtapp/worldclock/worldcities.tsv"), "new cities"));
    QVERIFY(write(shipped.filePath("usr/SYSqtapp/homescreen/hssetting.xml"), "catalogue"));
    QVERIFY(write(shipped.filePath("setup/vyn_idle.cfg"), "image settings"));
    QVERIFY(write(built.filePath("usr/SYSqtapp/translations/prayer_app_ar.qm"), "new texts"));
    // A root made by an older build, with the user's settings.
    QVERIFY(write(root.filePath("usr/SYSqtapp/worldclock/worldcities.tsv"), "old cities"));
    QVERIFY(write(root.filePath("usr/SYSqtapp/translations/prayer_app_ar.qm"), "old texts"));
    QVERIFY(write(root.filePath("setup/vyn_idle.cfg"), "user settings"));

    VynDevice::setRoot(root.path());
    QVERIFY(VynDevice::installImage(shipped.path() + QDir::listSeparator() + built.path()));
    QCOMPARE(read(root.filePath("usr/SYSqtapp/worldclock/worldcities.tsv")), QByteArray("new cities"));
    QCOMPARE(read(root.filePath("usr/SYSqtapp/translations/prayer_app_ar.qm")), QByteArray("new texts"));
    QCOMPARE(read(root.filePath("usr/SYSqtapp/homescreen/hssetting.xml")), QByteArray("catalogue"));
    QCOMPARE(read(root.filePath("setup/vyn_idle.cfg")), QByteArray("user settings"));

    // A missing folder is reported; the others are still copied.
    QVERIFY(write(built.filePath("usr/SYSqtapp/translations/vyn_platform_ar.qm"), "platform"));
    QVERIFY(!VynDevice::installImage(shipped.filePath("nowhere") + QDir::listSeparator() + built.path()));
    QCOMPARE(read(root.filePath("usr/SYSqtapp/translations/vyn_platform_ar.qm")), QByteArray("platform"));
}

QTEST_GUILESS_MAIN(tst_VynDevice)
#include "tst_vyndevice.moc"
