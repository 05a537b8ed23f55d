// A library in the plugin folder that is not a plugin: it lacks the three exports.
extern "C" __attribute__((visibility("default"))) int testNotAPlugin()
{
    return 42;
}
