// Changes to files and folders, as the kernel's inotify tells them, on the event loop of the
// thread that made the watch. Used where QFileSystemWatcher would do: that one maps a good part
// of Qt's code and reads Qt's logging configuration on first use, and the alarm agent keeps its
// watch for the whole session.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QSocketNotifier;

namespace za {

class FileWatch : public QObject {
public:
    // changed(path): a watched file was written, moved, removed or changed in its attributes, or
    // a file was made, removed or moved in a watched folder (path is then the folder's). A file
    // or folder moved or removed is no longer watched.
    explicit FileWatch(std::function<void(const QString& path)> changed, QObject* parent = nullptr);
    ~FileWatch() override;
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    // Watches path, a file or a folder, unless it is watched already; false when it cannot be
    // watched (it does not exist, or the system's limit of watches is reached).
    bool Add(const QString& path);
    bool Watches(const QString& path) const;
    // Watches nothing.
    void Clear();

private:
    struct Entry {
        int wd;
        QString path;
    };
    void Read();
    void Forget(int wd);

    std::function<void(const QString&)> m_changed;
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::vector<Entry> m_entries;
};

}  // namespace za
