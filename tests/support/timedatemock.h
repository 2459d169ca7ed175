// systemd's time service as python3-dbusmock's "timedated" template plays it, on a private bus
// that this object starts and that DBUS_SYSTEM_BUS_ADDRESS names while it lives. The machine's
// own system bus and time service are never reached.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

namespace za::test {

class TimedateMock {
public:
    // Starts the bus and the service with these properties ("Timezone", "NTP", "CanNTP").
    explicit TimedateMock(const QString& timezone, bool ntp = false, bool canNtp = true);
    ~TimedateMock();
    TimedateMock(const TimedateMock&) = delete;
    TimedateMock& operator=(const TimedateMock&) = delete;

    // Empty when the service runs; else why not (the test then fails with it).
    QString Error() const { return m_error; }
    QString Address() const { return m_address; }

    // The calls of the time service's methods received so far, as "SetTimezone "Europe/London"
    // True" (name and arguments as the template logs them), in order; the properties' reads
    // are left out.
    QStringList Calls() const;
    // A property changed from outside (as `timedatectl set-timezone` would), with the signal.
    bool SetProperty(const QString& name, const QVariant& value);
    // The method then refuses every call as the desktop's authorisation does when the user
    // says no.
    bool Refuse(const QString& method, const QString& inSignature);
    // The service goes away; the bus stays.
    void StopService();

private:
    bool CallMock(const QString& interface, const QString& method, const QVariantList& args);

    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_service;
    QString m_address;
    QString m_error;
    QByteArray m_previousAddress;
    bool m_hadAddress = false;
};

}  // namespace za::test
