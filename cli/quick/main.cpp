// zonaria-cli: answers `zonaria-cli clock` and `zonaria-cli city NAME` itself where it can,
// quickly and without Qt, and hands every other command line, unchanged, to the complete
// command line beside it.
#include "quickcity.h"
#include "quickclock.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The complete command line: zonaria-cli-full in this program's folder; "" when that folder is
// not known (never a bare name, which would run a file of the working directory).
std::string CompletePath() {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return {};
    const std::string path(self, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1) + "zonaria-cli-full";
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string out;
    const bool clock = argc == 1 || (argc == 2 && std::strcmp(argv[1], "clock") == 0);
    // A name that begins with a dash may be an option (--json, --help) to the complete one.
    const bool city = argc == 3 && std::strcmp(argv[1], "city") == 0 && argv[2][0] != '-';
    if ((clock && cli::quick::Clock(&out)) || (city && cli::quick::City(argv[2], &out))) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    const std::string complete = CompletePath();
    if (complete.empty()) {
        std::fprintf(stderr, "zonaria-cli: cannot find zonaria-cli-full: /proc/self/exe cannot be read\n");
        return 2;
    }
    ::execv(complete.c_str(), argv);
    std::fprintf(stderr, "zonaria-cli: cannot start %s: %s\n", complete.c_str(), std::strerror(errno));
    return 2;
}
