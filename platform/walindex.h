// What SQLite's index of the write-ahead log (device.db-shm) tells of the log beside device.db.
// Without Qt, so that zonaria-cli's own clock reads it as the platform does.
#pragma once

#include <cstdint>

namespace za::wal {

struct IndexReading {
    // Committed changes (log frames not yet folded into device.db) that the index counts and
    // the log does not hold: it was removed, or replaced by another file, while a connection
    // had it open. 0 when all is well or the index says nothing.
    std::uint32_t missingFrames = 0;
    bool inUse = false;  // another process holds the index open now
};

// indexFd: a descriptor of the index open for reading; logPath: the log (device.db-wal).
IndexReading ReadIndex(int indexFd, const char* logPath);

}  // namespace za::wal
