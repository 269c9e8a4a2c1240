#pragma once

#include <memory>
#include <vector>

#include <QCheckBox>
#include <QPoint>

namespace vek {

// A check box that acts as a member of a radio group: checking one member
// unchecks the one checked before, and a checked member cannot be unchecked,
// neither by a click nor by the program, while no other member is checked.
class TVekRadioButton : public QCheckBox {
  Q_OBJECT

 public:
  // A new group holding only this button.
  explicit TVekRadioButton(QWidget* owner = nullptr);
  TVekRadioButton(QWidget* owner, bool isChecked);
  ~TVekRadioButton() override;

  // Joins groupMember (leaving its previous group) into this button's group;
  // nothing when it is this button or already a member.
  void AddGroupMember(TVekRadioButton* groupMember);

  // The members of this button's group, itself included, in joining order.
  const std::vector<TVekRadioButton*>& GroupMembers() const { return *FGroupMemberList; }

  bool IsCheckedOldValue() const { return FIsCheckedOldValue; }

  static void SetRadioButtonData(TVekRadioButton* radioButton, QWidget* owner, const QString& text,
                                 int width, int height, QPoint position);

 protected:
  // A click on the only checked member leaves it checked.
  void nextCheckState() override;

 private:
  using TGroupList = std::vector<TVekRadioButton*>;

  void OnChangeGroup();
  void LeaveGroup();

  // Shared by every member; members leave it when they go, and the last one releases it.
  std::shared_ptr<TGroupList> FGroupMemberList;
  bool FIsCheckedOldValue = false;
};

}  // namespace vek
