#include "filewatch.h"

#include <QFile>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace za {

namespace {

// A file's own changes; a folder's entries (the changes of the files in it are the files' own).
constexpr std::uint32_t kFileEvents = IN_MODIFY | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF;
constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF;

}  // namespace

FileWatch::FileWatch(std::function<void(const QString& path)> changed, QObject* parent)
    : QObject(parent), m_changed(std::move(changed)) {}

FileWatch::~FileWatch() {
    if (m_fd >= 0) ::close(m_fd);
}

bool FileWatch::Add(const QString& path) {
    if (Watches(path)) return true;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) return false;
    if (m_fd < 0) {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd < 0) return false;
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &FileWatch::Read);
    }
    const int wd = ::inotify_add_watch(m_fd, name.constData(), S_ISDIR(st.st_mode) ? kFolderEvents : kFileEvents);
    if (wd < 0) return false;
    // A path watched again under another name (a link) shares the kernel's watch.
    m_entries.push_back({wd, path});
    return true;
}

bool FileWatch::Watches(const QString& path) const {
    return std::any_of(m_entries.begin(), m_entries.end(), [&path](const Entry& e) { return e.path == path; });
}

void FileWatch::Clear() {
    for (const Entry& e : m_entries) ::inotify_rm_watch(m_fd, e.wd);
    m_entries.clear();
}

void FileWatch::Forget(int wd) {
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), [wd](const Entry& e) { return e.wd == wd; }),
                    m_entries.end());
}

void FileWatch::Read() {
    // Read to the end first: the callers may watch anew from what they are told.
    std::vector<QString> changed;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            const auto entry = std::find_if(m_entries.begin(), m_entries.end(), [event](const Entry& e) { return e.wd == event->wd; });
            if (entry == m_entries.end()) continue;
            const QString path = entry->path;
            if (event->mask & IN_IGNORED) {
                Forget(event->wd);
                continue;
            }
            if (event->mask & (IN_MOVE_SELF | IN_DELETE_SELF)) {
                // The name no longer leads there: what comes in its place is watched anew.
                ::inotify_rm_watch(m_fd, event->wd);
                Forget(event->wd);
            }
            if (std::find(changed.begin(), changed.end(), path) == changed.end()) changed.push_back(path);
        }
    }
    for (const QString& path : changed) m_changed(path);
}

}  // namespace za
