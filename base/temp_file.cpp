#include "base/temp_file.h"

#include <stdlib.h>
#include <sys/stat.h>

namespace orvane {

int MakeTempBeside(const std::filesystem::path& target, std::string_view suffix, bool keep_mode,
                   std::string& temp) {
    temp = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    temp += suffix;
    const int fd = ::mkstemps(temp.data(), static_cast<int>(suffix.size()));
    if (fd < 0) return -1;
    struct stat old {};
    if (keep_mode && ::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    return fd;
}

}  // namespace orvane
