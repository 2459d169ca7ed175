// The profile's check record: beside device.db, device.db.checked holds the identity of the
// file that last passed SQLite's quick check, so that a process finding the same file need not
// read every page again. Without Qt, so that zonaria-cli's own clock reads it as the platform
// does.
#pragma once

#include <string>

namespace za::device {

// Which file this is, and as written when: its file system and inode, size and time of last
// change ("dev:ino:size:sec:nsec:"). Another file put in its place (a copy restored, another
// program's database renamed), or the file written by another program, is another identity.
// "" when it cannot be read.
std::string FileIdentity(const std::string& path);

// Whether file is, as it is now, the file that last passed.
bool PassedBefore(const std::string& file);

// Records that file passed as it is now. Written aside and renamed over the old record; a
// folder that cannot be written keeps no record, and each process checks.
void RememberPassed(const std::string& file);

}  // namespace za::device
