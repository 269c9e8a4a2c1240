// libFuzzer target for the project-file reader (built by scripts/fuzz-reader.sh).
// Any input must either be refused with the load error or give a project that writes
// and reads back to a fixed point; anything else (a crash, a sanitizer report, another
// exception) is a finding. Assigned components are recalculated only with
// VEK_FUZZ_RECALC=1, since a search per input makes fuzzing a hundred times slower.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "project/ProjectFile.h"
#include "project/ProjectFileErrors.h"
#include "project/ProjectJsonReader.h"
#include "project/TextEncoding.h"

namespace {

bool Recalculate() {
  static const bool recalculate = [] {
    const char* value = std::getenv("VEK_FUZZ_RECALC");
    return value && std::string_view(value) == "1";
  }();
  return recalculate;
}

std::unique_ptr<vek::TVekProject> Read(std::string_view bytes) {
  if (Recalculate()) {
    return vek::ReadProjectFileBytes(bytes);
  }
  vek::TJSONVekProject stored = vek::ReadProjectJson(vek::DecodeProjectFileText(bytes));
  for (vek::TJSONVekComponent& component : stored.FVekComponentList) {
    if (component.FVek) {
      component.FVek->FAssigned = "N/A";
    }
  }
  return stored.CreateVekProject();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<vek::TVekProject> project;
  try {
    project = Read(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const vek::ELoadProjectError&) {
    return 0;
  }
  vek::IsAdminOnlyProject(*project);
  // Reading may normalise values (null reals, truncation, setters); after one more
  // round the text must not change any more.
  const std::string first = vek::WriteProjectFileBytes(*project);
  const std::string second = vek::WriteProjectFileBytes(*Read(first));
  const std::string third = vek::WriteProjectFileBytes(*Read(second));
  if (third != second) {
    __builtin_trap();
  }
  return 0;
}
