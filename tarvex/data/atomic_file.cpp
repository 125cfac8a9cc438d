#include "tarvex/data/atomic_file.h"
#include "tarvex/data/path_parts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarvex {
namespace {

std::string Reason() { return std::strerror(errno); }

// Removes the temporary file unless it has been renamed over the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string pattern) : path_(std::move(pattern)) {
    fd_ = ::mkstemp(path_.data());
    if (fd_ < 0) throw AtomicSaveError(Reason(), false);
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int Descriptor() const { return fd_; }
  const std::string& Path() const { return path_; }
  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw AtomicSaveError(Reason(), true);
  }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  bool kept_ = false;
};

void WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throw AtomicSaveError(Reason(), true);
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
}

// The file that a save of PATH replaces: PATH itself, or the file at the
// end of its chain of symbolic links (which need not exist yet).
std::string FollowLinks(std::string path) {
  constexpr int kMaxLinks = 40;
  for (int hops = 0;; ++hops) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    if (hops == kMaxLinks) throw AtomicSaveError(std::strerror(ELOOP), false);
    std::string target(static_cast<std::size_t>(link.st_size) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) throw AtomicSaveError(Reason(), false);
    target.resize(static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    path = target.starts_with('/') || slash == std::string::npos
               ? target
               : path.substr(0, slash + 1) + target;
  }
}

// A temporary name in the folder of TARGET that is short, so that a target
// name near the length limit leaves room for it.
std::string TemporaryPattern(const std::string& target) {
  const auto slash = target.rfind('/');
  return (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + ".tvx-XXXXXX";
}

// Gives the file FD the owner and group of OLD. Only a privileged process may
// give a file away; others keep at least the group where they belong to it.
void KeepOwnerWherePermitted(int fd, const struct stat& old) {
  const bool kept = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                    ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
  static_cast<void>(kept);
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void SaveFileAtomically(const std::string& fileName, std::string_view contents) {
  const std::string target = FollowLinks(NativePath(fileName));
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) throw AtomicSaveError("not a regular file", false);

  TemporaryFile temporary(TemporaryPattern(target));
  if (exists) KeepOwnerWherePermitted(temporary.Descriptor(), old);
  const mode_t mode = exists ? (old.st_mode & 07777) : NewFileMode();
  if (::fchmod(temporary.Descriptor(), mode) != 0) throw AtomicSaveError(Reason(), true);
  WriteAll(temporary.Descriptor(), contents);
  if (::fsync(temporary.Descriptor()) != 0) throw AtomicSaveError(Reason(), true);
  temporary.Close();

  struct stat written {};
  if (::stat(temporary.Path().c_str(), &written) != 0) throw AtomicSaveError(Reason(), true);
  if (static_cast<std::size_t>(written.st_size) != contents.size()) {
    throw AtomicSaveError("the file was not written completely", true);
  }
  if (std::rename(temporary.Path().c_str(), target.c_str()) != 0) {
    throw AtomicSaveError(Reason(), true);
  }
  temporary.Keep();
}

}  // namespace tarvex
