#include "checkrecord.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace za::device {

namespace {

std::string RecordOf(const std::string& file) { return file + ".checked"; }

// The record's first 256 bytes, without the blanks around them.
std::string ReadRecord(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    char buffer[256];
    ssize_t n = 0;
    do {
        n = ::read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    if (n <= 0) return {};
    std::string text(buffer, static_cast<std::size_t>(n));
    const char* blanks = " \t\n\v\f\r";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

}  // namespace

std::string FileIdentity(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    std::string identity;
    for (const auto n : {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
                         static_cast<unsigned long long>(st.st_size), static_cast<unsigned long long>(st.st_mtim.tv_sec),
                         static_cast<unsigned long long>(st.st_mtim.tv_nsec)}) {
        identity += std::to_string(n) + ':';
    }
    return identity;
}

bool PassedBefore(const std::string& file) {
    const std::string identity = FileIdentity(file);
    return !identity.empty() && ReadRecord(RecordOf(file)) == identity;
}

void RememberPassed(const std::string& file) {
    const std::string identity = FileIdentity(file);
    if (identity.empty() || PassedBefore(file)) return;
    const std::string record = RecordOf(file);
    const std::string aside = record + ".new-" + std::to_string(::getpid());
    const std::string text = identity + '\n';
    const int fd = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (::close(fd) != 0 || !written || std::rename(aside.c_str(), record.c_str()) != 0) ::unlink(aside.c_str());
}

}  // namespace za::device
