#pragma once
// A temporary file made beside the file it will replace, so that a rename puts it in place at
// once: named ".NAME.XXXXXX" and a suffix, in the target's folder.

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

// Makes the temporary file for `target` and returns its open descriptor, its name in `temp`;
// -1 with errno set when it cannot. It gets the permissions of `target` when `keep_mode` and
// the target is there, else those any new file gets (0666 less the umask).
int MakeTempBeside(const std::filesystem::path& target, std::string_view suffix, bool keep_mode,
                   std::string& temp);

}  // namespace orvane
