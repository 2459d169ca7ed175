// The desktop's side of an alarm: the notification server on the session bus
// (org.freedesktop.Notifications) and, where the server plays no sounds, a local sound player.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class CDesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit CDesktopNotifier(QObject* parent = nullptr);

    // Shows a notification (or replaces the one of that id); its id, 0 when no server took it.
    // With playSound the hints ask for the sound file (and the theme's alarm sound).
    uint Show(uint replacesId, const QString& summary, const QString& body, bool playSound, const QString& soundFile);
    void Close(uint id);
    // Whether the server plays sounds itself ("sound" among its capabilities); asked once per
    // server.
    bool ServerPlaysSound();
    // Plays the file with the first local player found (pw-play, paplay, aplay); false when
    // there is none.
    bool PlayLocally(const QString& soundFile);
    // The last failure of Show, in words.
    QString LastError() const { return m_lastError; }

signals:
    void actionInvoked(uint id, const QString& key);
    void closed(uint id, uint reason);
    // The notification server came onto the bus.
    void serverAppeared();

private slots:
    void OnActionInvoked(uint id, const QString& key);
    void OnNotificationClosed(uint id, uint reason);

private:
    QString m_lastError;
    QString m_capabilitiesOf;  // the unique name of the server whose capabilities are known
    bool m_serverSound = false;
};

// Action keys of an alarm's notification.
inline constexpr const char* kDismissAction = "dismiss";
// A click on the notification itself: the server reports it as the "default" action.
inline constexpr const char* kDefaultAction = "default";
inline constexpr const char* kSnoozeAction = "snooze";
