// Stands in for the desktop's application manager in the installer's tests: writes the
// arguments it was started with, one a line, to the file $FAKEAPPMGR_LOG.
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const char* log = std::getenv("FAKEAPPMGR_LOG");
    if (!log) return 1;
    std::FILE* f = std::fopen(log, "w");
    if (!f) return 1;
    for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
    std::fclose(f);
    return 0;
}
