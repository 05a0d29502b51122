#include "base/list_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/errors.h"
#include "base/paths.h"

namespace base {

namespace fs = std::filesystem;

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  /// Closes now and tells whether the close succeeded (a late write error shows up here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool readAll(int fd, std::size_t expectedSize, std::string& bytes) {
  // The size from fstat is only a hint: read on until the end, in case the file grew.
  bytes.resize(expectedSize + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return true;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string joinLines(const Lines& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

// The permission bits a new file gets: the old file's, or those the umask leaves of rw-rw-rw-.
mode_t permissionsFor(const fs::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  // The umask can only be read by setting it; the program changes it nowhere else.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void syncFolder(const fs::path& folder) {
  // Makes the rename itself durable; a folder that cannot be opened or synced changes nothing.
  const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

Lines splitLines(std::string_view bytes) {
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size()))
    bytes = bytes.substr(0, static_cast<const char*>(nul) - bytes.data());
  Lines lines;
  // A cheap count of the breaks saves regrowing the list on files of a million lines.
  const auto lineFeeds = std::count(bytes.begin(), bytes.end(), '\n');
  lines.reserve(lineFeeds > 0 ? lineFeeds : std::count(bytes.begin(), bytes.end(), '\r'));
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  while (p < end) {
    const char* lineEnd = p;
    while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r') ++lineEnd;
    lines.emplace_back(p, lineEnd);
    const bool crLf = end - lineEnd >= 2 && lineEnd[0] == '\r' && lineEnd[1] == '\n';
    p = lineEnd + (crLf ? 2 : 1);
  }
  return lines;
}

Lines readListFile(std::string_view programPath) {
  const fs::path path = resolvePath(programPath);
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
    throw cannotOpenFile(programPath);
  std::string bytes;
  if (!readAll(fd.get(), static_cast<std::size_t>(info.st_size), bytes))
    throw cannotOpenFile(programPath);
  return splitLines(bytes);
}

void writeListFile(std::string_view programPath, const Lines& lines) {
  const fs::path target = resolvePath(programPath);
  std::string temporaryName =
      (target.parent_path() / ("." + target.filename().string() + ".XXXXXX"));
  Descriptor fd(::mkstemp(temporaryName.data()));
  if (fd.get() < 0) throw cannotCreateFile(programPath);

  const std::string bytes = joinLines(lines);
  const bool written = ::fchmod(fd.get(), permissionsFor(target)) == 0 &&
                       writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.close() &&
                       ::rename(temporaryName.c_str(), target.c_str()) == 0;
  if (!written) {
    ::unlink(temporaryName.c_str());
    throw cannotCreateFile(programPath);
  }
  syncFolder(target.parent_path());
}

FileLock::FileLock(std::string_view programPath) {
  const fs::path target = resolvePath(programPath);
  const fs::path lockPath = target.parent_path() / ("." + target.filename().string() + ".lock");
  descriptor_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (descriptor_ < 0) return;
  while (::flock(descriptor_, LOCK_EX) != 0 && errno == EINTR) {
  }
}

FileLock::~FileLock() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace base
