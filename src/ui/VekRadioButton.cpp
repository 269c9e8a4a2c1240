#include "ui/VekRadioButton.h"

#include <algorithm>

#include "ui/VekCheckBox.h"

namespace vek {

TVekRadioButton::TVekRadioButton(QWidget* owner)
    : QCheckBox(owner), FGroupMemberList(std::make_shared<TGroupList>(TGroupList{this})) {
  connect(this, &QCheckBox::toggled, this, &TVekRadioButton::OnChangeGroup);
}

TVekRadioButton::TVekRadioButton(QWidget* owner, bool isChecked) : TVekRadioButton(owner) {
  setChecked(isChecked);
  FIsCheckedOldValue = isChecked;
}

TVekRadioButton::~TVekRadioButton() {
  LeaveGroup();
}

void TVekRadioButton::LeaveGroup() {
  std::erase(*FGroupMemberList, this);
}

void TVekRadioButton::AddGroupMember(TVekRadioButton* groupMember) {
  if (groupMember == nullptr || groupMember == this ||
      std::ranges::find(*FGroupMemberList, groupMember) != FGroupMemberList->end()) {
    return;
  }
  groupMember->LeaveGroup();
  FGroupMemberList->push_back(groupMember);
  for (TVekRadioButton* member : *FGroupMemberList) {
    member->FGroupMemberList = FGroupMemberList;
  }
}

void TVekRadioButton::nextCheckState() {
  if (isChecked()) {
    const bool otherChecked = std::ranges::any_of(
        *FGroupMemberList, [this](TVekRadioButton* m) { return m != this && m->isChecked(); });
    if (!otherChecked) {
      return;
    }
  }
  QCheckBox::nextCheckState();
}

void TVekRadioButton::OnChangeGroup() {
  // Unchecking a member re-enters here for that member; the list is copied
  // because the handling must not depend on the list staying untouched.
  const TGroupList members = *FGroupMemberList;
  for (TVekRadioButton* member : members) {
    if (member != this) {
      member->setChecked(!member->FIsCheckedOldValue && member->isChecked());
    }
  }
  const bool anyChecked =
      std::ranges::any_of(members, [](TVekRadioButton* m) { return m->isChecked(); });
  if (!anyChecked) {
    setChecked(true);
  }
  FIsCheckedOldValue = isChecked();
}

void TVekRadioButton::SetRadioButtonData(TVekRadioButton* radioButton, QWidget* owner,
                                         const QString& text, int width, int height,
                                         QPoint position) {
  TVekCheckBox::SetCheckBoxData(radioButton, owner, text, width, height, position);
}

}  // namespace vek
