#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "project/VekComponent.h"

namespace vek {

// A project: descriptive texts and the components in display order. The project owns
// its components, each component its design case.
class TVekProject {
 public:
  using TVekComponentList = std::vector<std::unique_ptr<TVekComponent>>;

  const std::string& GetProject() const { return FProject; }
  void SetProject(std::string project) { FProject = std::move(project); }
  const std::string& GetCompany() const { return FCompany; }
  void SetCompany(std::string company) { FCompany = std::move(company); }
  const std::string& GetCompanyAddress() const { return FCompanyAddress; }
  void SetCompanyAddress(std::string address) { FCompanyAddress = std::move(address); }
  const std::string& GetCompanyReviser() const { return FCompanyReviser; }
  void SetCompanyReviser(std::string reviser) { FCompanyReviser = std::move(reviser); }
  // Days since 30 December 1899; the fraction is the time of day.
  double GetDate() const { return FDate; }
  void SetDate(double date) { FDate = date; }

  // Only the project adds and removes components.
  const TVekComponentList& GetVekComponentList() const { return FVekComponentList; }

  // Index of the component with exactly this position mark (case-sensitive), or -1.
  int IndexOf(std::string_view position) const;
  bool IsPositionExisting(std::string_view position) const { return IndexOf(position) >= 0; }

  // Appends the component and takes it when its position mark is new; otherwise
  // returns false and the component stays with the caller.
  bool AddVekComponent(std::unique_ptr<TVekComponent>& component);
  // Removes and destroys the component at the index; an index out of range does nothing.
  void RemoveVekComponent(int index);

 private:
  std::string FCompany;
  std::string FCompanyAddress;
  std::string FCompanyReviser;
  double FDate = 0;
  TVekComponentList FVekComponentList;
  std::string FProject;
};

}  // namespace vek
