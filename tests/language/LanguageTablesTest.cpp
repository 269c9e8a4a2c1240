#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "language/LanguageKeys.h"

namespace vek {
namespace {

struct TTables {
  std::shared_ptr<IDictionary> German = std::make_shared<TDictionaryGerman>();
  std::shared_ptr<IDictionary> English = std::make_shared<TDictionaryEnglish>();
};

const TTables& Tables() {
  static const TTables tables;
  return tables;
}

std::string Text(const std::shared_ptr<IDictionary>& table, std::string_view key) {
  return TLanguage(table).PrintL(key);
}

TEST(LanguageTables, BothHoldExactlyTheListedKeysInTheListedOrder) {
  const std::vector<std::string> listed(kLanguageKeys.begin(), kLanguageKeys.end());
  EXPECT_EQ(Tables().German->GetDictionary().Keys(), listed);
  EXPECT_EQ(Tables().English->GetDictionary().Keys(), listed);
}

TEST(LanguageTables, EveryKeyHasATextInBothLanguages) {
  for (std::string_view key : kLanguageKeys) {
    for (const auto& table : {Tables().German, Tables().English}) {
      const std::string* text = table->GetDictionary().Find(key);
      ASSERT_NE(text, nullptr) << key;
      EXPECT_FALSE(text->empty()) << key;
    }
  }
}

struct TQuotedText {
  std::string_view Key;
  std::string_view German;
  std::string_view English;
};

// Texts that must read exactly so, odd spacing and line breaks included.
constexpr TQuotedText kQuotedTexts[] = {
    {"SoftwareName", "Keltrum ORBELL Brüstungsanker VEK", "Keltrum Support corbel VEK"},
    {"LShortCut", "DE", "EN"},
    {"German", "Deutsch", "German"},
    {"English", "Englisch", "English"},
    {"BtStandardValue", "Standardwerte", "Default values"},
    {"BtCancel", "Abbrechen", "Cancel"},
    {"SaveQuestion", "Möchten Sie das Projekt speichern?", "Do you want to save the project?"},
    {"InputBoxPassword", "Administrator Passwort erforderlich", "Administrator password required"},
    {"LBoxItemNonStandard", "nicht-standard", "non-standard"},
    {"MeasureParts", "Stück", "Pieces"},
    {"UnknowErrorInCalculation", "Unbekannter Fehler bei der Berechnung aufgetreten!",
     "Unknown error occured during calculation!"},
    {"FormValuesNotSet",
     "Es fehlen noch Werte zur Berechnung:", "Values still missing for calculation:"},
    {"ErrorProjectPositionAlreadyExist", "Bereits vorhanden: ", "Already available: "},
    {"ErrorLoadAdminProjectData",
     "Die gewählte Datei kann nur mit einer Adminberechtigung von Keltrum geöffnet werden!",
     "The selected file can be opened with administrator authorisation of Trevask!"},
    {"ErrorSaveProjectData", "Das Projekt konnte nicht gespeichert werden!",
     "Failed to save the project!"},
    {"MItemHeadPrintFull", "Langausdruck", "Full print out"},
    {"DefaultNewProject", "Unbenanntes Bauvorhaben", "Unnamed construction project"},
    {"DefaultNewComponentComponent", "Unbenanntes Bauteil", "Unnamed construction member"},
    {"ErrorWallLength", "Fassadenplatte muss mindestens 400 mm breit sein!",
     "Façade panel must be at least 400 mm in width!"},
    {"ErrorWallGap", "Fassadenplatte müssen mindestens 200 mm Abstand zueinander haben!",
     "Support corbels must have at least 200 mm  distance to each other!"},
    {"ErrorWallGapE", "Fassadenplatte muss einen Abstand zur Deckenplatte haben!",
     "Façade panel must have a distance to the slab!"},
    {"LblResultNotVek", "Nicht ausgewählt!", "Not selected!"},
    {"DesignNotesFileName", "TREVASK_VEK_HinweiseBemessung.pdf", "TREVASK_VEK_NotesDesign.pdf"},
    {"TTipZoomPercent100", "Zoom 100%", "Zoom 100%"},
    {"LblUpdateNotCheckAvailable",
     "Bitte klicken Sie auf Updates suchen, um die Version zu überprüfen.",
     "Please click on Check for updates, to check version. "},
    {"LblUpdateAvailable", "Es steht eine neuere Version zum Download bereit.",
     "New version is available."},
    {"BtLoadVersion", "Update herunterladen", "Install update"},
    {"RFail", "nicht OK", "not OK"},
    {"RAnchorSpecialSize", "Sonderprofilgröße", "Customized section size"},
    {"RFooterSoftwareVersion", "Version %s", "Version %s"},
    {"RPartsList", "Keltrum Brüstungsanker VEK Stückliste", "Keltrum Support Corbel VEK part list"},
    {"RDescVek1",
     "Keltrum Brüstungsanker VEK-%s mit Keltrum Brüstungsanker-Set VEK-Set%s oder gleichwertig aus "
     "nichtrostendem Stahl der Korrosionsschutzklasse III, ",
     "Keltrum Support Corbel VEK-%s with Keltrum Support Corbel-Set VEK-Set%s or equivalent made "
     "of stainless  steel Corrosion Protection Class III, "},
    {"RDescVek2",
     "typengeprüft, versehen mit Ü-Zeichen und CE-Zeichen, zur Befestigung von "
     "Stahlbetonfassadenelementen liefern.",
     "type tested, provided with Ü-mark and CE-mark, for fastening of reinforced concrete façade "
     "elements."},
    {"RDescVek3", "\nProfilgröße (1 bis 8): %s", "\nSection size (1 to 8): %s"},
    {"RDescVek4", "\nLänge L: %s mm", "\nLength L: %s mm"},
    {"RDescVek6",
     "\nVorbehaltlich abweichender Anforderungen nach abgeschlossener Tragwerksplanung.",
     "\nSubject to modified requirements due to finalised structural analysis."},
    {"3.1.1_structural_safety_posA", "Tragsicherheit: Stelle A", "Structural safety: Location A"},
    {"3.3.3_buckling_3", "Beulsicherheit: vorh (b/t) Untergurt",
     "Buckling:: available (b/t) Bottom flange"},
    {"5.5_local_load_introduction_5", "Stelle A, Verstellschraube, Knicken",
     "Location A, Adjustment screw, buckling"},
    {"6.4.3_z_direction_variant_1_3", "Beanspruchung in z-Richtung Variante 1 - 3/3",
     "Beanspruchung in z-Direction Variante 1 - 3/3"},
    {"6.5.3_x_y_direction_variant_1_3",
     "Beanspruchung in x- und y-Richtung  Variante 1 - Schnitt 1 - 3/3",
     "Beanspruchung in x-y-Direction  Variante 1 - Schnitt 1 - 3/3"},
    {"6.4.3_z_direction_variant_2_3", "Stelle B, X-Scheibe, z-Richtung,Vergleich",
     "Location B, X-Washer, z-Direction, Equivalent"},
    {"thickness", "Stärke Br.", "Thickness"},
    {"adjust", "Justierung", "Adjustment"},
};

TEST(LanguageTables, QuotedTextsAreExactInBothLanguages) {
  for (const TQuotedText& quoted : kQuotedTexts) {
    EXPECT_EQ(Text(Tables().German, quoted.Key), quoted.German) << quoted.Key;
    EXPECT_EQ(Text(Tables().English, quoted.Key), quoted.English) << quoted.Key;
  }
}

struct TComposedText {
  std::string_view Key;
  std::vector<std::string_view> German;
  std::vector<std::string_view> English;
};

std::string Joined(const std::vector<std::string_view>& parts) {
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    text += (i > 0 ? "\n\r" : "");
    text += parts[i];
  }
  return text;
}

TEST(LanguageTables, ComposedTextsJoinTheirPartsWithLineFeedThenCarriageReturn) {
  const TComposedText composed[] = {
      {"LblCeilingWallGabReinforcement",
       {"Spaltzugbewehrung (z.B. Randeinfassungsbügel) von mindestens",
        "1 Ø 8 mm muss im Auflagerbereich vorhanden sein."},
       {"Splitting tensile reinforcement (e.g. edge stirrups) of at least",
        "1 Ø 8 mm must be present in the bearing area."}},
      {"ImgCDetailInfoQhik",
       {"Umrechnung von Punktlasten in Linienlasten:", "q_hi,k = H_ik / (ℓ_br / 2)"},
       {"Conversion of point loads into line loads:", "q_hi,k = H_ik / (ℓ_br / 2)"}},
      {"ImgCDetailInfoQvik",
       {"Umrechnung von Punktlasten in Linienlasten:", "q_vi,k = V_ik / (ℓ_br / 2)"},
       {"Conversion of point loads into line loads:", "q_vi,k = V_ik / (ℓ_br / 2)"}},
  };
  for (const TComposedText& text : composed) {
    EXPECT_EQ(Text(Tables().German, text.Key), Joined(text.German)) << text.Key;
    EXPECT_EQ(Text(Tables().English, text.Key), Joined(text.English)) << text.Key;
  }
}

TEST(LanguageTables, SoftwareVersionFooterCarriesTheVersionInBothLanguages) {
  for (const auto& table : {Tables().German, Tables().English}) {
    EXPECT_EQ(TLanguage(table).PrintL("RFooterSoftwareVersion", {"2.0.0"}), "Version 2.0.0");
  }
}

TEST(LanguageTables, TenderTextPartsFillTheirPlaceholders) {
  const TLanguage german(Tables().German);
  EXPECT_EQ(german.PrintL("RDescVek3", {"3"}), "\nProfilgröße (1 bis 8): 3");
  EXPECT_EQ(german.PrintL("RDescVek4", {"550"}), "\nLänge L: 550 mm");
  const TLanguage english(Tables().English);
  EXPECT_EQ(english.PrintL("RDescVek1", {"NJ", "J"}),
            "Keltrum Support Corbel VEK-NJ with Keltrum Support Corbel-Set VEK-SetJ or equivalent "
            "made of stainless  steel Corrosion Protection Class III, ");
}

}  // namespace
}  // namespace vek
