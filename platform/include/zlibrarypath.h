#ifndef ZLIBRARYPATH_H
#define ZLIBRARYPATH_H

#include <QString>
#include <QStringList>

// The platform's library folders, from which programs may load plugin and settings libraries.
// Applications cannot write there; on the simulator it is the build's library folder beside
// the programs (<program folder>/../lib), once installed the private library folder beside the
// installed programs and, for a program elsewhere, $VYN_LIBRARY_DIR.
class ZLibraryPath
{
public:
    static QStringList folders();

    // The file to load for a library named by untrusted data (a catalogue entry). A bare file
    // name is looked for in the library folders only; an absolute path is taken only when,
    // with symbolic links resolved, it lies inside one of them. Anything else (a relative path
    // with "/", "..", a path elsewhere) gives an empty string and, in reason, why.
    static QString resolve(const QString &name, QString *reason = nullptr);
};

#endif
