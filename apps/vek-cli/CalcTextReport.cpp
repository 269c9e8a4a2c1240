// The readable report of "calc": one block per component and a table of its variants
// with the columns of the result selection.
#include <algorithm>
#include <array>

#include "CalcReport.h"
#include "core/NumberFormat.h"
#include "language/Language.h"

namespace vek {

namespace {

constexpr std::size_t kColumns = 8;
using TRow = std::array<std::string, kColumns>;

const TRow kHeader = {"VEK Type",  "Status",    "max. Auslastung [%]", "maßgebend",
                      "Warnungen", "A_zd [kN]", "B_zd [kN]",           "B_xd [kN]"};

// Characters, not bytes: the texts are UTF-8.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::string Status(const TVEKResult& result) {
  return Language().PrintL(result.IsAllProof ? "RPass" : "RFail");
}

// The title of the decisive proof; the key itself where there is no title.
std::string ProofTitle(const std::string& key) {
  if (key.empty()) {
    return "-";
  }
  const std::string title = Language().PrintL(key);
  return title == kTranslationNotFound ? key : title;
}

std::string Fixed2(double value) {
  return FormatFixed(value, 2);
}

void AppendTable(std::string& out, const std::vector<TRow>& rows) {
  std::array<std::size_t, kColumns> widths{};
  for (const TRow& row : rows) {
    for (std::size_t c = 0; c < kColumns; ++c) {
      widths[c] = std::max(widths[c], Width(row[c]));
    }
  }
  for (const TRow& row : rows) {
    std::string line = "  ";
    for (std::size_t c = 0; c < kColumns; ++c) {
      line += row[c];
      if (c + 1 < kColumns) {
        line.append(widths[c] - Width(row[c]) + 2, ' ');
      }
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
}

void AppendComponent(std::string& out, const TVekComponent& component,
                     const std::optional<std::string>& error) {
  const TVek& vek = *component.GetVek();
  out += component.GetPosition() + ": " + component.GetComponent() + " (quantity " +
         std::to_string(component.GetQuantity()) + ")\n";
  out += "  State: " + TVek::StateToStr(vek.GetState()) + "\n";
  if (error) {
    out += "  Error: " + *error + "\n";
  }
  const TVEKResult selected = vek.GetSelectedVEKResult();
  if (vek.GetState() == TVEKState::ASSIGNED && !TVek::IsVEKResultEmpty(selected)) {
    const std::string warnings = Trimmed(selected.GeoWarning);
    out += "  Assigned: " + vek.GetAssignedVek() + "\n";
    out += "  Max. utilisation: " + Fixed2(selected.MaxWorkload) + " % (" +
           ProofTitle(selected.DecisiveProof) + ")\n";
    out += "  Result: " + Status(selected) + "\n";
    out += "  Geometry warnings: " + (warnings.empty() ? std::string("none") : warnings) + "\n";
  } else {
    out += "  Assigned: N/A\n";
  }
  const TVEKResultTable* table = vek.GetVEKModelResultDB();
  if (table && !table->Empty()) {
    std::vector<TRow> rows{kHeader};
    for (const std::string& key : table->OrdinalKeys()) {
      const TVEKResult& r = table->Get(key);
      rows.push_back({key, Status(r), Fixed2(r.MaxWorkload), ProofTitle(r.DecisiveProof),
                      Trimmed(r.GeoWarning), Fixed2(r.A_zd_max), Fixed2(r.B_zd_max),
                      Fixed2(r.B_xd_max)});
    }
    out += "  Variants:\n";
    AppendTable(out, rows);
  }
}

}  // namespace

std::string CalcTextReport(const TCalcOutcome& outcome) {
  const TVekProject& project = *outcome.Project;
  std::string out;
  if (!project.GetProject().empty()) {
    out += "Project: " + project.GetProject() + "\n";
  }
  if (!project.GetCompany().empty()) {
    out += "Company: " + project.GetCompany() + "\n";
  }
  const auto& components = project.GetVekComponentList();
  for (std::size_t i = 0; i < components.size(); ++i) {
    out += "\n";
    AppendComponent(out, *components[i],
                    i < outcome.Errors.size() ? outcome.Errors[i] : std::nullopt);
  }
  return out;
}

}  // namespace vek
