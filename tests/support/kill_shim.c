/* A crash on demand for the kill-point tests: loaded into the program with LD_PRELOAD, it stands
 * in front of the libc calls that change files and kills the process with SIGKILL just before
 * the N-th of them, as a power cut would stop it there.
 *
 *   VANDRIX_KILL_ARM=TEXT    counting starts at the first such call whose path holds TEXT (that
 *                            call counts as 1); without it every call counts
 *   VANDRIX_KILL_AT=N        the process kills itself just before the N-th counted call runs
 *   VANDRIX_KILL_TRACE=FILE  one line per counted call is appended to FILE:
 *                            "index function path" (an fd's path is read from /proc/self/fd)
 *
 * Without these variables every call goes straight to libc. Writes, truncations and syncs count
 * only on regular files (syncs also on folders), so the wake-up pipes and event descriptors of
 * the program's event loop never move the count. The hot path allocates nothing and takes no
 * lock: the counter is atomic, the trace is one write() of a line built on the stack. */
#undef _FORTIFY_SOURCE
#undef _FILE_OFFSET_BITS
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

static pthread_once_t once = PTHREAD_ONCE_INIT;
static const char* armText; /* NULL: counting from the start */
static long killAt;         /* 0: never */
static int traceFd = -1;    /* -1: no trace */
static int active;          /* any variable set */
static int armed;           /* atomic */
static long counter;        /* atomic */

static int (*realOpen)(const char*, int, ...);
static ssize_t (*realWrite)(int, const void*, size_t);

static void* next(const char* name) {
    return dlsym(RTLD_NEXT, name);
}

static void initialise(void) {
    realOpen = (int (*)(const char*, int, ...))next("open");
    realWrite = (ssize_t(*)(int, const void*, size_t))next("write");
    const char* arm = getenv("VANDRIX_KILL_ARM");
    const char* at = getenv("VANDRIX_KILL_AT");
    const char* trace = getenv("VANDRIX_KILL_TRACE");
    armText = arm != NULL && *arm != '\0' ? arm : NULL;
    killAt = at != NULL ? strtol(at, NULL, 10) : 0;
    if (trace != NULL && *trace != '\0')
        traceFd = realOpen(trace, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    active = armText != NULL || killAt > 0 || traceFd >= 0;
    if (armText == NULL)
        __atomic_store_n(&armed, 1, __ATOMIC_SEQ_CST);
}

static int ready(void) {
    pthread_once(&once, initialise);
    return active;
}

/* Small text pieces for a line on the stack. */
struct line {
    char text[PATH_MAX * 2 + 96];
    size_t used;
};

static void add(struct line* l, const char* s) {
    while (s != NULL && *s != '\0' && l->used + 2 < sizeof l->text)
        l->text[l->used++] = *s++;
}

static void addNumber(struct line* l, long n) {
    char digits[24];
    int k = 0;
    if (n < 0) {
        add(l, "-");
        n = -n;
    }
    do {
        digits[k++] = (char)('0' + n % 10);
        n /= 10;
    } while (n > 0 && k < (int)sizeof digits);
    while (k > 0 && l->used + 2 < sizeof l->text)
        l->text[l->used++] = digits[--k];
}

/* The path an open descriptor stands for, or "" when it cannot be read. */
static void fdPath(int fd, char* out, size_t size) {
    struct line link = {.used = 0};
    add(&link, "/proc/self/fd/");
    addNumber(&link, fd);
    link.text[link.used] = '\0';
    ssize_t n = readlink(link.text, out, size - 1);
    out[n > 0 ? n : 0] = '\0';
}

/* Counts one file-changing call and kills the process when its turn has come. path and path2
 * are what the call names (either may be NULL); fd >= 0 names the descriptor it works on. */
static void mark(const char* function, const char* path, const char* path2, int fd) {
    char resolved[PATH_MAX];
    resolved[0] = '\0';
    if (fd >= 0 && (traceFd >= 0 || !__atomic_load_n(&armed, __ATOMIC_SEQ_CST)))
        fdPath(fd, resolved, sizeof resolved);
    if (!__atomic_load_n(&armed, __ATOMIC_SEQ_CST)) {
        if (!((path != NULL && strstr(path, armText) != NULL) ||
              (path2 != NULL && strstr(path2, armText) != NULL) ||
              (resolved[0] != '\0' && strstr(resolved, armText) != NULL)))
            return;
        __atomic_store_n(&armed, 1, __ATOMIC_SEQ_CST);
    }
    long index = __atomic_add_fetch(&counter, 1, __ATOMIC_SEQ_CST);
    if (traceFd >= 0) {
        struct line l = {.used = 0};
        addNumber(&l, index);
        add(&l, " ");
        add(&l, function);
        if (fd >= 0) {
            add(&l, " fd ");
            addNumber(&l, fd);
            add(&l, " ");
            add(&l, resolved);
        }
        if (path != NULL) {
            add(&l, " ");
            add(&l, path);
        }
        if (path2 != NULL) {
            add(&l, " -> ");
            add(&l, path2);
        }
        add(&l, "\n");
        realWrite(traceFd, l.text, l.used);
    }
    if (index == killAt)
        kill(getpid(), SIGKILL);
}

/* Writes count only on regular files; syncs also on folders. */
static int changesFile(int fd, int folderToo) {
    struct stat st;
    if (fd < 0 || fd == traceFd || fstat(fd, &st) != 0)
        return 0;
    return S_ISREG(st.st_mode) || (folderToo && S_ISDIR(st.st_mode));
}

static int opensForChange(int flags) {
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) != 0 ||
           (flags & O_TMPFILE) == O_TMPFILE;
}

static int needsMode(int flags) {
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

/* The libc function a wrapper forwards to, looked up once; threads that race here store the
 * same pointer. */
#define REAL(type, name, params)                                    \
    static type(*found) params;                                     \
    type(*real) params = __atomic_load_n(&found, __ATOMIC_ACQUIRE); \
    if (real == NULL) {                                             \
        real = (type(*) params)next(#name);                         \
        __atomic_store_n(&found, real, __ATOMIC_RELEASE);           \
    }

// The mode argument that follows the flags when they create a file (0 otherwise).
#define MODE_AFTER(flags)            \
    mode_t mode = 0;                 \
    if (needsMode(flags)) {          \
        va_list args;                \
        va_start(args, flags);       \
        mode = va_arg(args, mode_t); \
        va_end(args);                \
    }

#define OPEN_LIKE(name)                          \
    int name(const char* path, int flags, ...) { \
        REAL(int, name, (const char*, int, ...)) \
        MODE_AFTER(flags)                        \
        if (ready() && opensForChange(flags))    \
            mark(#name, path, NULL, -1);         \
        return real(path, flags, mode);          \
    }

#define OPENAT_LIKE(name)                                   \
    int name(int dirfd, const char* path, int flags, ...) { \
        REAL(int, name, (int, const char*, int, ...))       \
        MODE_AFTER(flags)                                   \
        if (ready() && opensForChange(flags))               \
            mark(#name, path, NULL, -1);                    \
        return real(dirfd, path, flags, mode);              \
    }

OPEN_LIKE(open)
OPEN_LIKE(open64)
OPENAT_LIKE(openat)
OPENAT_LIKE(openat64)

/* What a program built with _FORTIFY_SOURCE calls for an open without a mode. */
#define OPEN_CHECKED(name)                    \
    int name(const char* path, int flags) {   \
        REAL(int, name, (const char*, int))   \
        if (ready() && opensForChange(flags)) \
            mark(#name, path, NULL, -1);      \
        return real(path, flags);             \
    }

OPEN_CHECKED(__open_2)
OPEN_CHECKED(__open64_2)

#define OPENAT_CHECKED(name)                           \
    int name(int dirfd, const char* path, int flags) { \
        REAL(int, name, (int, const char*, int))       \
        if (ready() && opensForChange(flags))          \
            mark(#name, path, NULL, -1);               \
        return real(dirfd, path, flags);               \
    }

OPENAT_CHECKED(__openat_2)
OPENAT_CHECKED(__openat64_2)

#define CREAT_LIKE(name)                       \
    int name(const char* path, mode_t mode) {  \
        REAL(int, name, (const char*, mode_t)) \
        if (ready())                           \
            mark(#name, path, NULL, -1);       \
        return real(path, mode);               \
    }

CREAT_LIKE(creat)
CREAT_LIKE(creat64)

/* The C library's streams open their files inside libc, out of an interposer's reach, so the
 * stream opens that write are counted here (C++ file streams open this way). */
#define FOPEN_LIKE(name)                                             \
    FILE* name(const char* path, const char* mode) {                 \
        REAL(FILE*, name, (const char*, const char*))                \
        if (ready() && mode != NULL && strpbrk(mode, "wa+") != NULL) \
            mark(#name, path, NULL, -1);                             \
        return real(path, mode);                                     \
    }

FOPEN_LIKE(fopen)
FOPEN_LIKE(fopen64)

ssize_t write(int fd, const void* buffer, size_t size) {
    REAL(ssize_t, write, (int, const void*, size_t))
    if (ready() && changesFile(fd, 0))
        mark("write", NULL, NULL, fd);
    return real(fd, buffer, size);
}

#define PWRITE_LIKE(name, offset_t)                                      \
    ssize_t name(int fd, const void* buffer, size_t size, offset_t at) { \
        REAL(ssize_t, name, (int, const void*, size_t, offset_t))        \
        if (ready() && changesFile(fd, 0))                               \
            mark(#name, NULL, NULL, fd);                                 \
        return real(fd, buffer, size, at);                               \
    }

PWRITE_LIKE(pwrite, off_t)
PWRITE_LIKE(pwrite64, off64_t)

ssize_t writev(int fd, const struct iovec* parts, int count) {
    REAL(ssize_t, writev, (int, const struct iovec*, int))
    if (ready() && changesFile(fd, 0))
        mark("writev", NULL, NULL, fd);
    return real(fd, parts, count);
}

#define FTRUNCATE_LIKE(name, offset_t)     \
    int name(int fd, offset_t length) {    \
        REAL(int, name, (int, offset_t))   \
        if (ready() && changesFile(fd, 0)) \
            mark(#name, NULL, NULL, fd);   \
        return real(fd, length);           \
    }

FTRUNCATE_LIKE(ftruncate, off_t)
FTRUNCATE_LIKE(ftruncate64, off64_t)

#define SYNC_LIKE(name)                    \
    int name(int fd) {                     \
        REAL(int, name, (int))             \
        if (ready() && changesFile(fd, 1)) \
            mark(#name, NULL, NULL, fd);   \
        return real(fd);                   \
    }

SYNC_LIKE(fsync)
SYNC_LIKE(fdatasync)

#define SENDFILE_LIKE(name, offset_t)                          \
    ssize_t name(int out, int in, offset_t* at, size_t size) { \
        REAL(ssize_t, name, (int, int, offset_t*, size_t))     \
        if (ready() && changesFile(out, 0))                    \
            mark(#name, NULL, NULL, out);                      \
        return real(out, in, at, size);                        \
    }

SENDFILE_LIKE(sendfile, off_t)
SENDFILE_LIKE(sendfile64, off64_t)

ssize_t copy_file_range(int in, off64_t* inAt, int out, off64_t* outAt, size_t size,
                        unsigned int flags) {
    REAL(ssize_t, copy_file_range, (int, off64_t*, int, off64_t*, size_t, unsigned int))
    if (ready() && changesFile(out, 0))
        mark("copy_file_range", NULL, NULL, out);
    return real(in, inAt, out, outAt, size, flags);
}

int rename(const char* from, const char* to) {
    REAL(int, rename, (const char*, const char*))
    if (ready())
        mark("rename", from, to, -1);
    return real(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    REAL(int, renameat, (int, const char*, int, const char*))
    if (ready())
        mark("renameat", from, to, -1);
    return real(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) {
    REAL(int, renameat2, (int, const char*, int, const char*, unsigned int))
    if (ready())
        mark("renameat2", from, to, -1);
    return real(fromDir, from, toDir, to, flags);
}

int link(const char* from, const char* to) {
    REAL(int, link, (const char*, const char*))
    if (ready())
        mark("link", from, to, -1);
    return real(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    REAL(int, linkat, (int, const char*, int, const char*, int))
    if (ready())
        mark("linkat", from, to, -1);
    return real(fromDir, from, toDir, to, flags);
}

int unlink(const char* path) {
    REAL(int, unlink, (const char*))
    if (ready())
        mark("unlink", path, NULL, -1);
    return real(path);
}

int unlinkat(int dir, const char* path, int flags) {
    REAL(int, unlinkat, (int, const char*, int))
    if (ready())
        mark("unlinkat", path, NULL, -1);
    return real(dir, path, flags);
}

int mkdir(const char* path, mode_t mode) {
    REAL(int, mkdir, (const char*, mode_t))
    if (ready())
        mark("mkdir", path, NULL, -1);
    return real(path, mode);
}

int mkdirat(int dir, const char* path, mode_t mode) {
    REAL(int, mkdirat, (int, const char*, mode_t))
    if (ready())
        mark("mkdirat", path, NULL, -1);
    return real(dir, path, mode);
}

int rmdir(const char* path) {
    REAL(int, rmdir, (const char*))
    if (ready())
        mark("rmdir", path, NULL, -1);
    return real(path);
}
