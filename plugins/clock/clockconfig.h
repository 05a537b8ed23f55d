#ifndef CLOCKCONFIG_H
#define CLOCKCONFIG_H

#include <QString>

// The clock's settings, shared by the plugin, its settings popup and isActivated: the style
// choice and the corner in the local "vyn_idle.cfg", the layout type in the device one. Made on
// first use and discarded by its users; every read opens the file afresh, so it never shows a
// stale value and never writes.
class ClockConfig
{
public:
    enum ClockMode {
        Digital = 0,
        Analog = 1,
        Off = 2,
        Stylish = 3,
    };

    static ClockConfig *instance();
    static void discard();

    // "ClockPlugin"/"ClockMode" as text, "Digital" when missing.
    QString clockModeText() const;
    // The stored style: Digital 0, Analog 1, Off 2, Stylish 3, any other text 2.
    int clockMode() const;
    // Stores "Digital" or "Analog"; false for any other mode or when the write failed.
    bool setClockMode(int mode);

    // "ClockPlugin"/"ShowXM", 1 when missing: 0 hides the AM/PM marker.
    int showXM() const;
    // "ClockPlugin"/"IconPositon", 0 when missing.
    int iconPosition() const;
    // "Framework"/"LayoutMgrType" of the device file as text, "rectangle" when missing.
    QString layoutType() const;

    static int modeFromText(const QString &text);

private:
    ClockConfig() = default;
};

#endif
