#include "host.h"

namespace za::app {

CHost::~CHost() = default;

CHost& NoHost() {
    static CHost none;
    return none;
}

}  // namespace za::app
