#include "project/ProjectFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

#include "project/JSONVekProject.h"
#include "project/ProjectFileErrors.h"
#include "project/ProjectJsonReader.h"
#include "project/ProjectJsonWriter.h"
#include "project/TextEncoding.h"

namespace vek {

namespace {

constexpr double kMaxStandardLength = 950;

std::string SystemError(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

// Closes a descriptor when it goes out of scope.
class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : FFd(fd) {}
  ~TFileDescriptor() {
    if (FFd >= 0) {
      ::close(FFd);
    }
  }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int Get() const { return FFd; }
  // Closes now and reports whether the data reached the file.
  bool Close() {
    const int fd = FFd;
    FFd = -1;
    return ::close(fd) == 0;
  }

 private:
  int FFd;
};

// At most kMaxProjectFileSize bytes of a regular file; reads in pieces, so that a
// growing file cannot make it allocate without bound. Opening does not wait for the
// writer of a pipe.
std::string ReadBoundedFile(const std::filesystem::path& fileName) {
  TFileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) {
    throw ELoadProjectError(SystemError("cannot open " + fileName.string()));
  }
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    throw ELoadProjectError(fileName.string() + " is no regular file");
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw ELoadProjectError(SystemError("cannot read " + fileName.string()));
    }
    if (count == 0) {
      return bytes;
    }
    if (bytes.size() + static_cast<size_t>(count) > kMaxProjectFileSize) {
      throw ELoadProjectError(fileName.string() + " is too large for a project file");
    }
    bytes.append(buffer, static_cast<size_t>(count));
  }
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw ESaveProjectError(SystemError("cannot write"));
    }
    bytes.remove_prefix(static_cast<size_t>(count));
  }
}

// The file that saving replaces: the target of a link rather than the link itself.
std::filesystem::path SaveTarget(const std::filesystem::path& fileName) {
  std::error_code error;
  if (std::filesystem::is_symlink(fileName, error)) {
    const std::filesystem::path target = std::filesystem::canonical(fileName, error);
    if (!error) {
      return target;
    }
  }
  return fileName;
}

}  // namespace

std::string WriteProjectFileBytes(const TVekProject& project) {
  return EncodeProjectFileText(WriteProjectJson(TJSONVekProject(project)));
}

std::unique_ptr<TVekProject> ReadProjectFileBytes(std::string_view bytes) {
  if (bytes.size() > kMaxProjectFileSize) {
    throw ELoadProjectError("the text is too large for a project file");
  }
  try {
    return ReadProjectJson(DecodeProjectFileText(bytes)).CreateVekProject();
  } catch (const ELoadProjectError&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw ELoadProjectError("out of memory");
  } catch (const std::exception& error) {
    // The recalculation of a component failed, for example on a missing table key.
    throw ELoadProjectError(error.what());
  }
}

std::unique_ptr<TVekProject> LoadProjectFromFile(const std::filesystem::path& fileName) {
  return ReadProjectFileBytes(ReadBoundedFile(fileName));
}

void SaveProjectToFile(const TVekProject& project, const std::filesystem::path& fileName) {
  const std::string bytes = WriteProjectFileBytes(project);
  const std::filesystem::path target = SaveTarget(fileName);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) {
    folder = ".";
  }
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  TFileDescriptor file(::mkstemp(temporary.data()));
  if (file.Get() < 0) {
    throw ESaveProjectError(SystemError("cannot create a file in " + folder.string()));
  }
  try {
    // The new file gets the old one's permissions, or those of a new file.
    struct stat status {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &status) == 0) {
      mode = status.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    ::fchmod(file.Get(), mode);
    WriteAll(file.Get(), bytes);
    if (::fsync(file.Get()) != 0) {
      throw ESaveProjectError(SystemError("cannot write"));
    }
    if (!file.Close()) {
      throw ESaveProjectError(SystemError("cannot write"));
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
      throw ESaveProjectError(SystemError("cannot replace " + target.string()));
    }
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
}

bool IsAdminOnlyProject(const TVekProject& project) {
  for (const auto& component : project.GetVekComponentList()) {
    const TVek* vek = component->GetVek();
    if (vek && (vek->GetModel() == 9 || vek->GetL() > kMaxStandardLength)) {
      return true;
    }
  }
  return false;
}

}  // namespace vek
