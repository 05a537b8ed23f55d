// Loaded into every program of a cross build run under qemu-user.
//
// qemu-user hands waitid(P_PIDFD) to the host kernel, so Qt believes it can start processes with
// clone(CLONE_PIDFD | CLONE_VFORK), which qemu then refuses: every QProcess fails to start.
// Answering that the kernel lacks P_PIDFD sends Qt down its plain fork path, which qemu runs.
#include <dlfcn.h>
#include <errno.h>
#include <stdarg.h>
#include <stdlib.h>
#include <sys/syscall.h>

namespace {

const long pidfdIdType = 3; // P_PIDFD

// Host programs started from here (shell scripts, dbus) must not try to load a target library;
// the emulator is given it again for every target program.
__attribute__((constructor)) void forgetPreload()
{
    unsetenv("LD_PRELOAD");
}

} // namespace

extern "C" long syscall(long number, ...)
{
    va_list list;
    va_start(list, number);
    long args[6];
    for (long &arg : args)
        arg = va_arg(list, long);
    va_end(list);
    if (number == SYS_waitid && args[0] == pidfdIdType) {
        errno = ENOSYS;
        return -1;
    }
    using Syscall = long (*)(long, ...);
    static const Syscall next = reinterpret_cast<Syscall>(dlsym(RTLD_NEXT, "syscall"));
    return next(number, args[0], args[1], args[2], args[3], args[4], args[5]);
}
