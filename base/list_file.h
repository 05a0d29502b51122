#pragma once
// List files: a text read whole into lines and written whole from them. On reading CR, LF and
// CR LF each end a line, a final line break makes no extra line, and a NUL byte ends the text.
// On writing every line is followed by CR LF. Paths are program paths (see paths.h).
#include <string>
#include <string_view>
#include <vector>

namespace base {

using Lines = std::vector<std::string>;

/// The lines of a text by the reading rule above.
Lines splitLines(std::string_view bytes);

/// The lines of the file; throws cannotOpenFile(programPath) when it cannot be opened or read.
Lines readListFile(std::string_view programPath);

/// Replaces the file by the lines, each followed by CR LF, atomically: the text goes to a
/// temporary file in the same folder, is flushed to disk and renamed over the old file, so a
/// reader sees the old content or the new, never half. On any failure the old file is left byte
/// for byte as it was, the temporary file is removed, and cannotCreateFile(programPath) is thrown.
void writeListFile(std::string_view programPath, const Lines& lines);

/// An exclusive advisory lock across processes for a read-modify-write of one file, held for the
/// object's lifetime; blocks until it is granted. The lock lives on a hidden companion file
/// ("." + name + ".lock" in the same folder), since the atomic write replaces the file itself.
/// A folder where the lock file cannot be made (read-only) still lets the caller go on unlocked:
/// the write that follows then reports the failure.
class FileLock {
 public:
  explicit FileLock(std::string_view programPath);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int descriptor_ = -1;
};

}  // namespace base
