#pragma once

#include <QString>
#include <QWidget>

class QToolButton;

namespace vek {

// A collapsible group of the side panel: a header line with the caption and an arrow,
// and one content panel below it that shows while the group is expanded.
class TExpander : public QWidget {
  Q_OBJECT

 public:
  // Takes the content panel as its child; the expander gets the object name.
  TExpander(const QString& name, QWidget* content, QWidget* parent = nullptr);

  QWidget* Content() const { return FContent; }
  QToolButton* Header() const { return FHeader; }

  QString Text() const;
  void SetText(const QString& text);

  bool IsExpanded() const { return FIsExpanded; }
  void SetExpanded(bool expanded);

 signals:
  void ExpandedChanged(bool expanded);

 private:
  QToolButton* FHeader;
  QWidget* FContent;
  bool FIsExpanded = true;
};

}  // namespace vek
