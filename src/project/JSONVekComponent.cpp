#include "project/JSONVekComponent.h"

#include "project/ProjectFileErrors.h"

namespace vek {

void TJSONVekComponent::SetJSONData(const TVekComponent& component) {
  FComponent = component.GetComponent();
  FVek = component.GetVek() ? std::make_unique<TJSONVek>(*component.GetVek()) : nullptr;
  FPosition = component.GetPosition();
  FQuantity = component.GetQuantity();
}

std::unique_ptr<TVekComponent> TJSONVekComponent::CreateVekComponent() const {
  if (!FVek) {
    throw ELoadProjectError("a component has no design case");
  }
  auto component = std::make_unique<TVekComponent>(FVek->CreateVek(), FPosition, FComponent, 1);
  // A quantity below 1 leaves the 1.
  component->SetQuantity(FQuantity);
  return component;
}

}  // namespace vek
