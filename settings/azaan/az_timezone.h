#ifndef AZ_TIMEZONE_H
#define AZ_TIMEZONE_H

#include <zkbmainwidget.h>

#include <QList>
#include <QStringList>

class AzaanSettings;
class QVBoxLayout;
class WORLDCLOCK_Service;
class ZJumpBox;
class ZListBox;
struct WORLDCLOCK_CityInfo;

// The city picker: every world-clock city with its GMT offset, in collation order, the stored
// city checked. Typing opens a find box that jumps to the first city at or after the text;
// Select (or Return) stores the city, Cancel does not; exec returns 1 either way.
class AZ_TimeZone : public ZKbMainWidget
{
    Q_OBJECT
public:
    // One row: the text shown and the untranslated name the city is stored under.
    struct CityEntry
    {
        QString display;
        QString name;
    };

    explicit AZ_TimeZone(QWidget *parent = nullptr);
    ~AZ_TimeZone() override;

    int exec();
    void done(int result);

    // "+5:30", "-3:30", "+0"; empty for hours outside -12 to 13.
    static QString offsetText(const WORLDCLOCK_CityInfo &info);

    const QList<CityEntry> &entries() const;
    ZListBox *listBox() const;
    ZJumpBox *jumpBox() const;
    bool isInLoop() const;

public slots:
    void slotSelect();
    void slotCancel();
    void slotTimeZoneDataChanged();
    void slotTextChanged(const QString &text);
    void slotClearAllText();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildList();
    QString displayText(const QString &cityName) const;
    void openFindBox(QKeyEvent *event);

    WORLDCLOCK_Service *worldClock;
    AzaanSettings *settings;
    QString currentCity;
    QStringList cityNames;
    QList<CityEntry> displayList;
    QWidget *box;
    QVBoxLayout *boxLayout;
    ZListBox *list;
    ZJumpBox *findBox = nullptr;
    int result = 0;
    bool inLoop = false;
    bool findOpenedByKey = false;
};

#endif
