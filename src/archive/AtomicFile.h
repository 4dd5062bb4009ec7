#pragma once

#include <filesystem>
#include <string_view>

namespace vm {

// Replaces the file at `path` with `bytes` so that a crash or a full disk at
// any moment leaves either the old content or the new one, never a torn or
// empty file: the bytes go to a temporary file in the same directory, which
// is flushed to disk and then renamed over the old name. False when any step
// failed; the temporary is then gone and the old file untouched.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vm
