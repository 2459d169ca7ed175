// sync: one SNTP exchange with a time server, and the device clock set from it.
#include "commands.h"
#include "device.h"
#include "sntp.h"
#include "timeservice.h"
#include "udpsocket.h"
#include "cliprofile.h"
#include "cliparse.h"

namespace cli {

namespace {

constexpr int kMaxTimeoutMs = 600000;

QString Seconds(double s) { return QString::number(s, 'f', 3); }

// Why the reply was refused, or why there was none, in words; never holds the user's text.
QString Reason(const CSntpClient& client, unsigned short port) {
    const DWORD error = client.LastError();
    const QString code = QString::number(error);
    const QString refused = Text::tr("the reply was refused: ");
    const long long detail = client.FailureDetail();
    switch (client.Failure()) {
        case SntpFailure::Socket:
            return Text::tr("no socket could be opened (error %1)").arg(code);
        case SntpFailure::Connect:
            if (error == WSAHOST_NOT_FOUND || error == WSANO_DATA) return Text::tr("no such host name");
            if (error == WSATRY_AGAIN) return Text::tr("the name service did not answer");
            return Text::tr("the host cannot be reached (error %1)").arg(code);
        case SntpFailure::Clock: return Text::tr("the device clock does not read as a time");
        case SntpFailure::Send: return Text::tr("the request could not be sent (error %1)").arg(code);
        case SntpFailure::Wait:
        case SntpFailure::TimedOut:
            return Text::tr("no reply within %1 ms (time-out, error %2)")
                .arg(QString::number(client.Timeout()), code);
        case SntpFailure::Receive:
            if (error == WSAECONNREFUSED) {
                return Text::tr("the request was refused: no time server listens on port %1")
                    .arg(QString::number(port));
            }
            return Text::tr("the reply could not be received (error %1)").arg(code);
        case SntpFailure::Empty: return refused + Text::tr("it is empty");
        case SntpFailure::Short:
            return refused + Text::tr("it is %1 bytes long, fewer than 48").arg(QString::number(detail));
        case SntpFailure::Mode:
            return refused + Text::tr("its mode is %1, not 4 (server)").arg(QString::number(detail));
        case SntpFailure::Version:
            return refused + Text::tr("its version is %1, not 1 to 4").arg(QString::number(detail));
        case SntpFailure::Unsynchronised:
            return refused + Text::tr("the server's clock is not synchronised (leap indicator 3)");
        case SntpFailure::KissOfDeath:
            return refused + Text::tr("stratum 0, a kiss-o'-death (the server asks not to be queried)");
        case SntpFailure::Stratum:
            return refused + Text::tr("its stratum %1 is above 15").arg(QString::number(detail));
        case SntpFailure::NoTransmitTime: return refused + Text::tr("its transmit timestamp is zero");
        case SntpFailure::WrongOriginate:
            return refused + Text::tr("it does not answer this request (wrong originate timestamp)");
        case SntpFailure::NegativeDelay:
            return refused + Text::tr("its round-trip delay is negative (%1 s)").arg(Seconds(detail / 1e6));
        case SntpFailure::SlowReply:
            return refused + Text::tr("its round-trip delay of %1 s is longer than the time-out")
                                 .arg(Seconds(detail / 1e6));
        case SntpFailure::None: break;
    }
    return Text::tr("error %1").arg(code);
}

}  // namespace

void SyncCommand(const QStringList& words, Output& out) {
    const Args args(words, {QStringLiteral("--server"), QStringLiteral("--port"), QStringLiteral("--timeout")},
                    {QStringLiteral("--dry-run"), QStringLiteral("--force")});
    if (!args.Positional().isEmpty()) Fail(Text::tr("sync takes only options; see --help"));
    const QString server = args.Has(QStringLiteral("--server")) ? args.Value(QStringLiteral("--server")).trimmed()
                                                                : QString::fromLatin1(kSntpServers[0]);
    if (server.isEmpty()) Fail(Text::tr("--server needs a host name or address"));
    const auto port = static_cast<unsigned short>(
        args.Has(QStringLiteral("--port")) ? ParseInteger(QStringLiteral("--port"), args.Value(QStringLiteral("--port")), 1, 65535)
                                           : kSntpPort);
    const int timeout = args.Has(QStringLiteral("--timeout"))
                            ? ParseInteger(QStringLiteral("--timeout"), args.Value(QStringLiteral("--timeout")), 1, kMaxTimeoutMs)
                            : kSntpTimeoutMs;
    const bool dryRun = args.Has(QStringLiteral("--dry-run"));
    OpenProfile();

    CSntpClient client;
    client.SetTimeout(timeout);
    SntpExchange exchange;
    if (!client.Query(server, exchange, port)) {
        // One argument list, so that a % in the host name is never taken for a place-holder.
        Fail(Text::tr("cannot synchronise with %1 port %2: %3; the device clock was not changed")
                 .arg(server, QString::number(port), Reason(client, port)));
    }
    // A clock decades away would make every pending alarm ring at once as missed: beyond a
    // day, only when the user says so.
    if (!dryRun && SntpOffsetNeedsConfirmation(exchange.offset) && !args.Has(QStringLiteral("--force"))) {
        Fail(Text::tr("%1 answered with a clock %2 s away from the device's, more than a day; the device clock "
                      "was not changed (--force sets it all the same, --dry-run shows the time)")
                 .arg(server, Seconds(exchange.offset)));
    }
    SYSTEMTIME utc{};
    const BOOL ok = dryRun ? CorrectedSystemTime(exchange.offset, utc) : SetSystemTimeByOffset(exchange.offset, &utc);
    if (!ok && za::device::Kind() == za::device::DeviceKind::Computer) {
        Fail(Text::tr("the server answered, but the computer's clock could not be set: %1").arg(za::device::LastClockError()));
    }
    if (!ok) {
        Fail(Text::tr("the server answered, but the device clock could not be set in the device profile %1")
                 .arg(za::device::ProfilePath()));
    }

    out.Line(Text::tr("Server %1 port %2: stratum %3")
                 .arg(server, QString::number(port), QString::number(exchange.stratum)));
    out.Line(Text::tr("Offset %1 s, round-trip delay %2 s").arg(Seconds(exchange.offset), Seconds(exchange.delay)));
    out.Line(dryRun ? Text::tr("Dry run: the device clock would be set to %1; it was not changed").arg(IsoUtc(utc))
                    : Text::tr("The device clock is set to %1").arg(IsoUtc(utc)));
    out.object[QStringLiteral("server")] = server;
    out.object[QStringLiteral("port")] = port;
    out.object[QStringLiteral("stratum")] = exchange.stratum;
    out.object[QStringLiteral("offset")] = exchange.offset;
    out.object[QStringLiteral("delay")] = exchange.delay;
    out.object[QStringLiteral("set")] = !dryRun;
    out.object[QStringLiteral("utc")] = IsoUtc(utc);
}

}  // namespace cli
