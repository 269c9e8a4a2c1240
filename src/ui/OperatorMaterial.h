#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace vek {

// The operator's pictures and documents, built into the program from the
// operator folder. Replacing the files there rebrands the program.
inline constexpr const char* kMakerLogo = ":/operator/logo-maker.svg";
inline constexpr const char* kCoderLogo = ":/operator/logo-coder.svg";
inline constexpr const char* kSplashPicture = ":/operator/splash.svg";

// Names of the legal documents (operator/legal/<name>.<de|en>.txt).
inline constexpr const char* kTermsOfUseDocument = "terms-of-use";
inline constexpr const char* kDataProtectionDocument = "data-protection";
inline constexpr const char* kLicensesDocument = "licenses";
inline constexpr const char* kImpressumDocument = "impressum";

// The picture at path fitted into size, keeping its proportions; vector
// pictures are drawn at that size. A null pixmap when the picture is missing.
QPixmap OperatorPicture(const QString& path, QSize size);

// The text of a legal document in German or English; empty when it is missing.
QString OperatorDocument(const QString& name, bool german);

// Addresses the information dialog opens (operator/links.json).
struct TOperatorLinks {
  QString ImpressumURL;
  QString LegalNoteURL;
  QString CoderURL;
  // The developer's address as the dialog shows it.
  QString CoderWebsite;
};
const TOperatorLinks& OperatorLinks();

// Registers the resources of the window library; the helpers above do it themselves.
void InitUiResources();

}  // namespace vek
