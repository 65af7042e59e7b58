#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

// `taisen` loads nothing but the C library, so that the windows start as soon as they would
// alone: with no arguments, as from the desktop's menu, it becomes the windows' program at once;
// with any, the command line's program (Qt Core alone, taisen.cpp) reads them and answers, or
// passes them on in turn. Each helper lies beside it in a build folder, else in the installed
// helpers' folder (TAISEN_HELPERS_FROM_BIN from this one's).
namespace {

// The helper's path in `path`; false when this program's own path is not known.
bool helperPath(const char* name, char (&path)[PATH_MAX])
{
    const ssize_t length = ::readlink("/proc/self/exe", path, PATH_MAX - 1);
    if (length <= 0)
        return false;
    path[length] = '\0';
    char* slash = std::strrchr(path, '/');
    const std::size_t folder = std::size_t(slash - path) + 1;
    if (std::snprintf(slash + 1, PATH_MAX - folder, "%s", name) < int(PATH_MAX - folder) && ::access(path, X_OK) == 0)
        return true;
    return std::snprintf(slash + 1, PATH_MAX - folder, "%s/%s", TAISEN_HELPERS_FROM_BIN, name) < int(PATH_MAX - folder);
}

} // namespace

int main(int argc, char** argv)
{
    char path[PATH_MAX] = "";
    if (helperPath(argc > 1 ? "taisen-cli" : "taisen-windows", path))
        ::execv(path, argv);
    // No translation without Qt: the system's own words for a broken installation.
    std::fprintf(stderr, "taisen: %s: %s\n", path, std::strerror(errno));
    return 1;
}
