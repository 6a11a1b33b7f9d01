#pragma once

#include <filesystem>
#include <string_view>

namespace zentile {

// Writes contents to a new file beside the target, flushes it to the disk and only then
// puts it in the target's place, so that a failure at any point leaves an earlier file as
// it was and no half-written file behind. A target that is a folder, a device or a file
// the player may not write is never replaced. Returns whether the file was written.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents);

} // namespace zentile
