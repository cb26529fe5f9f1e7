#include "budgets.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// The measurement, or why there is none.
const Measurement* usable(const Measurements& all, const std::string& name, std::string& why)
{
    const auto it = all.find(name);
    if (it == all.end()) {
        why = "not measured";
        return nullptr;
    }
    if (!it->second.error.empty()) {
        why = "error: " + it->second.error;
        return nullptr;
    }
    return &it->second;
}

BudgetLine throughputLine(const Measurements& all, const std::string& what, const std::string& name,
                          double minimum = MinPasteMegabytesPerSecond)
{
    BudgetLine line{what, {}, format(">= %.0f MB/s", minimum), false};
    const Measurement* m = usable(all, name, line.measured);
    if (!m)
        return line;
    if (!m->bytesPerSecond) {
        line.measured = "no byte count";
        return line;
    }
    const double megabytes = *m->bytesPerSecond / 1e6;
    line.measured = format("%.0f MB/s", megabytes);
    line.met = megabytes >= minimum;
    return line;
}

BudgetLine growthLine(const Measurements& all,
                      const std::string& what = "paste parser, 10 MB per-byte time over 1 MB's",
                      const std::string& smallName = BenchNames::ParsePaste1MB,
                      const std::string& largeName = BenchNames::ParsePaste10MB,
                      double maxGrowth = MaxPastePerByteGrowth)
{
    BudgetLine line{what, {}, format("<= %.2f x", maxGrowth), false};
    const Measurement* small = usable(all, smallName, line.measured);
    if (!small)
        return line;
    const Measurement* large = usable(all, largeName, line.measured);
    if (!large)
        return line;
    if (!small->bytesPerSecond || !large->bytesPerSecond || *large->bytesPerSecond <= 0) {
        line.measured = "no byte count";
        return line;
    }
    // Time per byte is the inverse of the rate.
    const double growth = *small->bytesPerSecond / *large->bytesPerSecond;
    line.measured = format("%.2f x", growth);
    line.met = growth <= maxGrowth;
    return line;
}

// Per-call times in milliseconds, or in microseconds for the calls that take a few.
struct TimeUnit {
    double perSecond;
    const char* name;
};
constexpr TimeUnit Milliseconds{1e3, "ms"};
constexpr TimeUnit Microseconds{1e6, "us"};

BudgetLine timeLine(const Measurements& all, const std::string& what, const std::string& name,
                    double maxSeconds, TimeUnit unit = Milliseconds)
{
    BudgetLine line{what, {}, format("< %g ", maxSeconds * unit.perSecond) + unit.name, false};
    const Measurement* m = usable(all, name, line.measured);
    if (!m)
        return line;
    line.measured = format("%.2f ", m->secondsPerIteration * unit.perSecond) + unit.name;
    line.met = m->secondsPerIteration < maxSeconds;
    return line;
}

BudgetLine infoLine(const Measurements& all, const std::string& what, const std::string& name)
{
    BudgetLine line{what, {}, {}, true};
    if (const Measurement* m = usable(all, name, line.measured))
        line.measured = format("%.2f ms", m->secondsPerIteration * 1e3);
    return line;
}

} // namespace

std::vector<BudgetLine> evaluateBudgets(const Measurements& all)
{
    return {
        throughputLine(all, "paste parser, 1 MB page, BODY at the end", BenchNames::ParsePaste1MB),
        throughputLine(all, "paste parser, 10 MB page, BODY at the end",
                       BenchNames::ParsePaste10MB),
        growthLine(all),
        infoLine(all, "window built and shown, empty settings file", BenchNames::StartEmpty),
        timeLine(all, "window built and shown, 10,000 schemes", BenchNames::Start10k,
                 MaxStartSecondsWith10k),
        timeLine(all, "window built and shown, 10,000 schemes sorted", BenchNames::Start10kSorted,
                 MaxStartSecondsWith10k),
        timeLine(all, "scheme added to 10,000, stored order", BenchNames::Add10k,
                 MaxAddSecondsWith10k),
        timeLine(all, "scheme added to 10,000, sorted", BenchNames::Add10kSorted,
                 MaxAddSecondsWith10k),
        throughputLine(all, "CSS reader, 1 MB sheet, body at the end", BenchNames::ReadCss1MB,
                       MinCssMegabytesPerSecond),
        throughputLine(all, "CSS reader, 10 MB sheet, body at the end", BenchNames::ReadCss10MB,
                       MinCssMegabytesPerSecond),
        growthLine(all, "CSS reader, 10 MB per-byte time over 1 MB's", BenchNames::ReadCss1MB,
                   BenchNames::ReadCss10MB, MaxCssPerByteGrowth),
        timeLine(all, "CSS reader, framework sheet of 2,000 rules, light and dark",
                 BenchNames::ReadCssFramework, MaxCssFrameworkSeconds),
        timeLine(all, "CSS reader, one colour text", BenchNames::ReadCssColor, MaxCssColorSeconds,
                 Microseconds),
        timeLine(all, "eyedropper move, editor and loupe repainted", BenchNames::EyedropperMove,
                 MaxEyedropperMoveSeconds),
        timeLine(all, "nearest legible colour of a pair", BenchNames::Suggestion,
                 MaxSuggestionSeconds),
        timeLine(all, "all seven pairs fixed", BenchNames::FixAll, MaxFixAllSeconds),
        timeLine(all, "dark set derived", BenchNames::DarkSet, MaxDarkSetSeconds),
        infoLine(all, "nearest background that lets all seven pass", BenchNames::LegibleBackground),
    };
}

std::string budgetTable(const std::vector<BudgetLine>& lines)
{
    std::size_t whatWidth = 6;
    std::size_t measuredWidth = 8;
    std::size_t limitWidth = 6;
    for (const BudgetLine& line : lines) {
        whatWidth = std::max(whatWidth, line.what.size());
        measuredWidth = std::max(measuredWidth, line.measured.size());
        limitWidth = std::max(limitWidth, line.limit.size());
    }
    auto row = [&](const std::string& what, const std::string& measured, const std::string& limit,
                   const std::string& result) {
        std::string text = what + std::string(whatWidth - what.size() + 2, ' ');
        text += std::string(measuredWidth - measured.size(), ' ') + measured + "  ";
        text += limit + std::string(limitWidth - limit.size() + 2, ' ');
        text += result;
        // No blanks at the end of a line that has no result.
        text.erase(text.find_last_not_of(' ') + 1);
        return text + '\n';
    };
    std::string table = row("Budget", "Measured", "Limit", "Result");
    for (const BudgetLine& line : lines)
        table += row(line.what, line.measured, line.limit,
                     line.limit.empty() ? ""
                     : line.met         ? "ok"
                                        : "MISSED");
    return table;
}

bool allMet(const std::vector<BudgetLine>& lines)
{
    return std::all_of(lines.begin(), lines.end(), [](const BudgetLine& line) { return line.met; });
}
