// The state of the device profile: check. SQLite's own tool cannot check a profile, since the
// indexes of the city database use a collation that only Zonaria registers.
#include "citylist.h"
#include "commands.h"
#include "clock.h"
#include "currentcity.h"
#include "device.h"
#include "poutlook.h"
#include "shell.h"
#include "timeservice.h"
#include "tzderive.h"
#include "cliprofile.h"

#include <QFile>
#include <QJsonArray>

#include <optional>

namespace cli {

namespace {

// The state's word: English in --json, through Text::tr in the text.
const char* StateName(za::device::ProfileState state) {
    switch (state) {
    case za::device::ProfileState::Ready: return QT_TRANSLATE_NOOP("Cli", "ready");
    case za::device::ProfileState::ReadOnly: return QT_TRANSLATE_NOOP("Cli", "read-only");
    case za::device::ProfileState::Damaged: return QT_TRANSLATE_NOOP("Cli", "damaged");
    case za::device::ProfileState::Foreign: return QT_TRANSLATE_NOOP("Cli", "foreign");
    case za::device::ProfileState::Newer: return QT_TRANSLATE_NOOP("Cli", "newer");
    case za::device::ProfileState::Unusable: break;
    }
    return QT_TRANSLATE_NOOP("Cli", "unusable");
}

// Which device the profile uses and what its zone is, in a line for `check` and `device`.
QString DeviceLine(QJsonObject* o) {
    using namespace za::device;
    const DeviceKind kind = Kind();
    (*o)[QStringLiteral("device")] = KindName(kind);
    if (kind == DeviceKind::Private) {
        return Text::tr("private (the host's clock plus an offset, and a zone, kept in the profile)");
    }
    const TimeServiceState service = TimeService();
    const QByteArray zone = ComputerZoneId();
    const QString mapping = za::outlook::DescribeMapping(zone, za::outlook::MapZone(zone, DeviceYear()));
    (*o)[QStringLiteral("time_service")] = service.answers;
    (*o)[QStringLiteral("computer_zone")] = QString::fromUtf8(zone);
    (*o)[QStringLiteral("zone_mapping")] = mapping;
    if (service.answers) {
        (*o)[QStringLiteral("ntp")] = service.ntp;
        (*o)[QStringLiteral("ntp_synchronized")] = service.ntpSynchronized;
        return Text::tr("computer (org.freedesktop.timedate1), zone %1; automatic time %2%3")
            .arg(mapping, service.ntp ? Text::tr("on") : Text::tr("off"),
                 service.ntpSynchronized ? Text::tr(", synchronized") : QString());
    }
    return Text::tr("computer, zone %1 from the host; %2, so the clock and zone cannot be changed")
        .arg(mapping, service.error);
}

}  // namespace

void DeviceCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (args.Positional().size() > 1) Fail(Text::tr("device takes computer, private or nothing; see --help"));
    OpenProfile();
    if (args.Positional().size() == 1) {
        const QString wanted = args.Positional()[0];
        za::device::DeviceKind kind = za::device::DeviceKind::Private;
        if (wanted == QLatin1String("computer")) {
            kind = za::device::DeviceKind::Computer;
        } else if (wanted != QLatin1String("private")) {
            Fail(Text::tr("device takes computer or private, not \"%1\"").arg(Shown(wanted)));
        }
        RequireWritableProfile();
        QString error;
        if (!za::device::SetDeviceKind(kind, &error)) Fail(Text::tr("the device stays %1: %2").arg(za::device::KindName(za::device::Kind()), error));
    }
    out.Line(Text::tr("Device: ") + DeviceLine(&out.object));
}

void CheckCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (!args.Positional().isEmpty()) Fail(Text::tr("check takes no arguments; see --help"));

    // Opening makes a new profile where there is none, as every command does.
    za::device::ProfileStatus status = za::device::Status();
    const bool usable = status.state == za::device::ProfileState::Ready || status.state == za::device::ProfileState::ReadOnly;
    std::optional<int> cities;
    QStringList problems;
    if (usable) {
        CCityList& list = GetCityList();
        if (list.Open()) {
            cities = list.GetCityCount();
            list.Close();
        } else {
            problems << Text::tr("the city database cannot be opened");
        }
        QString disagreement;
        if (!za::CurrentCityAgreesWithDeviceZone(&disagreement)) problems << disagreement;
        status = za::device::Status();  // counting reads every record, and may meet damage
    }
    const za::device::CheckReport report = za::device::CheckProfile();
    problems << report.problems;
    // The state's own words when the full check found nothing more precise to say.
    if (problems.isEmpty() && status.state != za::device::ProfileState::Ready &&
        status.state != za::device::ProfileState::ReadOnly) {
        problems << status.message;
    }
    const QString tzdata = za::tz::TzdataVersion();
    const bool ok = problems.isEmpty();
    auto orUnknown = [](const QString& text) { return text.isEmpty() ? Text::tr("unknown") : text; };

    out.Line(Text::tr("Profile:        ") + Shown(status.folder, kWhole));
    out.Line(Text::tr("Database:       ") + Shown(report.file, kWhole));
    out.Line(Text::tr("State:          ") + Text::tr(StateName(status.state)) +
             (status.message.isEmpty() ? QString() : QStringLiteral(", ") + Shown(status.message, kWhole)));
    out.Line(Text::tr("Schema version: ") +
             orUnknown(report.schemaVersion >= 0 ? QString::number(report.schemaVersion) : QString()));
    out.Line(Text::tr("tzdata version: ") + orUnknown(tzdata));
    out.Line(Text::tr("Cities:         ") + orUnknown(cities ? QString::number(*cities) : QString()));
    if (usable) out.Line(Text::tr("Device:         ") + DeviceLine(&out.object));
    // Where the application finds its help: shows whether an installation is complete.
    const QString help = za::shell::HelpFile();
    out.Line(Text::tr("Help file:      ") + (help.isEmpty() ? Text::tr("not found") : Shown(help, kWhole)));
    out.Line(Text::tr("Result:         ") + (ok ? Text::tr("ok") : Text::tr("not ok")));
    for (const QString& problem : problems) out.Line(QStringLiteral("  ") + Shown(problem, kWhole));

    QJsonObject& o = out.object;
    o[QStringLiteral("profile")] = status.folder;
    o[QStringLiteral("database")] = report.file;
    o[QStringLiteral("state")] = QString::fromLatin1(StateName(status.state));
    o[QStringLiteral("message")] = status.message;
    o[QStringLiteral("writable")] = status.state == za::device::ProfileState::Ready;
    o[QStringLiteral("schema_version")] = report.schemaVersion >= 0 ? QJsonValue(report.schemaVersion) : QJsonValue();
    o[QStringLiteral("tzdata_version")] = tzdata.isEmpty() ? QJsonValue() : QJsonValue(tzdata);
    o[QStringLiteral("cities")] = cities ? QJsonValue(*cities) : QJsonValue();
    o[QStringLiteral("help_file")] = help.isEmpty() ? QJsonValue() : QJsonValue(help);
    o[QStringLiteral("ok")] = ok;
    o[QStringLiteral("problems")] = QJsonArray::fromStringList(problems);
    if (!ok) out.exitCode = 2;
}

}  // namespace cli
