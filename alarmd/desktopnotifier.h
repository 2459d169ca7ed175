// The desktop's side of an alarm: the notification server on the session bus
// (org.freedesktop.Notifications) and, where the server plays no sounds, a local sound player.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

class QDBusServiceWatcher;

class CDesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit CDesktopNotifier(QObject* parent = nullptr);

    // Shows a notification (or replaces the one of that id); its id, 0 when no server took it.
    // With playSound the hints ask for the sound file (and the theme's alarm sound).
    uint Show(uint replacesId, const QString& summary, const QString& body, bool playSound, const QString& soundFile);
    // The same without waiting: done(id, error) runs when the server answers, however late
    // (an answer after a time-out would be a notification on screen that the agent does not
    // know, and would show a second time); id 0 with the error in words when no server took
    // it (none on the bus, or it left without answering).
    void ShowAsync(uint replacesId, const QString& summary, const QString& body, bool playSound,
                   const QString& soundFile, QObject* context, std::function<void(uint id, const QString& error)> done);
    void Close(uint id);
    // Whether the server plays sounds itself ("sound" among its capabilities); asked once per
    // server.
    bool ServerPlaysSound();
    // Plays the file with the first local player found (pw-play, paplay, aplay); false when
    // there is none.
    bool PlayLocally(const QString& soundFile);
    // Announces serverAppeared when a notification server comes onto the bus (also one that
    // came just before); asked for once a notification found no server.
    void WatchForServer();
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
    // Asks for the server's signals about the notifications it shows, once.
    void Listen();
    // Asks the server on the bus for its capabilities, once per server; false when none is there.
    bool LearnCapabilities();
    // The user's text as the server is to show it: plain, escaped where the server reads markup.
    QString PlainBody(const QString& body);

    QString m_lastError;
    QString m_capabilitiesOf;  // the unique name of the server whose capabilities are known
    bool m_serverSound = false;
    bool m_serverMarkup = false;
    bool m_listening = false;
    QDBusServiceWatcher* m_serverWatcher = nullptr;
};

// Action keys of an alarm's notification.
inline constexpr const char* kDismissAction = "dismiss";
// A click on the notification itself: the server reports it as the "default" action.
inline constexpr const char* kDefaultAction = "default";
inline constexpr const char* kSnoozeAction = "snooze";
