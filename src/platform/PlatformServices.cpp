#include "platform/PlatformServices.h"

#include <cstdio>
#include <cstdlib>

namespace vesperon {

namespace {
PlatformServices installed;
bool isInstalled = false;
} // namespace

void installPlatformServices(const PlatformServices& services)
{
    installed = services;
    isInstalled = true;
}

const PlatformServices& platformServices()
{
    if (!isInstalled) {
        std::fputs("Vesperon: platform services used before they were installed\n", stderr);
        std::abort();
    }
    return installed;
}

} // namespace vesperon
