// Saving replaces the file only once the new one is completely written.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "ProjectTestSupport.h"
#include "project/ProjectFileErrors.h"

namespace vek {
namespace {

using test::FileBytes;
using test::TTempFolder;

std::unique_ptr<TVekProject> Project(const std::string& name, int components) {
  auto project = std::make_unique<TVekProject>();
  project->SetProject(name);
  for (int i = 1; i <= components; ++i) {
    auto component = std::make_unique<TVekComponent>(std::make_unique<TVek>(),
                                                     "P" + std::to_string(i), "Wand", i);
    project->AddVekComponent(component);
  }
  return project;
}

// Files may grow to a few bytes only while it lives; the signal becomes an error.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &FPrevious);
    FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = FPrevious;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FPrevious);
    std::signal(SIGXFSZ, FPreviousHandler);
  }

 private:
  rlimit FPrevious{};
  void (*FPreviousHandler)(int) = nullptr;
};

TEST(ProjectFileSaveTest, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporaryFile) {
  TTempFolder folder;
  const auto path = folder / "Tower.vek";
  SaveProjectToFile(*Project("first", 1), path);
  ::chmod(path.c_str(), 0640);
  const auto second = Project("second", 2);
  SaveProjectToFile(*second, path);
  EXPECT_EQ(FileBytes(path), WriteProjectFileBytes(*second));
  EXPECT_EQ(folder.EntryCount(), 1u);
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(ProjectFileSaveTest, AFailedWriteLeavesThePreviousFileAsItWas) {
  TTempFolder folder;
  const auto path = folder / "Tower.vek";
  SaveProjectToFile(*Project("first", 1), path);
  const std::string before = FileBytes(path);
  {
    TFileSizeLimit limit(before.size() + 100);
    EXPECT_THROW(SaveProjectToFile(*Project("second", 3), path), ESaveProjectError);
  }
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(folder.EntryCount(), 1u) << "the temporary file is removed";
}

TEST(ProjectFileSaveTest, ReportsAFolderThatDoesNotExistOrATargetThatIsAFolder) {
  TTempFolder folder;
  EXPECT_THROW(SaveProjectToFile(*Project("p", 1), folder / "missing" / "a.vek"),
               ESaveProjectError);
  std::filesystem::create_directory(folder / "taken.vek");
  test::WriteBytes(folder / "taken.vek" / "inside", "x");
  try {
    SaveProjectToFile(*Project("p", 1), folder / "taken.vek");
    ADD_FAILURE() << "saved over a folder";
  } catch (const ESaveProjectError& error) {
    EXPECT_EQ(std::string(error.what()), Language().PrintL("ErrorSaveProjectData"));
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.vek"));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ProjectFileSaveTest, SavingThroughALinkUpdatesTheLinkedFile) {
  TTempFolder folder;
  const auto real = folder / "real.vek";
  SaveProjectToFile(*Project("first", 1), real);
  std::filesystem::create_symlink(real, folder / "link.vek");
  const auto second = Project("second", 1);
  SaveProjectToFile(*second, folder / "link.vek");
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.vek"));
  EXPECT_EQ(FileBytes(real), WriteProjectFileBytes(*second));
}

}  // namespace
}  // namespace vek
