// The Windows directory: natively a host directory of its own for each simulated machine, made
// when first needed and removed with the machine.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "winsim/detail.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

class Directory {
  public:
    ~Directory() { Clear(); }
    const std::string& Path() {
        if (path_.empty()) {
            char pattern[] = "/tmp/winsim-windows-XXXXXX";
            if (mkdtemp(pattern) == nullptr) detail::Fail("cannot make the Windows directory");
            path_ = pattern;
        }
        return path_;
    }
    void Clear() {
        if (path_.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        path_.clear();
    }

  private:
    std::string path_;
};

Directory directory;

}  // namespace

std::string WindowsDirectory() { return directory.Path(); }

namespace detail {

void ResetWindowsDirectory() { directory.Clear(); }

}  // namespace detail
}  // namespace winsim

UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size) {
    const std::string& path = winsim::directory.Path();
    if (buffer == nullptr || size <= path.size()) return static_cast<UINT>(path.size() + 1);
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<UINT>(path.size());
}
