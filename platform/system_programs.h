#pragma once
// Finding and starting another program of the system: a small store of named settings in which
// the system's programs are looked up by key, and the start of a program in its own window.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The root a key is read under; the program reads only the machine's own settings.
enum class KeyRoot { LocalMachine };

class SystemKeys {
  public:
    virtual ~SystemKeys() = default;
    // The text value `value_name` of the key `key_name` under `root`; nothing when the key or
    // the value does not exist.
    virtual std::optional<std::string> Value(KeyRoot root, std::string_view key_name,
                                             std::string_view value_name) const = 0;
};

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Starts the program file `path` in a normal window that takes the focus and returns at once;
    // false when it cannot be started.
    virtual bool Start(const std::string& path) = 0;
};

}  // namespace orvane
