#include <testdevice.h>
#include <zdetailitem.h>
#include <zdetailview.h>
#include <zheadless.h>
#include <zkbmainwidget.h>
#include <zscreen.h>
#include <zscrollpanel.h>
#include <zsoftkey.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

class KeyReceiver : public QObject
{
    Q_OBJECT
public:
    int left = 0;
    int right = 0;
    int other = 0;

public slots:
    void slotLeft() { ++left; }
    void slotRight() { ++right; }
    void slotOther() { ++other; }
};

class tst_ZKbMainWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void screenHeight_data();
    void screenHeight();
    void softKeys_data();
    void softKeys();
    void softKeySlotReplaced();
    void softKeyFromFocusedChild();
    void contentWidget();
    void dumpOfWindow();
    void detailRows();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_ZKbMainWidget::init()
{
    m_device = std::make_unique<TestDevice>();
}

void tst_ZKbMainWidget::cleanup()
{
    m_device.reset();
}

void tst_ZKbMainWidget::screenHeight_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<int>("height");

    QTest::newRow("no setting") << QByteArray() << int(ZScreen::DefaultHeight);
    QTest::newRow("set") << QByteArray("[Screen]\nHeight=400\n") << 400;
    QTest::newRow("not a number") << QByteArray("[Screen]\nHeight=tall\n") << int(ZScreen::DefaultHeight);
    QTest::newRow("negative") << QByteArray("[Screen]\nHeight=-5\n") << int(ZScreen::DefaultHeight);
    QTest::newRow("absurd") << QByteArray("[Screen]\nHeight=100000\n") << int(ZScreen::DefaultHeight);
}

void tst_ZKbMainWidget::screenHeight()
{
    QFETCH(QByteArray, setting);
    QFETCH(int, height);

    if (!setting.isEmpty())
        QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_device.cfg"), setting));
    // Even with a parent the screen is a window of its own, as large as the screen.
    QWidget parent;
    ZKbMainWidget window(&parent);
    QVERIFY(window.isWindow());
    QCOMPARE(window.size(), QSize(320, height));
}

void tst_ZKbMainWidget::softKeys_data()
{
    QTest::addColumn<int>("key");       // Qt key, or 0 for a tap
    QTest::addColumn<int>("softKey");   // key tapped when key is 0
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    QTest::newRow("F1") << int(Qt::Key_F1) << -1 << 1 << 0;
    QTest::newRow("F2") << int(Qt::Key_F2) << -1 << 0 << 1;
    QTest::newRow("tap left") << 0 << int(ZSoftKey::Left) << 1 << 0;
    QTest::newRow("tap right") << 0 << int(ZSoftKey::Right) << 0 << 1;
    QTest::newRow("other key") << int(Qt::Key_F3) << -1 << 0 << 0;
}

void tst_ZKbMainWidget::softKeys()
{
    QFETCH(int, key);
    QFETCH(int, softKey);
    QFETCH(int, left);
    QFETCH(int, right);

    ZKbMainWidget window;
    KeyReceiver receiver;
    auto *keys = new ZSoftKey("CST_2A", &window);
    keys->setText(ZSoftKey::Left, QStringLiteral("Options"));
    keys->setText(ZSoftKey::Right, QStringLiteral("Back"));
    // Both spellings the callers use: SLOT() and the bare signature.
    QVERIFY(keys->setClickedSlot(ZSoftKey::Left, &receiver, SLOT(slotLeft())));
    QVERIFY(keys->setClickedSlot(ZSoftKey::Right, &receiver, "slotRight()"));
    window.setSoftKey(keys);
    QCOMPARE(window.getSoftKey(), keys);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    if (key) {
        QTest::keyClick(&window, Qt::Key(key));
    } else {
        auto *button = keys->findChild<QPushButton *>(softKey == ZSoftKey::Left ? QStringLiteral("leftSoftKey")
                                                                                 : QStringLiteral("rightSoftKey"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(receiver.left, left);
    QCOMPARE(receiver.right, right);
}

void tst_ZKbMainWidget::softKeySlotReplaced()
{
    ZSoftKey keys("CST_2");
    KeyReceiver receiver;
    QVERIFY(keys.setClickedSlot(ZSoftKey::Right, &receiver, SLOT(slotRight())));
    QVERIFY(keys.setClickedSlot(ZSoftKey::Right, &receiver, SLOT(slotOther())));
    // A slot that does not exist leaves the key as it was.
    QVERIFY(!keys.setClickedSlot(ZSoftKey::Right, &receiver, SLOT(slotMissing())));
    QVERIFY(!keys.setClickedSlot(2, &receiver, SLOT(slotLeft())));
    QVERIFY(!keys.click(2));

    QVERIFY(keys.click(ZSoftKey::Right));
    QCOMPARE(receiver.right, 0);
    QCOMPARE(receiver.other, 1);
    QCOMPARE(receiver.left, 0);
}

void tst_ZKbMainWidget::softKeyFromFocusedChild()
{
    // The soft keys work while an editor inside the screen has the focus.
    ZKbMainWidget window;
    KeyReceiver receiver;
    auto *edit = new QLineEdit;
    window.setContentWidget(edit);
    ZSoftKey *keys = window.getSoftKey(true);
    QVERIFY(keys);
    keys->setClickedSlot(ZSoftKey::Right, &receiver, SLOT(slotRight()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();

    QTest::keyClicks(edit, QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_F2);
    QCOMPARE(edit->text(), QStringLiteral("ab"));
    QCOMPARE(receiver.right, 1);
}

void tst_ZKbMainWidget::contentWidget()
{
    ZKbMainWidget window;
    QVERIFY(!window.getContentWidget(false));
    QVERIFY(!window.contentWidget());

    ZScrollPanel *panel = window.getContentWidget(true);
    QVERIFY(panel);
    QCOMPARE(window.getContentWidget(true), panel);
    QCOMPARE(window.contentWidget(), panel);

    // A widget already on the panel does not leave it.
    auto *layout = new QVBoxLayout(panel->viewport());
    auto *inner = new QWidget;
    layout->addWidget(inner);
    window.setContentWidget(inner);
    QCOMPARE(window.contentWidget(), panel);
    QCOMPARE(inner->parentWidget(), panel->viewport());

    window.show();
    auto *other = new QWidget;
    window.setContentWidget(other);
    QCOMPARE(window.contentWidget(), other);
    QVERIFY(other->isVisible());
    QVERIFY(!panel->isVisible());
    QVERIFY(window.isAncestorOf(other));
}

void tst_ZKbMainWidget::dumpOfWindow()
{
    ZKbMainWidget window;
    window.setAppTitle(QStringLiteral("First"));
    window.setMainWidgetTitle(QStringLiteral("Prayer Times"));
    ZScrollPanel *panel = window.getContentWidget(true);
    auto *layout = new QVBoxLayout(panel->viewport());
    auto *view = new ZDetailView(&window, 73);
    for (const char *name : { "Fajr", "Dhuhr" }) {
        auto *item = new ZDetailItem(ZDetailItem::TitleAndText, view);
        item->setTitle(QString::fromLatin1(name));
        item->appendTextRow(QStringLiteral("05:12"));
        view->addItem(item);
    }
    // Made but never added: not part of the screen.
    auto *loose = new ZDetailItem(ZDetailItem::TitleAndText, view);
    loose->setTitle(QStringLiteral("Loose"));
    layout->addWidget(view);
    window.setContentWidget(view);
    // Installed after the rows, still dumped last.
    auto *keys = new ZSoftKey("CST_2A", &window);
    keys->setText(ZSoftKey::Right, QStringLiteral("Back"));
    window.setSoftKey(keys);

    const QStringList expected = { QStringLiteral("Prayer Times"), QStringLiteral("Fajr\t05:12"),
                                   QStringLiteral("Dhuhr\t05:12"), QStringLiteral("[] ... [Back]") };
    QCOMPARE(ZHeadless::dump(&window), expected);
}

void tst_ZKbMainWidget::detailRows()
{
    ZDetailView view(nullptr, 73);
    view.resize(320, 100);
    auto makeItem = [&view](const QString &title) {
        auto *item = new ZDetailItem(ZDetailItem::TitleAndText, &view);
        item->setTitle(title);
        item->appendTextRow(QStringLiteral("16/09/2024"));
        return item;
    };
    ZDetailItem *first = makeItem(QStringLiteral("Ashura"));
    ZDetailItem *second = makeItem(QStringLiteral("Mawlid an Nabi"));
    view.addItem(first);
    view.insertItem(second, 0);
    view.addItem(first); // adding again moves, never doubles
    QCOMPARE(view.count(), 2);
    QCOMPARE(view.item(0), second);
    QCOMPARE(ZHeadless::dump(&view),
             QStringList({ QStringLiteral("Mawlid an Nabi\t16/09/2024"), QStringLiteral("Ashura\t16/09/2024") }));

    // A title too long for one line with its text gets more lines rather than being cut.
    ZDetailItem *longRow = makeItem(QStringLiteral("The start of the blessed month of Ramadan this year"));
    view.addItem(longRow);
    QVERIFY(longRow->heightForWidth(320) > first->heightForWidth(320));
    QVERIFY(longRow->heightForWidth(160) > longRow->heightForWidth(320));

    // A row deleted by its owner leaves the view.
    QPointer<ZDetailItem> gone = first;
    first->deleteLater();
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(view.count(), 2);
    QCOMPARE(view.item(1), longRow);

    std::unique_ptr<ZDetailItem> taken(view.takeItem(0));
    QCOMPARE(taken.get(), second);
    QVERIFY(!taken->parent());
    QCOMPARE(view.count(), 1);
    QVERIFY(!view.takeItem(5));
}

QTEST_MAIN(tst_ZKbMainWidget)
#include "tst_zkbmainwidget.moc"
