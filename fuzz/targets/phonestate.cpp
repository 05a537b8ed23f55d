// The simulated phone's state file, which every program reads.
#include "fuzzcheck.h"

#include <vynphone.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::writeDeviceFile(VynPhone::stateFile(), Fuzz::bytes(data, size));
    VynPhone::readState();
    return 0;
}
