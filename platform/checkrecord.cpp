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

// Writes n in decimal at at (up to 20 digits); the end of what it wrote.
char* PutNumber(char* at, unsigned long long n) {
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (count > 0) *at++ = digits[--count];
    return at;
}

// file followed by suffix and, when nonzero, a number; false when it does not fit.
bool Join(PathBuffer& out, const char* file, const char* suffix, unsigned long long number = 0) {
    const std::size_t fileLength = std::strlen(file);
    const std::size_t suffixLength = std::strlen(suffix);
    if (fileLength + suffixLength + 21 > sizeof out) return false;
    std::memcpy(out, file, fileLength);
    std::memcpy(out + fileLength, suffix, suffixLength + 1);
    if (number != 0) *PutNumber(out + fileLength + suffixLength, number) = '\0';
    return true;
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
    char* at = identity;
    for (const unsigned long long n : {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
                                       static_cast<unsigned long long>(st.st_size), static_cast<unsigned long long>(st.st_mtim.tv_sec),
                                       static_cast<unsigned long long>(st.st_mtim.tv_nsec)}) {
        at = PutNumber(at, n);
        *at++ = ':';
    }
    *at = '\0';
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
    return FileIdentity(file, identity) && Join(record, file, ".checked") && RecordHolds(record, identity);
}

void RememberPassed(const char* file) {
    char identity[kIdentitySize];
    PathBuffer record;
    PathBuffer aside;
    if (!FileIdentity(file, identity) || !Join(record, file, ".checked") ||
        !Join(aside, file, ".checked.new-", static_cast<unsigned long long>(::getpid())) || RecordHolds(record, identity)) {
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
