#include "Platform.h"

#include "DesktopPlatform.h"

namespace {
Platform *&current()
{
    static Platform *installed = nullptr;
    return installed;
}
} // namespace

Platform &platform()
{
    static DesktopPlatform desktop;
    return current() ? *current() : desktop;
}

Platform *installPlatform(Platform *platform)
{
    Platform *previous = current();
    current() = platform;
    return previous;
}
