#include "installpackage.h"

namespace za {

std::vector<device::InstallStep> InstallPackage() {
    return {
        {"settings key", device::InstallSettingsKey},
        {"time-zone display names", device::InstallZoneDisplayNames},
        {"time-zone table", InstallTimeZoneTable},
        {"city database", InstallCityDatabase},
        {"home city", InstallHomeCity},
        {"Today item", InstallTodayItem},
        {"device zone", device::InstallDeviceZone},
    };
}

namespace {

// Every program that links the core opens its profile through the platform; the package is
// handed over as the library loads, before any of them can.
const bool g_packageHandedOver = [] {
    device::SetInstallPackage(InstallPackage());
    return true;
}();

}  // namespace

}  // namespace za
