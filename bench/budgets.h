#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// The benchmarks the budgets read, by family name and argument names as the
// reporter keys them ("name/arg:value/...").
namespace BenchNames {
inline const std::string ParsePaste1MB = "parsePaste/bytes:1000000";
inline const std::string ParsePaste10MB = "parsePaste/bytes:10000000";
inline const std::string ReadCss1MB = "readCssPaste/bytes:1000000";
inline const std::string ReadCss10MB = "readCssPaste/bytes:10000000";
inline const std::string ReadCssColor = "readCssColor";
inline const std::string ReadCssFramework = "readCssFramework";
inline const std::string StartEmpty = "startWindow/schemes:0/sorted:0";
inline const std::string Start10k = "startWindow/schemes:10000/sorted:0";
inline const std::string Start10kSorted = "startWindow/schemes:10000/sorted:1";
inline const std::string Add10k = "addScheme/schemes:10000/sorted:0";
inline const std::string Add10kSorted = "addScheme/schemes:10000/sorted:1";
inline const std::string EyedropperMove = "eyedropperMove";
inline const std::string Suggestion = "nearestPassingColor";
inline const std::string FixAll = "fixAllColors";
inline const std::string DarkSet = "deriveDarkSet";
inline const std::string LegibleBackground = "nearestLegibleBackground";
} // namespace BenchNames

// One benchmark's result: the median over repetitions when there were some.
struct Measurement {
    double secondsPerIteration = 0;
    std::optional<double> bytesPerSecond;
    std::string error; // set when the benchmark failed; the numbers are then meaningless
};

using Measurements = std::map<std::string, Measurement>;

struct BudgetLine {
    std::string what;
    std::string measured; // "not measured" or the error when there is no number
    std::string limit;    // empty for lines that only inform
    bool met = true;
};

inline constexpr double MinPasteMegabytesPerSecond = 200; // 1 MB = 10^6 bytes
inline constexpr double MaxPastePerByteGrowth = 1.5;      // 10 MB per-byte time over 1 MB's
inline constexpr double MinCssMegabytesPerSecond = 100;   // a style sheet, body rule at the end
inline constexpr double MaxCssPerByteGrowth = 1.2;        // 10 MB of CSS in 12 x 1 MB's time
inline constexpr double MaxCssColorSeconds = 2e-6;        // one colour text pasted
inline constexpr double MaxCssFrameworkSeconds = 10e-3;   // a 2,000-rule framework, both readings
inline constexpr double MaxStartSecondsWith10k = 0.100;   // loaded and shown
inline constexpr double MaxAddSecondsWith10k = 0.005;     // duplicate check, sorted and list insert
inline constexpr double MaxEyedropperMoveSeconds = 0.004; // pixels read, editor and loupe repainted
inline constexpr double MaxSuggestionSeconds = 0.001;     // the nearest legible colour of one pair
inline constexpr double MaxFixAllSeconds = 0.050;         // all seven pairs of a page
inline constexpr double MaxDarkSetSeconds = 0.050;        // a dark counterpart of a page

// The budget lines in a fixed order. A budget whose benchmark is missing or failed
// is not met, so a filtered or broken run can never pass a check.
std::vector<BudgetLine> evaluateBudgets(const Measurements& measurements);

// The lines as an aligned text table with a header, one line per budget, each ended by '\n'.
std::string budgetTable(const std::vector<BudgetLine>& lines);

bool allMet(const std::vector<BudgetLine>& lines);
