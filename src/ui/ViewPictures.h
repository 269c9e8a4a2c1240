#pragma once

#include <array>
#include <string_view>

#include <QLabel>
#include <QString>

class QSvgRenderer;

namespace vek {

// The drawing of each tab of the drawing area.
struct TViewPictureEntry {
  std::string_view TabName;
  const char* Path;
};

inline constexpr std::array<TViewPictureEntry, 6> kViewPictures = {{
    {"TabSideViewAtticaLoads", ":/views/views/side-attic-loads.svg"},
    {"TabSideViewAtticaGeo", ":/views/views/side-attic-geometry.svg"},
    {"TabSideViewNormalGeo", ":/views/views/side-normal-geometry.svg"},
    {"TabPlanViewGeo", ":/views/views/plan-geometry.svg"},
    {"TabSideViewNormalLoads", ":/views/views/side-normal-loads.svg"},
    {"TabPlanViewLoads", ":/views/views/plan-loads.svg"},
}};

// The resource path of the tab's drawing; empty for another name. Registers
// the window library's resources on the way.
QString ViewPicturePath(std::string_view tabName);

// A label that shows a drawing as large as it fits, keeping its proportions,
// centred; it redraws sharply at every size.
class TViewPicture : public QLabel {
  Q_OBJECT

 public:
  explicit TViewPicture(const QString& path, QWidget* parent = nullptr);

  bool IsValid() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* FRenderer;
};

}  // namespace vek
