#pragma once

#include <QLocale>
#include <QString>
#include <string>

namespace vek {

// The short date format of a Qt locale in the tokens of the regional settings
// (yyyy, yy, mm, m, dd, d): months as numbers, day names left out, quoted text kept.
std::string ShortDateFormatFromQt(const QString& qtFormat);

// Fills the regional settings of the program run (decimal separator, short date
// format) from the locale; the program calls it with QLocale::system() at start.
void FillRegionalSettings(const QLocale& locale);

}  // namespace vek
