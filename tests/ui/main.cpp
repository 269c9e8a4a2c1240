// GUI tests run on the real widgets; without a display they use the offscreen
// platform, also when ctest lists the tests at build time.
#include <gtest/gtest.h>

#include <clocale>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  // As in the program: numbers are formatted in the C notation under any user locale.
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
