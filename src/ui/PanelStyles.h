#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace vek {

// Names of the panel styles; the result panel shows the outcome of the proofs by them.
inline constexpr const char* kPanelStyleGreen = "PanelStyleGreen";
inline constexpr const char* kPanelStyleOrange = "PanelStyleOrange";
inline constexpr const char* kPanelStyleRed = "PanelStyleRed";
inline constexpr const char* kPanelHeadStyleWhite = "PanelHeadStyleWhite";

// Label colours, alpha first: a missing input and every other one.
inline constexpr QRgb kLabelColorCrimson = 0xFFDC143C;
inline constexpr QRgb kLabelColorBlack = 0xFF000000;

// Gives the panel the style of that name (an unknown name clears its style) and
// remembers the name; the panel needs an object name, which the style sheet selects.
void SetPanelStyle(QWidget* panel, const QString& styleName);
// The name last given by SetPanelStyle; empty before.
QString PanelStyleName(const QWidget* panel);

// Text colour of a label.
void SetLabelColor(QLabel* label, QRgb color);
QRgb LabelColor(const QLabel* label);

}  // namespace vek
