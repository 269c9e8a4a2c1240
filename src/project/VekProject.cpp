#include "project/VekProject.h"

namespace vek {

int TVekProject::IndexOf(std::string_view position) const {
  for (size_t i = 0; i < FVekComponentList.size(); ++i) {
    if (FVekComponentList[i]->GetPosition() == position) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool TVekProject::AddVekComponent(std::unique_ptr<TVekComponent>& component) {
  if (!component || IsPositionExisting(component->GetPosition())) {
    return false;
  }
  FVekComponentList.push_back(std::move(component));
  return true;
}

void TVekProject::RemoveVekComponent(int index) {
  if (index < 0 || static_cast<size_t>(index) >= FVekComponentList.size()) {
    return;
  }
  FVekComponentList.erase(FVekComponentList.begin() + index);
}

}  // namespace vek
