#include "cliprofile.h"

#include "cliutil.h"
#include "device.h"

#include <cstdio>

namespace cli {

namespace {
bool g_profileOpened = false;  // by this command; only then can a read have met damage
}  // namespace

void OpenProfile() {
    const za::device::ProfileStatus status = za::device::Status();
    switch (status.state) {
    case za::device::ProfileState::Ready:
    case za::device::ProfileState::ReadOnly:
        g_profileOpened = true;
        // Dealt with, but the user should know (a log set aside, changes lost with a log that
        // was removed): said once, before the command's own output.
        if (!status.notice.isEmpty()) {
            std::fprintf(stderr, "zonaria-cli: %s\n", Shown(status.notice, kWhole).toLocal8Bit().constData());
        }
        return;
    case za::device::ProfileState::Unusable:
        // The path itself may be what is wrong (the error then says so): set another one.
        Fail(status.message + Text::tr("; set ZONARIA_DEVICE to another folder"));
    default:
        Fail(status.message + Text::tr("; set ZONARIA_DEVICE to another folder, or move %1 aside to start "
                                       "with a new profile")
                                  .arg(status.folder));
    }
}

void RequireWritableProfile() {
    const za::device::ProfileStatus status = za::device::Status();
    if (status.state == za::device::ProfileState::ReadOnly) {
        Fail(Text::tr("The profile is read-only; the setting could not be written: ") + status.message);
    }
}

QString RefusedWrite() {
    switch (za::device::WhyRefused()) {
    case za::device::Refusal::ReadOnly: return Text::tr("The profile is read-only");
    case za::device::Refusal::DiskFull: return Text::tr("The disk is full");
    case za::device::Refusal::Other: break;
    }
    return Text::tr("the device profile %1 could not be written").arg(za::device::ProfilePath());
}

void CheckProfileAfterReading() {
    if (!g_profileOpened) return;
    const za::device::ProfileStatus status = za::device::Status();
    if (status.state == za::device::ProfileState::Damaged) {
        Fail(status.message + Text::tr("; what was read may be incomplete. Move %1 aside to start with a new "
                                       "profile; zonaria-cli check tells more")
                                  .arg(status.folder));
    }
}

}  // namespace cli
