#include "ui/RegionalFromLocale.h"

#include "core/RegionalSettings.h"

namespace vek {

namespace {

// Length of the run of the same character starting at pos.
qsizetype RunLength(const QString& text, qsizetype pos) {
  qsizetype end = pos;
  while (end < text.size() && text[end] == text[pos]) {
    ++end;
  }
  return end - pos;
}

}  // namespace

std::string ShortDateFormatFromQt(const QString& qtFormat) {
  QString result;
  qsizetype pos = 0;
  while (pos < qtFormat.size()) {
    const QChar c = qtFormat[pos];
    if (c == u'\'') {
      // Quoted literal; '' stands for one quote.
      const qsizetype close = qtFormat.indexOf(u'\'', pos + 1);
      if (close == pos + 1) {
        result += u'\'';
        pos += 2;
        continue;
      }
      const qsizetype end = close < 0 ? qtFormat.size() : close;
      result += qtFormat.mid(pos + 1, end - pos - 1);
      pos = end + 1;
      continue;
    }
    const qsizetype run = RunLength(qtFormat, pos);
    if (c == u'd') {
      if (run <= 2) {
        result += QString(run, u'd');
      } else {
        // A day name: drop it with the separator that follows it.
        pos += run;
        while (pos < qtFormat.size() && !qtFormat[pos].isLetter() && qtFormat[pos] != u'\'') {
          ++pos;
        }
        continue;
      }
    } else if (c == u'M') {
      result += run == 1 ? QStringLiteral("m") : QStringLiteral("mm");
    } else if (c == u'y') {
      result += run >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy");
    } else {
      result += QString(run, c);
    }
    pos += run;
  }
  return result.toStdString();
}

void FillRegionalSettings(const QLocale& locale) {
  TRegionalSettings& settings = RegionalSettings();
  settings.DecimalSeparator = locale.decimalPoint().toStdString();
  settings.ShortDateFormat = ShortDateFormatFromQt(locale.dateFormat(QLocale::ShortFormat));
}

}  // namespace vek
