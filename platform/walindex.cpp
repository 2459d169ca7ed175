#include "walindex.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace za::wal {

namespace {

// The index starts with two copies of a header in the machine's byte order, then the count of
// frames already folded into the database (https://sqlite.org/walformat.html, "The WAL-Index
// Format").
struct Header {
    std::uint32_t version;
    std::uint32_t unused;
    std::uint32_t change;
    std::uint8_t initialised;
    std::uint8_t bigEndianChecksum;
    std::uint16_t pageSize;  // 65536 is kept as 1
    std::uint32_t maxFrame;  // the last committed frame of the log
    std::uint32_t pages;
    std::uint32_t frameChecksum[2];
    std::uint8_t salt[8];  // as in the log's own header, bytes 16 to 23
    std::uint32_t checksum[2];
};
static_assert(sizeof(Header) == 48);
constexpr std::uint32_t kIndexVersion = 3007000;
constexpr std::int64_t kLogHeaderBytes = 32;
constexpr std::int64_t kFrameHeaderBytes = 24;
// The byte of the index that every connection holds a shared lock on while it is open.
constexpr off_t kInUseByte = 128;

// Whether the log holds the frames the index counts: its salt, and room for them all.
bool LogHolds(const char* logPath, const Header& h) {
    const int fd = ::open(logPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    unsigned char header[kLogHeaderBytes];
    struct stat st {};
    const std::int64_t pageSize = (h.pageSize & 0xFE00) + (static_cast<std::int64_t>(h.pageSize & 1) << 16);
    const bool holds = ::pread(fd, header, sizeof header, 0) == static_cast<ssize_t>(sizeof header) &&
                       std::memcmp(header + 16, h.salt, sizeof h.salt) == 0 && ::fstat(fd, &st) == 0 &&
                       st.st_size >= kLogHeaderBytes + static_cast<std::int64_t>(h.maxFrame) * (kFrameHeaderBytes + pageSize);
    ::close(fd);
    return holds;
}

}  // namespace

IndexReading ReadIndex(int fd, const char* logPath) {
    IndexReading reading;
    Header copies[2];
    std::uint32_t backfilled = 0;
    const bool read = ::pread(fd, copies, sizeof copies, 0) == static_cast<ssize_t>(sizeof copies) &&
                      ::pread(fd, &backfilled, sizeof backfilled, sizeof copies) == static_cast<ssize_t>(sizeof backfilled);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kInUseByte;
    lock.l_len = 1;
    reading.inUse = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    const Header& h = copies[0];
    if (!read || std::memcmp(&copies[0], &copies[1], sizeof h) != 0 || h.version != kIndexVersion || !h.initialised ||
        h.maxFrame <= backfilled) {
        return reading;
    }
    if (!LogHolds(logPath, h)) reading.missingFrames = h.maxFrame - backfilled;
    return reading;
}

}  // namespace za::wal
