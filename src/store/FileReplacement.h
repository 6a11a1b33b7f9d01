#pragma once

#include <filesystem>
#include <string_view>

namespace zentile {

// Puts contents in place of the file at target, whole or not at all. The kernel follows the
// links, as deep as it follows them and only where its rules let this user; a link that leads
// nowhere gets its file, and the links stay links. The contents go to a file without a name in
// the folder where the links end (a hidden file made by this save, on a file system without
// unnamed files), which takes the old file's mode, extended attributes and ACL, and its owner
// and group where the player may; it is flushed to the disk and only then named and put in the
// old file's place. A failure anywhere leaves the old file whole and nothing of the save behind.
// Only a kill can: between naming the new file and putting it in place (on a file system
// without unnamed files, while writing it) a hidden file, and while the kernel makes the file
// where a link that leads nowhere ends, that empty file. As where any program replaces a file
// with a new one, a file whose owner the player may not give back becomes the player's; another
// user's file in a shared folder with the sticky bit, any file in a folder the player may not
// write, a folder, a device and a file the player may not write are not saved.
// Returns whether the file was written.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view contents);

} // namespace zentile
