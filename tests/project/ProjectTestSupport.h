#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "language/Language.h"
#include "project/JSONVekProject.h"
#include "project/ProjectFile.h"
#include "project/ProjectJsonWriter.h"
#include "project/TextEncoding.h"

namespace vek::test {

// A project of one default component "P1" that is not calculated, as the program writes
// it: the text, UTF-8, before encoding.
inline std::string DefaultProjectText() {
  TVekProject project;
  auto vek = std::make_unique<TVek>();
  vek->SetAssignedVek("N/A");
  auto component = std::make_unique<TVekComponent>(std::move(vek), "P1", "Wand", 1);
  project.AddVekComponent(component);
  return WriteProjectJson(TJSONVekProject(project));
}

// The text with its only occurrence of From replaced by To.
inline std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "missing: " << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << "more than once: " << from;
  if (at != std::string::npos) {
    text.replace(at, from.size(), to);
  }
  return text;
}

inline std::unique_ptr<TVekProject> ReadText(std::string_view text) {
  return ReadProjectFileBytes(EncodeProjectFileText(text));
}

inline std::string LoadErrorText() {
  return Language().PrintL("ErrorLoadProjectData");
}

inline std::filesystem::path ExamplePath(std::string_view name) {
  return std::filesystem::path(VEK_EXAMPLES_DIR) / name;
}

inline const char* const kExampleFiles[] = {"small-project.vek", "several-positions.vek",
                                            "special-length.vek"};

inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder for one test, removed afterwards.
class TTempFolder {
 public:
  TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vek-test-XXXXXX").string();
    FPath = ::mkdtemp(pattern.data());
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  const std::filesystem::path& Path() const { return FPath; }
  std::filesystem::path operator/(std::string_view name) const { return FPath / name; }
  size_t EntryCount() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(FPath),
                                             std::filesystem::directory_iterator()));
  }

 private:
  std::filesystem::path FPath;
};

}  // namespace vek::test
