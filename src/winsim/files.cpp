// File deletion on the host's file system. A file without its owner's write permission stands
// for one with the read-only attribute, as under Wine.
#include <sys/stat.h>
#include <unistd.h>

#include "winsim/winapi.h"

BOOL WINAPI DeleteFileA(LPCSTR fileName) {
    if (fileName == nullptr || *fileName == '\0') return FALSE;
    struct stat status {};
    if (lstat(fileName, &status) != 0 || S_ISDIR(status.st_mode)) return FALSE;
    if ((status.st_mode & S_IWUSR) == 0) return FALSE;
    return unlink(fileName) == 0 ? TRUE : FALSE;
}
