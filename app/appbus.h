// The application on the session bus under its id, with the desktop's org.freedesktop.Application
// interface: the desktop starts and raises it by D-Bus activation of its menu entry, and a second
// start hands the running window the activation token that lets it come forward, on Wayland too.
// Only the default profile's program is there: one started on a profile of its own
// (ZONARIA_DEVICE) keeps to the per-profile message window.
#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

namespace za::app {

// The application's id: its bus name, its menu entry's file name and its metainfo id.
inline constexpr const char* kApplicationId = "io.github.zonaria.Zonaria";
inline constexpr const char* kApplicationPath = "/io/github/zonaria/Zonaria";

class CApplicationBus : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // raise: brings the window forward (after the activation token, if any, is in place).
    explicit CApplicationBus(std::function<void()> raise, QObject* parent = nullptr);

    // Exports the interface and takes the name; false when there is no session bus, the profile
    // is not the default one, or another process has the name.
    bool Register();

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    // Zonaria opens no files: as Activate.
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
    // Zonaria has no actions: as Activate.
    Q_SCRIPTABLE void ActivateAction(const QString& name, const QVariantList& parameter, const QVariantMap& platformData);

private:
    std::function<void()> m_raise;
};

// Whether this program's window belongs on the bus: the default profile and a session bus.
bool UsesApplicationBus();
// When the application already runs on the bus, asks it to come forward with this start's
// activation token and returns true (the second start then ends). Never starts it.
bool ActivateRunningOnBus();

}  // namespace za::app
