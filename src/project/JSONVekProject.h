#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "project/JSONVekComponent.h"
#include "project/VekProject.h"

namespace vek {

// Transfer object of a whole project in the project file.
class TJSONVekProject {
 public:
  static constexpr std::string_view kTypeName = "JSONVekProject.TJSONVekProject";

  TJSONVekProject() = default;
  explicit TJSONVekProject(const TVekProject& project) { SetJSONData(project); }

  void SetJSONData(const TVekProject& project);
  // The project with its components in file order; of components with the same
  // position mark only the first is kept. Recalculates assigned components.
  std::unique_ptr<TVekProject> CreateVekProject() const;

  std::string FCompany;
  std::string FCompanyAddress;
  std::string FCompanyReviser;
  double FDate = 0;
  std::vector<TJSONVekComponent> FVekComponentList;
  std::string FProject;
};

}  // namespace vek
