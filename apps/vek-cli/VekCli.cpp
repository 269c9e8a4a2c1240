// The command line of vek-cli: "calc" reports the design of a project's components,
// "rewrite" brings a project file up to date.
#include "VekCli.h"

#include <memory>
#include <optional>

#include "CalcReport.h"
#include "CalculateComponents.h"
#include "core/RegionalSettings.h"
#include "core/Release.h"
#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "project/ProjectFile.h"
#include "project/ProjectFileErrors.h"

namespace vek {

namespace {

constexpr const char* kUsage =
    "Usage: vek-cli calc [FILE.vek] [--json] [--lang de|en]\n"
    "       vek-cli rewrite IN.vek OUT.vek\n"
    "       vek-cli --help\n";

void PrintHelp(std::ostream& out) {
  out << "vek-cli " << kReleaseVersion << " (" << kReleaseDate
      << ") - design of parapet anchors without the window\n\n"
      << kUsage
      << "\n"
         "calc [FILE.vek] [--json] [--lang de|en]\n"
         "  Reads the project (without FILE: one default component \"Position 1\",\n"
         "  \"Unbenanntes Bauteil\", quantity 1), recalculating the components that had an\n"
         "  assigned variant. Every component not yet calculated whose inputs are complete\n"
         "  is calculated and gets the smallest variant that passes; one that cannot be\n"
         "  calculated gets an error saying what is missing. Prints per component the\n"
         "  assigned variant, its utilisation, decisive proof and warnings, and a table of\n"
         "  all variants.\n"
         "  --json       print instead one JSON object:\n"
         "               {\"components\":[{\"position\",\"component\",\"quantity\",\"state\",\n"
         "               \"assigned\",\"minOkAnchor\",\"error\",\"variants\":[...]}]}; each "
         "variant\n"
         "               holds every field of the result and its \"proofs\"; numbers in full\n"
         "               precision, non-finite numbers as null\n"
         "  --lang de|en language of the texts (proof titles, warnings, messages); German\n"
         "               by default\n\n"
         "rewrite IN.vek OUT.vek\n"
         "  Reads a project as opening it does (assigned components are recalculated) and\n"
         "  writes it to OUT.vek. OUT.vek is replaced only once it is completely written.\n\n"
         "Projects with the special anchor or a length above 950 mm need the admin mode of\n"
         "the program and are refused.\n\n"
         "Exit codes: 0 success, 1 the file could not be read (or written), 2 usage error.\n";
}

int UsageError(std::ostream& err, const std::string& message) {
  err << "vek-cli: " << message << "\n" << kUsage;
  return kExitUsageError;
}

struct TCalcOptions {
  std::optional<std::string> File;
  bool Json = false;
  std::string Language = "de";
};

// Answers the usage error, or nothing when the arguments are valid.
std::optional<std::string> ParseCalc(const std::vector<std::string>& args, TCalcOptions& options) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      options.Json = true;
    } else if (arg == "--lang" || arg.starts_with("--lang=")) {
      std::string value;
      if (arg == "--lang") {
        if (i + 1 == args.size()) {
          return "--lang needs de or en";
        }
        value = args[++i];
      } else {
        value = arg.substr(7);
      }
      if (value != "de" && value != "en") {
        return "unknown language \"" + value + "\" (de or en)";
      }
      options.Language = value;
    } else if (arg.starts_with("-") && arg != "-") {
      return "unknown option " + arg;
    } else if (options.File) {
      return "calc reads one file";
    } else {
      options.File = arg;
    }
  }
  return std::nullopt;
}

void SetLanguage(const std::string& language) {
  if (language == "en") {
    Language().SetDictionary(std::make_shared<TDictionaryEnglish>());
  } else {
    Language().SetDictionary(std::make_shared<TDictionaryGerman>());
  }
}

std::unique_ptr<TVekProject> DefaultProject() {
  auto project = std::make_unique<TVekProject>();
  auto component = std::make_unique<TVekComponent>(std::make_unique<TVek>(), "Position 1",
                                                   "Unbenanntes Bauteil", 1);
  project->AddVekComponent(component);
  return project;
}

// Reads the file as opening it in the window outside admin mode does; reports a failure
// on err and answers null then.
std::unique_ptr<TVekProject> OpenProject(const std::string& fileName, std::ostream& err) {
  try {
    std::unique_ptr<TVekProject> project = LoadProjectFromFile(fileName);
    if (IsAdminOnlyProject(*project)) {
      throw EAdminProjectError();
    }
    return project;
  } catch (const ELoadProjectError& error) {
    err << error.what() << "\n" << fileName << ": " << error.Reason() << "\n";
  } catch (const EAdminProjectError& error) {
    err << error.what() << "\n" << fileName << "\n";
  }
  return nullptr;
}

int Calc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TCalcOptions options;
  if (const auto problem = ParseCalc(args, options)) {
    return UsageError(err, *problem);
  }
  SetLanguage(options.Language);
  std::unique_ptr<TVekProject> project =
      options.File ? OpenProject(*options.File, err) : DefaultProject();
  if (!project) {
    return kExitFileError;
  }
  TCalcOutcome outcome;
  outcome.Project = project.get();
  outcome.Errors = CalculateProject(*project);
  out << (options.Json ? CalcJsonReport(outcome) : CalcTextReport(outcome));
  return kExitSuccess;
}

int Rewrite(const std::vector<std::string>& args, std::ostream& err) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i].starts_with("-") && args[i] != "-") {
      return UsageError(err, "unknown option " + args[i]);
    }
  }
  if (args.size() != 3) {
    return UsageError(err, "rewrite needs IN.vek and OUT.vek");
  }
  SetLanguage("de");
  std::unique_ptr<TVekProject> project = OpenProject(args[1], err);
  if (!project) {
    return kExitFileError;
  }
  try {
    SaveProjectToFile(*project, args[2]);
  } catch (const ESaveProjectError& error) {
    err << error.what() << "\n" << args[2] << ": " << error.Reason() << "\n";
    return kExitFileError;
  }
  return kExitSuccess;
}

}  // namespace

int RunVekCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      PrintHelp(out);
      return kExitSuccess;
    }
  }
  if (args.empty()) {
    return UsageError(err, "no command given");
  }
  // Variant keys and reports always use the point.
  RegionalSettings().DecimalSeparator = ".";
  if (args[0] == "calc") {
    return Calc(args, out, err);
  }
  if (args[0] == "rewrite") {
    return Rewrite(args, err);
  }
  return UsageError(err, "unknown command \"" + args[0] + "\"");
}

}  // namespace vek
