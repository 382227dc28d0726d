// Preloaded into a test (LD_PRELOAD), fails one kind of file call with a
// chosen error for the files under a chosen folder, so that every step of a
// save can be made to fail. RUMITA_FAULT is "call errno" ("fdatasync 5"), or
// "call -1" for a call that returns 0 having done nothing (a write that
// writes no byte); RUMITA_FAULT_PATH the folder. Without both, every call goes through.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

// The error to fail the call on that file with, or 0.
static int injected(const char *call, const char *path)
{
    const char *fault = std::getenv("RUMITA_FAULT"), *folder = std::getenv("RUMITA_FAULT_PATH");
    const size_t length = std::strlen(call);
    return fault && folder && std::strncmp(fault, call, length) == 0 && fault[length] == ' ' && std::strstr(path, folder)
               ? std::atoi(fault + length + 1)
               : 0;
}
static int injected(const char *call, int fd)
{
    char link[64], path[4096] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    return std::getenv("RUMITA_FAULT") && readlink(link, path, sizeof path - 1) > 0 ? injected(call, path) : 0;
}

template <typename Call, typename... Arguments>
static auto failOrCall(int error, const char *name, Arguments... arguments)
{
    if (error < 0)
        return decltype(reinterpret_cast<Call>(0)(arguments...))(0);
    const auto result = error ? -1 : reinterpret_cast<Call>(dlsym(RTLD_NEXT, name))(arguments...);
    return error ? (errno = error, result) : result;
}

extern "C" {
ssize_t write(int fd, const void *data, size_t size)
{
    return failOrCall<decltype(&write)>(injected("write", fd), "write", fd, data, size);
}
int fdatasync(int fd) { return failOrCall<decltype(&fdatasync)>(injected("fdatasync", fd), "fdatasync", fd); }
int rename(const char *from, const char *to) { return failOrCall<decltype(&rename)>(injected("rename", to), "rename", from, to); }
int close(int fd) { return failOrCall<decltype(&close)>(injected("close", fd), "close", fd); }
}
