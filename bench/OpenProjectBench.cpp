// Opening a project recalculates every assigned component; this measures a project of
// 100 assigned components, each with the full automatic search.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "project/ProjectFile.h"

namespace {

// A saved project of 100 calculated and assigned components with varied panels.
const std::filesystem::path& ProjectFile100() {
  static const std::filesystem::path path = [] {
    vek::TVekProject project;
    project.SetProject("Benchmark");
    for (int i = 0; i < 100; ++i) {
      auto vek = std::make_unique<vek::TVek>();
      vek->SetH_br(900 + 5 * i);
      vek->SetL_br(2000 + 20 * i);
      vek->SetF(125 + (i % 4) * 10);
      vek->SetE_(100 + (i % 6) * 10);
      vek->SetW_p(0.8 + 0.01 * i);
      vek->CalculateDB();
      vek->SetState(vek::TVEKSignal::ASSIGN);
      auto component = std::make_unique<vek::TVekComponent>(
          std::move(vek), "P" + std::to_string(i + 1), "Brüstung", 2);
      project.AddVekComponent(component);
    }
    std::string file = (std::filesystem::temp_directory_path() / "vek-bench-XXXXXX").string();
    const int fd = ::mkstemp(file.data());
    if (fd >= 0) {
      ::close(fd);
    }
    vek::SaveProjectToFile(project, file);
    return std::filesystem::path(file);
  }();
  // Removed when the program ends, so repetitions of the benchmark find it.
  static const struct TRemoveAtExit {
    ~TRemoveAtExit() { std::filesystem::remove(path); }
  } removeAtExit;
  return path;
}

void BM_OpenProject100(benchmark::State& state) {
  const std::filesystem::path& path = ProjectFile100();
  for (auto _ : state) {
    std::unique_ptr<vek::TVekProject> project = vek::LoadProjectFromFile(path);
    benchmark::DoNotOptimize(project.get());
  }
}
BENCHMARK(BM_OpenProject100)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
