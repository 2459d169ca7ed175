#include "host.h"

namespace za::app {

CHostDialogs::~CHostDialogs() = default;

CHost::~CHost() = default;

CHost& NoHost() {
    static CHost none;
    return none;
}

}  // namespace za::app
