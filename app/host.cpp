#include "host.h"

#include "clock.h"

namespace za::app {

CHostDialogs::~CHostDialogs() = default;

CHost::~CHost() = default;

SYSTEMTIME CHost::Now() const {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return now;
}

CHost& NoHost() {
    static CHost none;
    return none;
}

}  // namespace za::app
