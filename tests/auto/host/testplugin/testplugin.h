#ifndef TESTPLUGIN_H
#define TESTPLUGIN_H

// Control exports of the test plugin libraries, so a test can steer them and read what the
// host did. Every library built from testplugin.cpp has its own state.
extern "C" {

// Receives one line per call: "<Name> <operation> [arguments]".
typedef void (*TestPluginLogFunction)(const char *line);

struct TestPluginBehaviour
{
    TestPluginLogFunction log;
    int activated;        // what isActivated returns
    int nullInstance;     // createInstance returns null
    int x, y, width, height;  // the rectangle geometry returns (width 0: invalid)
    unsigned consumedKeys;    // TestPluginKeyBits the plugin consumes
    int focusX, focusY;       // what focusOut reports until focusAt or focusCenter moves it
};

enum TestPluginKeyBits {
    TestKeyUp = 0x1,
    TestKeyDown = 0x2,
    TestKeyLeft = 0x4,
    TestKeyRight = 0x8,
    TestKeySelect = 0x10,
};

typedef void (*TestPluginSetupFunction)(const TestPluginBehaviour *behaviour);
}

#endif
