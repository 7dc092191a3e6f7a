#include "platform.h"

#include <cstdlib>

namespace {
std::unique_ptr<Platform>& current()
{
    static std::unique_ptr<Platform> p;
    return p;
}
} // namespace

Platform& platform()
{
    if (!current())
        std::abort(); // installed by main() or the test harness before any window exists
    return *current();
}

std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> p)
{
    std::swap(current(), p);
    return p;
}
