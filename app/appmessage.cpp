#include "appmessage.h"

#include <QCoreApplication>

namespace za::app {

QEvent::Type AppMessageEvent::Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

BOOL PostAppMessage(QObject* target, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!target) return FALSE;
    QCoreApplication::postEvent(target, new AppMessageEvent(msg, wParam, lParam));
    return TRUE;
}

}  // namespace za::app
