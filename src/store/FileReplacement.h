#pragma once

#include <filesystem>
#include <string_view>

namespace zentile {

// Writes contents to a new file beside the target, flushes it to the disk and only then
// puts it in the target's place, so that a failure at any point leaves an earlier file as
// it was and no half-written file behind. A link is followed to the file it leads to, which
// is created if it is missing, and the link stays. The new file takes the old one's owner,
// group and mode; where it cannot (another user's file, a folder the player may not write),
// the file is written in place instead, once the room for the contents has been claimed. A
// target that is a folder, a device or a file the player may not write is never replaced.
// Temporary files of earlier saves whose process has ended are removed from the folder.
// Returns whether the file was written.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents);

} // namespace zentile
