// SPDX-License-Identifier: MIT
#include "store/WritebackVfs.h"

#include "platform/FileWriteback.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace quorvel {

namespace {

constexpr char kName[] = "quorvel-writeback";
constexpr sqlite3_int64 kWritebackStep = sqlite3_int64{1} << 20;

sqlite3_vfs* g_root = nullptr; // the default layer everything is handed to

// The default layer's call that opens a file (POSIX systems), and the descriptor it gave last on this thread: the
// layer keeps its descriptor to itself, and the hints need it. A descriptor of our own on the store file would
// not do: closing it would drop the locks the process holds on the file.
using OpenCall = int (*)(const char*, int, int);
OpenCall g_open = nullptr;
thread_local int t_lastOpened = -1;

int openNoted(const char* path, int flags, int mode) {
    const int handle = g_open(path, flags, mode);
    t_lastOpened = handle;
    return handle;
}

// A file of this layer: its own part, then the default layer's file.
struct HintedFile {
    sqlite3_file base;
    int handle;         // the default layer's descriptor, -1 for files not hinted (temporary files, other journals)
    sqlite3_int64 from; // the bytes written since the last hint: [from, to)
    sqlite3_int64 to;

    sqlite3_file* root() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

// The default layer's file follows at once, aligned as any allocation is.
static_assert(sizeof(HintedFile) % alignof(std::max_align_t) == 0);

sqlite3_file* rootOf(sqlite3_file* file) { return reinterpret_cast<HintedFile*>(file)->root(); }

void noteWritten(HintedFile& file, sqlite3_int64 offset, int amount) {
    if (file.from == file.to) {
        file.from = offset;
        file.to = offset + amount;
    } else {
        file.from = std::min(file.from, offset);
        file.to = std::max(file.to, offset + amount);
    }
    if (file.to - file.from < kWritebackStep) return;
    startWriteback(file.handle, file.from, file.to - file.from);
    file.from = file.to = 0;
}

int hintedClose(sqlite3_file* file) {
    auto& hinted = *reinterpret_cast<HintedFile*>(file);
    hinted.handle = -1;
    return hinted.root()->pMethods->xClose(hinted.root());
}

int hintedRead(sqlite3_file* file, void* into, int amount, sqlite3_int64 offset) {
    return rootOf(file)->pMethods->xRead(rootOf(file), into, amount, offset);
}

int hintedWrite(sqlite3_file* file, const void* from, int amount, sqlite3_int64 offset) {
    auto& hinted = *reinterpret_cast<HintedFile*>(file);
    const int rc = hinted.root()->pMethods->xWrite(hinted.root(), from, amount, offset);
    if (rc == SQLITE_OK && hinted.handle >= 0) noteWritten(hinted, offset, amount);
    return rc;
}

int hintedTruncate(sqlite3_file* file, sqlite3_int64 size) {
    auto& hinted = *reinterpret_cast<HintedFile*>(file);
    hinted.from = hinted.to = 0;
    return hinted.root()->pMethods->xTruncate(hinted.root(), size);
}

int hintedSync(sqlite3_file* file, int flags) {
    auto& hinted = *reinterpret_cast<HintedFile*>(file);
    hinted.from = hinted.to = 0; // the sync writes what is left
    return hinted.root()->pMethods->xSync(hinted.root(), flags);
}

int hintedFileSize(sqlite3_file* file, sqlite3_int64* size) {
    return rootOf(file)->pMethods->xFileSize(rootOf(file), size);
}

int hintedLock(sqlite3_file* file, int level) { return rootOf(file)->pMethods->xLock(rootOf(file), level); }

int hintedUnlock(sqlite3_file* file, int level) { return rootOf(file)->pMethods->xUnlock(rootOf(file), level); }

int hintedCheckReservedLock(sqlite3_file* file, int* held) {
    return rootOf(file)->pMethods->xCheckReservedLock(rootOf(file), held);
}

int hintedFileControl(sqlite3_file* file, int op, void* argument) {
    return rootOf(file)->pMethods->xFileControl(rootOf(file), op, argument);
}

int hintedSectorSize(sqlite3_file* file) { return rootOf(file)->pMethods->xSectorSize(rootOf(file)); }

int hintedDeviceCharacteristics(sqlite3_file* file) {
    return rootOf(file)->pMethods->xDeviceCharacteristics(rootOf(file));
}

int hintedShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** mapped) {
    const sqlite3_io_methods* root = rootOf(file)->pMethods;
    return root->iVersion >= 2 ? root->xShmMap(rootOf(file), region, size, extend, mapped) : SQLITE_IOERR;
}

int hintedShmLock(sqlite3_file* file, int offset, int count, int flags) {
    const sqlite3_io_methods* root = rootOf(file)->pMethods;
    return root->iVersion >= 2 ? root->xShmLock(rootOf(file), offset, count, flags) : SQLITE_IOERR;
}

void hintedShmBarrier(sqlite3_file* file) {
    const sqlite3_io_methods* root = rootOf(file)->pMethods;
    if (root->iVersion >= 2) root->xShmBarrier(rootOf(file));
}

int hintedShmUnmap(sqlite3_file* file, int deleteFlag) {
    const sqlite3_io_methods* root = rootOf(file)->pMethods;
    return root->iVersion >= 2 ? root->xShmUnmap(rootOf(file), deleteFlag) : SQLITE_OK;
}

int hintedFetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** mapped) {
    const sqlite3_io_methods* root = rootOf(file)->pMethods;
    if (root->iVersion >= 3) return root->xFetch(rootOf(file), offset, amount, mapped);
    *mapped = nullptr;
    return SQLITE_OK;
}

int hintedUnfetch(sqlite3_file* file, sqlite3_int64 offset, void* mapped) {
    const sqlite3_io_methods* root = rootOf(file)->pMethods;
    return root->iVersion >= 3 ? root->xUnfetch(rootOf(file), offset, mapped) : SQLITE_OK;
}

const sqlite3_io_methods kHintedMethods = {
    3,
    hintedClose,
    hintedRead,
    hintedWrite,
    hintedTruncate,
    hintedSync,
    hintedFileSize,
    hintedLock,
    hintedUnlock,
    hintedCheckReservedLock,
    hintedFileControl,
    hintedSectorSize,
    hintedDeviceCharacteristics,
    hintedShmMap,
    hintedShmLock,
    hintedShmBarrier,
    hintedShmUnmap,
    hintedFetch,
    hintedUnfetch,
};

int hintedOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* hinted = reinterpret_cast<HintedFile*>(file);
    hinted->handle = -1;
    hinted->from = hinted->to = 0;
    t_lastOpened = -1;
    const int rc = g_root->xOpen(g_root, name, hinted->root(), flags, outFlags);
    hinted->base.pMethods = hinted->root()->pMethods ? &kHintedMethods : nullptr;
    // The descriptor is taken only when it is surely this file's (the layer may reuse one it kept open).
    if (rc == SQLITE_OK && name && (flags & (SQLITE_OPEN_MAIN_DB | SQLITE_OPEN_WAL)) != 0 &&
        isHandleOf(t_lastOpened, name))
        hinted->handle = t_lastOpened;
    return rc;
}

int forwardDelete(sqlite3_vfs*, const char* name, int syncDirectory) {
    return g_root->xDelete(g_root, name, syncDirectory);
}

int forwardAccess(sqlite3_vfs*, const char* name, int flags, int* result) {
    return g_root->xAccess(g_root, name, flags, result);
}

int forwardFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return g_root->xFullPathname(g_root, name, size, out);
}

void* forwardDlOpen(sqlite3_vfs*, const char* name) { return g_root->xDlOpen(g_root, name); }

void forwardDlError(sqlite3_vfs*, int size, char* message) { g_root->xDlError(g_root, size, message); }

void (*forwardDlSym(sqlite3_vfs*, void* library, const char* symbol))(void) {
    return g_root->xDlSym(g_root, library, symbol);
}

void forwardDlClose(sqlite3_vfs*, void* library) { g_root->xDlClose(g_root, library); }

int forwardRandomness(sqlite3_vfs*, int size, char* out) { return g_root->xRandomness(g_root, size, out); }

int forwardSleep(sqlite3_vfs*, int microseconds) { return g_root->xSleep(g_root, microseconds); }

int forwardCurrentTime(sqlite3_vfs*, double* now) { return g_root->xCurrentTime(g_root, now); }

int forwardGetLastError(sqlite3_vfs*, int size, char* message) {
    return g_root->xGetLastError ? g_root->xGetLastError(g_root, size, message) : 0;
}

int forwardCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) { return g_root->xCurrentTimeInt64(g_root, now); }

int forwardSetSystemCall(sqlite3_vfs*, const char* name, sqlite3_syscall_ptr call) {
    return g_root->xSetSystemCall(g_root, name, call);
}

sqlite3_syscall_ptr forwardGetSystemCall(sqlite3_vfs*, const char* name) {
    return g_root->xGetSystemCall(g_root, name);
}

const char* forwardNextSystemCall(sqlite3_vfs*, const char* name) { return g_root->xNextSystemCall(g_root, name); }

sqlite3_vfs g_hinted;

void registerHinted() {
    g_root = sqlite3_vfs_find(nullptr);
    if (!g_root) return;
    g_hinted = *g_root; // version, path length and every call the layer does not change
    g_hinted.szOsFile = static_cast<int>(sizeof(HintedFile)) + g_root->szOsFile;
    g_hinted.pNext = nullptr;
    g_hinted.zName = kName;
    g_hinted.pAppData = nullptr;
    g_hinted.xOpen = hintedOpen;
    g_hinted.xDelete = forwardDelete;
    g_hinted.xAccess = forwardAccess;
    g_hinted.xFullPathname = forwardFullPathname;
    if (g_root->xDlOpen) { // absent when SQLite is built without loadable extensions
        g_hinted.xDlOpen = forwardDlOpen;
        g_hinted.xDlError = forwardDlError;
        g_hinted.xDlSym = forwardDlSym;
        g_hinted.xDlClose = forwardDlClose;
    }
    g_hinted.xRandomness = forwardRandomness;
    g_hinted.xSleep = forwardSleep;
    g_hinted.xCurrentTime = forwardCurrentTime;
    g_hinted.xGetLastError = forwardGetLastError;
    if (g_root->iVersion >= 2) g_hinted.xCurrentTimeInt64 = forwardCurrentTimeInt64;
    if (g_root->iVersion >= 3) {
        g_hinted.xSetSystemCall = forwardSetSystemCall;
        g_hinted.xGetSystemCall = forwardGetSystemCall;
        g_hinted.xNextSystemCall = forwardNextSystemCall;
    }
    if (sqlite3_vfs_register(&g_hinted, 0) != SQLITE_OK) {
        g_root = nullptr;
        return;
    }
    if (g_root->iVersion >= 3 && g_root->xGetSystemCall && g_root->xSetSystemCall) {
        g_open = reinterpret_cast<OpenCall>(g_root->xGetSystemCall(g_root, "open"));
        if (g_open &&
            g_root->xSetSystemCall(g_root, "open", reinterpret_cast<sqlite3_syscall_ptr>(openNoted)) != SQLITE_OK)
            g_open = nullptr;
    }
}

} // namespace

const char* writebackVfsName() {
    static std::once_flag registered;
    std::call_once(registered, registerHinted);
    return g_root ? kName : nullptr; // nullptr: SQLite's default layer
}

} // namespace quorvel
