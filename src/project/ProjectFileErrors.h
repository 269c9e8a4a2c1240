#pragma once

#include <stdexcept>
#include <string>

namespace vek {

// A project file that could not be read. what() is the user's message in the current
// language ("ErrorLoadProjectData"); Reason() says what was wrong, for diagnostics.
class ELoadProjectError : public std::runtime_error {
 public:
  explicit ELoadProjectError(std::string reason);
  const std::string& Reason() const { return FReason; }

 private:
  std::string FReason;
};

// A project that only an administrator may open ("ErrorLoadAdminProjectData").
class EAdminProjectError : public std::runtime_error {
 public:
  EAdminProjectError();
};

// A project file that could not be written ("ErrorSaveProjectData"); the previous file
// is left as it was.
class ESaveProjectError : public std::runtime_error {
 public:
  explicit ESaveProjectError(std::string reason);
  const std::string& Reason() const { return FReason; }

 private:
  std::string FReason;
};

}  // namespace vek
