#include "project/JSONVekProject.h"

namespace vek {

void TJSONVekProject::SetJSONData(const TVekProject& project) {
  FCompany = project.GetCompany();
  FCompanyAddress = project.GetCompanyAddress();
  FCompanyReviser = project.GetCompanyReviser();
  FDate = project.GetDate();
  FVekComponentList.clear();
  for (const auto& component : project.GetVekComponentList()) {
    FVekComponentList.emplace_back(*component);
  }
  FProject = project.GetProject();
}

std::unique_ptr<TVekProject> TJSONVekProject::CreateVekProject() const {
  auto project = std::make_unique<TVekProject>();
  project->SetCompany(FCompany);
  project->SetCompanyAddress(FCompanyAddress);
  project->SetCompanyReviser(FCompanyReviser);
  project->SetDate(FDate);
  for (const TJSONVekComponent& stored : FVekComponentList) {
    // A later component with a mark already taken would be discarded: skip it before
    // its design case is rebuilt, so that it costs no recalculation.
    if (project->IsPositionExisting(stored.FPosition)) {
      continue;
    }
    std::unique_ptr<TVekComponent> component = stored.CreateVekComponent();
    project->AddVekComponent(component);
  }
  project->SetProject(FProject);
  return project;
}

}  // namespace vek
