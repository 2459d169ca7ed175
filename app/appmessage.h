// Private window messages inside the application: a message posted to a Qt object arrives as
// an AppMessageEvent on that object's event loop, later, never inside the post.
#pragma once

#include "wintypes.h"

#include <QEvent>

class QObject;

namespace za::app {

class AppMessageEvent : public QEvent {
public:
    AppMessageEvent(UINT msg, WPARAM wParam, LPARAM lParam)
        : QEvent(Type()), m_msg(msg), m_wParam(wParam), m_lParam(lParam) {}

    // The event type that carries every private message.
    static QEvent::Type Type();

    UINT message() const { return m_msg; }
    WPARAM wParam() const { return m_wParam; }
    LPARAM lParam() const { return m_lParam; }

private:
    UINT m_msg;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

// Queues the message for target; FALSE when there is no target.
BOOL PostAppMessage(QObject* target, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace za::app
