// The platform's lists and choices as a user drives them with the phone's keys: list box, jump
// box, single-choice and message dialogs, the media picker and its callback, the UI locker,
// the tone check, the player's file types and collation.
#include "testdevice.h"

#include <mediafilepicker.h>
#include <mediafilepickercallback.h>
#include <setup_theme.h>
#include <sortmethods.h>
#include <util_mimetype.h>
#include <util_uilocker.h>
#include <zjumpbox.h>
#include <zlistbox.h>
#include <zmessagedlg.h>
#include <zsingleselectdlg.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace {

// Runs keys against whatever modal screen is up once the loop runs.
void typeLater(const std::function<QWidget *()> &target, const QList<int> &keys)
{
    QTimer::singleShot(0, [target, keys] {
        for (int key : keys)
            QTest::keyClick(target(), Qt::Key(key));
    });
}

// The list of the picker's screen; keys it does not take go on to the screen.
QWidget *pickerList()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("mediaFilePicker") && window->isVisible())
            return window->findChild<ZListBox *>();
    }
    return nullptr;
}

class Callback : public MediaFilePickerCallback
{
public:
    MediaFilePicker *picker = nullptr;
    QList<int> statuses;
    QList<QByteArray> files;
    int closeAfter = 1;   // picks after which the picker is closed
    void onPickerDone(int status) override
    {
        statuses << status;
        files << picker->fileList().value(0);
        if (status != 0 || statuses.size() >= closeAfter)
            picker->close();
    }
};

} // namespace

class tst_ListsAndDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_device = std::make_unique<TestDevice>(); }
    void cleanup()
    {
        UTIL_UILocker::stopUILocker();
        m_device.reset();
    }

    void listBox();
    void jumpBox();
    void singleSelectByKeys_data();
    void singleSelectByKeys();
    void messageBoxByKey();
    void mediaPickerByKeys();
    void uiLocker();
    void ringTone_data();
    void ringTone();
    void playerTypes();
    void collation_data();
    void collation();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_ListsAndDialogs::listBox()
{
    ZListBox list(QStringLiteral("%R%M"));
    QSignalSpy selected(&list, &ZListBox::selected);
    for (const char *text : { "one", "two", "three" }) {
        auto *row = new ZSettingItem(&list);
        row->appendSubItem(0, QString::fromLatin1(text), false, 0);
        row->appendSubItem(0, QStringLiteral("value"), false, 1);
        list.insertItem(row);
    }
    QCOMPARE(list.currentItem(), 0);
    QCOMPARE(static_cast<ZSettingItem *>(list.item(1))->value(), QStringLiteral("value"));
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(list.currentItem(), 2);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.currentItem(), 0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), 1);
    // A disabled row is not selected.
    list.item(1)->setEnabled(false);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(selected.size(), 1);
    // One radio mark at a time.
    list.checkItem(0);
    list.checkItem(2);
    QCOMPARE(list.checkedItem(), 2);
    QVERIFY(!list.isChecked(0));
    // A row deleted by its owner leaves the list.
    delete list.item(2);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.checkedItem(), -1);
    list.setCurrentItem(7);
    QCOMPARE(list.currentItem(), 1);
}

void tst_ListsAndDialogs::jumpBox()
{
    QWidget window;
    auto *list = new ZListBox(QStringLiteral("%M"), &window);
    ZJumpBox box(QStringLiteral("Find: "), &window, 3);
    list->setFocus();
    QSignalSpy texts(&box, &ZJumpBox::sigTextChanged);
    QSignalSpy cleared(&box, &ZJumpBox::clearAllText);
    QSignalSpy selected(list, &ZListBox::selected);
    auto *row = new ZListBoxItem(list, QStringLiteral("row"));
    list->insertItem(row);

    QKeyEvent first(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    box.activate(&first);
    QCOMPARE(box.text(), QStringLiteral("7"));
    QTest::keyClicks(box.getLineEdit(), QStringLiteral("abcd"));
    QCOMPARE(box.text(), QStringLiteral("7ab"));
    QCOMPARE(texts.last().at(0).toString(), QStringLiteral("7ab"));
    QTest::keyClick(box.getLineEdit(), Qt::Key_Backspace);
    QTest::keyClick(box.getLineEdit(), Qt::Key_Backspace);
    QCOMPARE(cleared.size(), 0);
    QTest::keyClick(box.getLineEdit(), Qt::Key_Backspace);
    QCOMPARE(cleared.size(), 1);

    // The centre key hides the box and goes on to the list.
    box.activate(&first);
    QVERIFY(!box.isHideByCSK());
    QTest::keyClick(box.getLineEdit(), Qt::Key_Return);
    QVERIFY(box.isHidden());
    QVERIFY(box.isHideByCSK());
    QCOMPARE(selected.size(), 1);
}

void tst_ListsAndDialogs::singleSelectByKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("chosen");
    QTest::newRow("Down, Return") << QList<int> { Qt::Key_Down, Qt::Key_Return } << 1 << 2;
    QTest::newRow("Up, left soft key") << QList<int> { Qt::Key_Up, Qt::Key_F1 } << 1 << 0;
    QTest::newRow("right soft key") << QList<int> { Qt::Key_Down, Qt::Key_F2 } << 0 << 1;
    QTest::newRow("Escape") << QList<int> { Qt::Key_Escape } << 0 << 1;
}

void tst_ListsAndDialogs::singleSelectByKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, result);
    QFETCH(int, chosen);
    ZSingleSelectDlg dialog(QStringLiteral("Pick"));
    dialog.addItemsList({ QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    dialog.setCheckedItem(1);
    typeLater([&dialog]() -> QWidget * { return dialog.getListBox(); }, keys);
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(dialog.getCheckedItemIndex(), chosen);
    QVERIFY(!dialog.isVisible());
}

void tst_ListsAndDialogs::messageBoxByKey()
{
    ZMessageDlg message(QStringLiteral("Invalid File"), QStringLiteral("text"), 2);
    typeLater([&message]() -> QWidget * { return &message; }, { Qt::Key_Return });
    QCOMPARE(message.exec(), 1);
    QVERIFY(!message.isVisible());
}

void tst_ListsAndDialogs::mediaPickerByKeys()
{
    // The callback arrives inside pickRingtone; the picker lives on until that returns.
    auto picker = std::make_unique<MediaFilePicker>(0, 0, 0, 0, 1, QString());
    Callback callback;
    callback.picker = picker.get();
    callback.closeAfter = 2;
    picker->setCallback(&callback);
    typeLater(pickerList, { Qt::Key_Return, Qt::Key_Down, Qt::Key_Return });
    QCOMPARE(picker->pickRingtone(259, { QStringLiteral("wav") }), 0);
    QCOMPARE(callback.statuses, QList<int>({ 0, 0 }));
    QCOMPARE(callback.files, QList<QByteArray>({ "/usr/data_resource/sound/alerts/azaan_chime.wav",
                                                 "/usr/data_resource/sound/alerts/soft_bell.wav" }));
    QVERIFY(!picker->isOpen());

    // Cancel ends it whatever the callback does.
    callback.statuses.clear();
    callback.closeAfter = 99;
    typeLater(pickerList, { Qt::Key_F2 });
    QCOMPARE(picker->pickRingtone(259, { QStringLiteral("wav") }), 0);
    QCOMPARE(callback.statuses, QList<int>({ 1 }));
    // Nothing to pick from: a pick without a file.
    callback.statuses.clear();
    callback.files.clear();
    callback.closeAfter = 1;
    typeLater(pickerList, { Qt::Key_F1 });
    QCOMPARE(picker->pickRingtone(259, { QStringLiteral("ogg") }), 0);
    QCOMPARE(callback.statuses, QList<int>({ 0 }));
    QCOMPARE(callback.files, QList<QByteArray>({ QByteArray() }));
    // Without a callback it does not run.
    MediaFilePicker lonely(0, 0, 0, 0, 1, QString());
    QCOMPARE(lonely.pickRingtone(259, { QStringLiteral("wav") }), 1);
}

void tst_ListsAndDialogs::uiLocker()
{
    ZListBox locked;
    for (int i = 0; i < 3; ++i)
        locked.insertItem(new ZListBoxItem(&locked, QString::number(i)));
    locked.show();
    UTIL_UILocker::startUILocker(-1);
    ZListBox later;
    later.insertItem(new ZListBoxItem(&later, QStringLiteral("a")));
    later.insertItem(new ZListBoxItem(&later, QStringLiteral("b")));
    later.show();
    QTest::keyClick(&locked, Qt::Key_Down);
    QTest::keyClick(&later, Qt::Key_Down);
    QCOMPARE(locked.currentItem(), 0);
    QCOMPARE(later.currentItem(), 1);
    UTIL_UILocker::stopUILocker();
    QTest::keyClick(&locked, Qt::Key_Down);
    QCOMPARE(locked.currentItem(), 1);

    UTIL_UILocker::startUILocker(20);
    QVERIFY(UTIL_UILocker::isUILocked());
    QTRY_VERIFY(!UTIL_UILocker::isUILocked());
}

void tst_ListsAndDialogs::ringTone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QByteArray wave = "RIFF" + QByteArray(4, '\0') + "WAVEfmt " + QByteArray(28, '\0');
    QTest::newRow("wave") << wave << true;
    QTest::newRow("truncated wave") << wave.left(30) << false;
    QTest::newRow("RIFF but not wave") << QByteArray(wave).replace("WAVE", "AVI ") << false;
    QTest::newRow("midi") << QByteArray("MThd\0\0\0\x06\0\x01\0\x01\0\x60", 14) << true;
    QTest::newRow("midi header cut") << QByteArray("MThd\0\0", 6) << false;
    QTest::newRow("mp3 ID3") << QByteArray("ID3\x03\0\0\0\0\0\0", 10) << true;
    QTest::newRow("mp3 frame") << QByteArray("\xff\xfb\x90\x64", 4) << true;
    QTest::newRow("amr") << QByteArray("#!AMR\n\x3c") << true;
    QTest::newRow("wma") << QByteArray("\x30\x26\xb2\x75\x8e\x66\xcf\x11\xa6\xd9\x00\xaa\x00\x62\xce\x6c", 16)
                                    + QByteArray(20, '\0') << true;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("text") << QByteArray("just some words that are not a tone") << false;
    QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(40, '\0') << false;
}

void tst_ListsAndDialogs::ringTone()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QVERIFY(m_device->writeFile(QStringLiteral("/vynlocal/download/audio/tone.mp3"), content));
    QCOMPARE(SETUP_THEME::isRingTone(QStringLiteral("/vynlocal/download/audio/tone.mp3")), accepted);
    QVERIFY(!SETUP_THEME::isRingTone(QStringLiteral("/vynlocal/download/audio/missing.wav")));
    QVERIFY(!SETUP_THEME::isRingTone(QStringLiteral("/vynlocal/download/audio")));
    QVERIFY(!SETUP_THEME::isRingTone(QString()));
}

void tst_ListsAndDialogs::playerTypes()
{
    QCOMPARE(UTIL_MimeType::queryMpSupportedExtensions(3), QStringList({ "wav", "mid", "midi", "mp3", "amr" }));
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/mediaplayer.cfg"),
                                "[SupportedExtensions]\n3= WAV; .mp3;;wav\n"));
    QCOMPARE(UTIL_MimeType::queryMpSupportedExtensions(3), QStringList({ "wav", "mp3" }));
    QCOMPARE(UTIL_MimeType::queryMpSupportedExtensions(5), QStringList());
    // Images without a key of their own: what Qt reads, the common formats first.
    QCOMPARE(UTIL_MimeType::queryMpSupportedExtensions(4).mid(0, 3), QStringList({ "jpg", "jpeg", "png" }));
}

void tst_ListsAndDialogs::collation_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("prefix first") << "c" << "Cairo";
    QTest::newRow("case ignored") << "C" << "cairo";
    QTest::newRow("accented letter with its base") << QString::fromUtf8("Ålesund") << "Berlin";
    QTest::newRow("accent after the bare letter") << "Sao Paulo" << QString::fromUtf8("São Tomé");
    QTest::newRow("beyond Latin-1") << QString::fromUtf8("Łódź") << "Madrid";
}

void tst_ListsAndDialogs::collation()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY(sortmethods_str_cmp(before, after) < 0);
    QVERIFY(sortmethods_str_cmp(after, before) > 0);
    // The array form agrees.
    const QString a = before;
    const QString b = after;
    QCOMPARE(sortmethods_str_cmp(reinterpret_cast<const unsigned short *>(a.utf16()),
                                 reinterpret_cast<const unsigned short *>(b.utf16())) < 0, true);
}

QTEST_MAIN(tst_ListsAndDialogs)
#include "tst_listsanddialogs.moc"
