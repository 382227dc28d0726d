// Preloaded into a test (LD_PRELOAD), fails one kind of file call with a
// chosen error for the files under a chosen folder, so that every step of a
// save can be made to fail. RUMITA_FAULT is "call errno" ("fdatasync 5"),
// RUMITA_FAULT_PATH the folder; without both, every call goes through.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

static int injected(const char *call, const char *path)
{
    const char *fault = std::getenv("RUMITA_FAULT"), *folder = std::getenv("RUMITA_FAULT_PATH");
    const size_t length = std::strlen(call);
    if (!fault || !folder || !path || std::strncmp(fault, call, length) != 0 || fault[length] != ' ' ||
        !std::strstr(path, folder))
        return 0;
    return std::atoi(fault + length + 1);
}

static int injectedOnFile(const char *call, int fd)
{
    if (!std::getenv("RUMITA_FAULT"))
        return 0;
    char link[64], path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n < 0)
        return 0;
    path[n] = '\0';
    return injected(call, path);
}

template <typename Call>
static Call real(const char *name)
{
    return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

// Fails with the injected error, or makes the real call.
#define FAIL_OR_CALL(error, name, type, ...)        \
    if (const int e = (error)) {                     \
        errno = e;                                   \
        return -1;                                   \
    }                                                \
    return real<type>(name)(__VA_ARGS__)

extern "C" {
ssize_t write(int fd, const void *data, size_t size)
{
    FAIL_OR_CALL(injectedOnFile("write", fd), "write", ssize_t (*)(int, const void *, size_t), fd, data, size);
}
int fdatasync(int fd) { FAIL_OR_CALL(injectedOnFile("fdatasync", fd), "fdatasync", int (*)(int), fd); }
int fsync(int fd) { FAIL_OR_CALL(injectedOnFile("fsync", fd), "fsync", int (*)(int), fd); }
int close(int fd)
{
    const int e = injectedOnFile("close", fd);
    const int result = real<int (*)(int)>("close")(fd);  // Linux frees the descriptor even on an error
    if (e)
        errno = e;
    return e ? -1 : result;
}
int rename(const char *from, const char *to)
{
    FAIL_OR_CALL(injected("rename", to), "rename", int (*)(const char *, const char *), from, to);
}
int renameat(int fromFolder, const char *from, int toFolder, const char *to)
{
    FAIL_OR_CALL(injected("rename", to), "renameat", int (*)(int, const char *, int, const char *), fromFolder,
                 from, toFolder, to);
}
}
