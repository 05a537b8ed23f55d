# Sourced by run.sh and test.sh. One configuration per build folder, written once, so the run
# command reuses what the test command built in build-normal.
#   vyn_configure DIR ON|OFF    (OFF: the normal build, ON: AddressSanitizer + UBSan)
vyn_configure() {
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYN_SANITIZE="$2" >/dev/null
}
