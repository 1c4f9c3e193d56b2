#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// The process's environment variables and current directory as the calling thread sees them.
// A thread may give a variable a value of its own (or unset it) and choose a current directory
// of its own; what it sets is seen by that thread only. So threads never pull the ground from
// under each other, and the library never changes the process's current directory, nor its
// environment but once (setForProcessOnce). What a thread has not set is the process's, read
// when asked, so a program that sets its environment or changes its directory before it
// starts threads is seen as it is.
namespace tav::ThreadEnvironment {

// The variable as this thread sees it: its own value (nothing when it unset it), else the
// process's.
std::optional<std::string> get(std::string_view name);
// Gives the variable a value for this thread, or unsets it for this thread (nullopt).
void set(std::string_view name, std::optional<std::string_view> value);
// Sets the variable for this thread and, the first time a caller sets `name` this way, in the
// process's environment too, for code outside the library that reads it; later calls leave the
// process's value as the first one set it. False when the process refused the variable.
bool setForProcessOnce(std::string_view name, std::string_view value);

// This thread's current directory: the one it chose, else the process's (empty when that
// cannot be read).
std::filesystem::path currentDirectory();
// Makes the folder at `path` (taken from the present current directory) this thread's current
// directory; an error, and no change, when it is no folder.
std::error_code setCurrentDirectory(const std::filesystem::path& path);
// A path as this thread means it: a relative path is taken from its current directory.
std::filesystem::path resolve(const std::filesystem::path& path);

}  // namespace tav::ThreadEnvironment
