// The profile's check record: beside device.db, device.db.checked holds the identity of the
// file that last passed SQLite's quick check, so that a process finding the same file need not
// read every page again. Without Qt, so that zonaria-cli's own clock reads it as the platform
// does; and without the C++ library's strings, whose code a process that has no other use for
// them would keep mapped for its whole life.
#pragma once

#include <string>

namespace za::device {

// The longest identity and its end: five numbers of at most 20 digits, each with its ':'.
inline constexpr int kIdentitySize = 5 * 21 + 1;

// Which file this is, and as written when: its file system and inode, size and time of last
// change ("dev:ino:size:sec:nsec:"). Another file put in its place (a copy restored, another
// program's database renamed), or the file written by another program, is another identity.
// False, with "" in identity, when it cannot be read.
bool FileIdentity(const char* path, char (&identity)[kIdentitySize]);
std::string FileIdentity(const std::string& path);

// Whether file is, as it is now, the file that last passed.
bool PassedBefore(const char* file);
inline bool PassedBefore(const std::string& file) { return PassedBefore(file.c_str()); }

// Records that file passed as it is now. Written aside and renamed over the old record; a
// folder that cannot be written keeps no record, and each process checks.
void RememberPassed(const char* file);
inline void RememberPassed(const std::string& file) { RememberPassed(file.c_str()); }

}  // namespace za::device
