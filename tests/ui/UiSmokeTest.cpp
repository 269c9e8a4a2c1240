#include <gtest/gtest.h>

#include <QWidget>

// The window tests need a working platform; this one fails first when it is missing.
TEST(UiPlatform, CreatesAndShowsAWidget) {
  QWidget widget;
  widget.resize(100, 50);
  widget.show();
  EXPECT_TRUE(widget.isVisible());
}
