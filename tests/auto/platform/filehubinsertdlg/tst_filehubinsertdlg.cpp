#include <filehub_fixedfolder.h>
#include <filehub_insertdlg.h>
#include <zlistbox.h>

#include "testdevice.h"

#include <QImage>
#include <QTimer>
#include <QtTest>

#include <memory>

// The insert dialog as a person uses it: keys on its list, folders opened and left.
class tst_FilehubInsertDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void browse_data();
    void browse();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_FilehubInsertDlg::init()
{
    m_device = std::make_unique<TestDevice>(false);
    const QString folder = m_device->hostPath(FILEHUB_FixedFolder::getPathByKey(QStringLiteral("image"), true));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(folder + QStringLiteral("/b.png")));
    QVERIFY(image.save(folder + QStringLiteral("/A.jpg")));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/Camera")));
    QVERIFY(image.save(folder + QStringLiteral("/Camera/c.png")));
    QVERIFY(m_device->writeFile(FILEHUB_FixedFolder::getPathByKey(QStringLiteral("image")) + QStringLiteral("/fake.png"),
                                "text"));
    QVERIFY(m_device->writeFile(FILEHUB_FixedFolder::getPathByKey(QStringLiteral("image")) + QStringLiteral("/d.gif"),
                                "GIF89a"));
}

void tst_FilehubInsertDlg::cleanup()
{
    m_device.reset();
}

void tst_FilehubInsertDlg::browse_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("rows");   // what the list shows when the keys are done
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("selected");

    const QString folder = QStringLiteral("/vynlocal/download/picture");
    QTest::newRow("second row") << QList<int> { Qt::Key_Down, Qt::Key_Return } << QStringList { "Camera/", "A.jpg", "b.png" }
                                << 1 << folder + "/A.jpg";
    QTest::newRow("into a folder") << QList<int> { Qt::Key_Return, Qt::Key_F1 } << QStringList { "c.png" } << 1
                                   << folder + "/Camera/c.png";
    QTest::newRow("in and back up") << QList<int> { Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Down, Qt::Key_Down, Qt::Key_F1 }
                                    << QStringList { "Camera/", "A.jpg", "b.png" } << 1 << folder + "/b.png";
    QTest::newRow("select on a folder, then cancel") << QList<int> { Qt::Key_F1, Qt::Key_F2 }
                                                     << QStringList { "Camera/", "A.jpg", "b.png" } << 0 << QString();
    QTest::newRow("clear at the start") << QList<int> { Qt::Key_Backspace } << QStringList { "Camera/", "A.jpg", "b.png" }
                                        << 0 << QString();
}

void tst_FilehubInsertDlg::browse()
{
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, rows);
    QFETCH(int, result);
    QFETCH(QString, selected);

    FILEHUB_InsertDlg dialog(FILEHUB_InsertDlg::Picture, { "*.jpg", "*.png", "*.gif" },
                             FILEHUB_FixedFolder::getPathByKey(QStringLiteral("image")), QStringLiteral("Pictures"));
    QStringList shown;
    QTimer::singleShot(0, [&] {
        for (int key : keys) {
            shown.clear();
            for (int i = 0; i < dialog.listBox()->count(); ++i)
                shown << dialog.listBox()->item(i)->subItemText(0, 0);
            // Keys the list leaves go on to the dialog, as on the phone.
            QTest::keyClick(dialog.listBox(), Qt::Key(key));
        }
    });
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(dialog.getSelectedFile(), selected);
    QCOMPARE(shown, rows);
}

QTEST_MAIN(tst_FilehubInsertDlg)
#include "tst_filehubinsertdlg.moc"
