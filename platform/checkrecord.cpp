#include "checkrecord.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace za::device {

namespace {

// A path and what is added to it; PATH_MAX is the longest the system opens.
using PathBuffer = char[PATH_MAX + 32];

// The path made of format and its arguments; false when it does not fit.
template <typename... Args>
bool MakePath(PathBuffer& out, const char* format, Args... args) {
    const int n = std::snprintf(out, sizeof out, format, args...);
    return n >= 0 && static_cast<std::size_t>(n) < sizeof out;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Whether the record's first 256 bytes, without the blanks around them, are identity.
bool RecordHolds(const char* path, const char* identity) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[256];
    ssize_t n = 0;
    do {
        n = ::read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    if (n <= 0) return false;
    const char* begin = buffer;
    const char* end = buffer + n;
    while (begin < end && IsBlank(*begin)) ++begin;
    while (end > begin && IsBlank(end[-1])) --end;
    const std::size_t length = std::strlen(identity);
    return begin < end && static_cast<std::size_t>(end - begin) == length && std::memcmp(begin, identity, length) == 0;
}

}  // namespace

bool FileIdentity(const char* path, char (&identity)[kIdentitySize]) {
    identity[0] = '\0';
    struct stat st {};
    if (::stat(path, &st) != 0) return false;
    std::snprintf(identity, sizeof identity, "%llu:%llu:%llu:%llu:%llu:", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_size),
                  static_cast<unsigned long long>(st.st_mtim.tv_sec), static_cast<unsigned long long>(st.st_mtim.tv_nsec));
    return true;
}

std::string FileIdentity(const std::string& path) {
    char identity[kIdentitySize];
    FileIdentity(path.c_str(), identity);
    return identity;
}

bool PassedBefore(const char* file) {
    char identity[kIdentitySize];
    PathBuffer record;
    return FileIdentity(file, identity) && MakePath(record, "%s.checked", file) && RecordHolds(record, identity);
}

void RememberPassed(const char* file) {
    char identity[kIdentitySize];
    PathBuffer record;
    PathBuffer aside;
    if (!FileIdentity(file, identity) || !MakePath(record, "%s.checked", file) ||
        !MakePath(aside, "%s.checked.new-%ld", file, static_cast<long>(::getpid())) || RecordHolds(record, identity)) {
        return;
    }
    const std::size_t length = std::strlen(identity);
    identity[length] = '\n';  // the record is a line; the buffer keeps room for the end it replaces
    const int fd = ::open(aside, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const bool written = ::write(fd, identity, length + 1) == static_cast<ssize_t>(length + 1);
    if (::close(fd) != 0 || !written || std::rename(aside, record) != 0) ::unlink(aside);
}

}  // namespace za::device
