#include "budgets.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every budget comfortably met.
Measurements passing()
{
    return {
        {BenchNames::ParsePaste1MB, {0.001, 1'000e6, {}}},
        {BenchNames::ParsePaste10MB, {0.0105, 952.4e6, {}}},
        {BenchNames::StartEmpty, {0.012, std::nullopt, {}}},
        {BenchNames::Start10k, {0.04, std::nullopt, {}}},
        {BenchNames::Start10kSorted, {0.06, std::nullopt, {}}},
        {BenchNames::Add10k, {0.0011, std::nullopt, {}}},
        {BenchNames::Add10kSorted, {0.0023, std::nullopt, {}}},
        {BenchNames::ReadCss1MB, {0.004, 250e6, {}}},
        {BenchNames::ReadCss10MB, {0.044, 227e6, {}}},
        {BenchNames::ReadCssFramework, {0.005, std::nullopt, {}}},
        {BenchNames::ReadCssColor, {0.4e-6, std::nullopt, {}}},
        {BenchNames::EyedropperMove, {0.0005, std::nullopt, {}}},
        {BenchNames::Suggestion, {0.00004, std::nullopt, {}}},
        {BenchNames::FixAll, {0.008, std::nullopt, {}}},
        {BenchNames::DarkSet, {0.012, std::nullopt, {}}},
        {BenchNames::LegibleBackground, {0.03, std::nullopt, {}}},
    };
}

TEST(Budgets, TableOfAPassingRun)
{
    const std::vector<BudgetLine> lines = evaluateBudgets(passing());
    EXPECT_TRUE(allMet(lines));
    EXPECT_EQ(
        budgetTable(lines),
        "Budget                                                       Measured  Limit        "
        "Result\n"
        "paste parser, 1 MB page, BODY at the end                    1000 MB/s  >= 200 MB/s  ok\n"
        "paste parser, 10 MB page, BODY at the end                    952 MB/s  >= 200 MB/s  ok\n"
        "paste parser, 10 MB per-byte time over 1 MB's                  1.05 x  <= 1.50 x    ok\n"
        "window built and shown, empty settings file                  12.00 ms\n"
        "window built and shown, 10,000 schemes                       40.00 ms  < 100 ms     ok\n"
        "window built and shown, 10,000 schemes sorted                60.00 ms  < 100 ms     ok\n"
        "scheme added to 10,000, stored order                          1.10 ms  < 5 ms       ok\n"
        "scheme added to 10,000, sorted                                2.30 ms  < 5 ms       ok\n"
        "CSS reader, 1 MB sheet, body at the end                      250 MB/s  >= 100 MB/s  ok\n"
        "CSS reader, 10 MB sheet, body at the end                     227 MB/s  >= 100 MB/s  ok\n"
        "CSS reader, 10 MB per-byte time over 1 MB's                    1.10 x  <= 1.20 x    ok\n"
        "CSS reader, framework sheet of 2,000 rules, light and dark    5.00 ms  < 10 ms      ok\n"
        "CSS reader, one colour text                                   0.40 us  < 2 us       ok\n"
        "eyedropper move, editor and loupe repainted                   0.50 ms  < 4 ms       ok\n"
        "nearest legible colour of a pair                              0.04 ms  < 1 ms       ok\n"
        "all seven pairs fixed                                         8.00 ms  < 50 ms      ok\n"
        "dark set derived                                             12.00 ms  < 50 ms      ok\n"
        "nearest background that lets all seven pass                  30.00 ms\n");
}

struct BoundaryCase {
    const char* label;
    std::string name;
    Measurement measurement;
    std::size_t line; // index of the budget line it decides
    bool met;
};

TEST(Budgets, Boundaries)
{
    const BoundaryCase cases[] = {
        {"200 MB/s is enough", BenchNames::ParsePaste1MB, {0.005, 200e6, {}}, 0, true},
        {"just under 200 MB/s", BenchNames::ParsePaste1MB, {0.005, 199.9e6, {}}, 0, false},
        {"10 MB under 200 MB/s", BenchNames::ParsePaste10MB, {0.06, 150e6, {}}, 1, false},
        {"1.5 x growth is allowed",
         BenchNames::ParsePaste10MB,
         {0.015, 1'000e6 / 1.5, {}},
         2,
         true},
        {"growth just over 1.5 x",
         BenchNames::ParsePaste10MB,
         {0.016, 1'000e6 / 1.51, {}},
         2,
         false},
        {"a faster 10 MB rate is fine", BenchNames::ParsePaste10MB, {0.009, 1'100e6, {}}, 2, true},
        {"99.9 ms start", BenchNames::Start10k, {0.0999, std::nullopt, {}}, 4, true},
        {"100 ms start is too slow", BenchNames::Start10k, {0.100, std::nullopt, {}}, 4, false},
        {"sorted start too slow", BenchNames::Start10kSorted, {0.25, std::nullopt, {}}, 5, false},
        {"5 ms add is too slow", BenchNames::Add10k, {0.005, std::nullopt, {}}, 6, false},
        {"4.9 ms add", BenchNames::Add10k, {0.0049, std::nullopt, {}}, 6, true},
        {"sorted add too slow", BenchNames::Add10kSorted, {0.02, std::nullopt, {}}, 7, false},
        {"100 MB/s of CSS is enough", BenchNames::ReadCss1MB, {0.01, 100e6, {}}, 8, true},
        {"CSS just under 100 MB/s", BenchNames::ReadCss10MB, {0.1, 99.9e6, {}}, 9, false},
        {"1.2 x CSS growth is allowed", BenchNames::ReadCss10MB, {0.05, 250e6 / 1.2, {}}, 10, true},
        {"CSS growth just over 1.2 x",
         BenchNames::ReadCss10MB,
         {0.05, 250e6 / 1.21, {}},
         10,
         false},
        {"9.99 ms framework", BenchNames::ReadCssFramework, {0.00999, std::nullopt, {}}, 11, true},
        {"10 ms framework is too slow",
         BenchNames::ReadCssFramework,
         {0.010, std::nullopt, {}},
         11,
         false},
        {"1.99 us colour", BenchNames::ReadCssColor, {1.99e-6, std::nullopt, {}}, 12, true},
        {"2 us colour is too slow", BenchNames::ReadCssColor, {2e-6, std::nullopt, {}}, 12, false},
        {"4 ms move is too slow", BenchNames::EyedropperMove, {0.004, std::nullopt, {}}, 13, false},
        {"1 ms suggestion is too slow",
         BenchNames::Suggestion,
         {0.001, std::nullopt, {}},
         14,
         false},
        {"49 ms fix", BenchNames::FixAll, {0.049, std::nullopt, {}}, 15, true},
        {"50 ms fix is too slow", BenchNames::FixAll, {0.050, std::nullopt, {}}, 15, false},
        {"49 ms dark set", BenchNames::DarkSet, {0.049, std::nullopt, {}}, 16, true},
        {"50 ms dark set is too slow", BenchNames::DarkSet, {0.050, std::nullopt, {}}, 16, false},
    };
    for (const BoundaryCase& c : cases) {
        SCOPED_TRACE(c.label);
        Measurements all = passing();
        all[c.name] = c.measurement;
        const std::vector<BudgetLine> lines = evaluateBudgets(all);
        ASSERT_EQ(lines.size(), 18u);
        EXPECT_EQ(lines[c.line].met, c.met);
        EXPECT_EQ(allMet(lines), c.met);
    }
}

struct MissingCase {
    const char* label;
    std::string name;
    std::optional<Measurement> measurement; // nullopt: the benchmark did not run
    std::vector<std::size_t> failing;
    std::string measured;
};

TEST(Budgets, MissingOrFailedBenchmarksNeverPass)
{
    const MissingCase cases[] = {
        {"1 MB parse filtered out",
         BenchNames::ParsePaste1MB,
         std::nullopt,
         {0, 2},
         "not measured"},
        {"10 MB parse failed",
         BenchNames::ParsePaste10MB,
         Measurement{0, std::nullopt, "bad page"},
         {1, 2},
         "error: bad page"},
        {"rate without bytes",
         BenchNames::ParsePaste1MB,
         Measurement{0.001, std::nullopt, {}},
         {0, 2},
         "no byte count"},
        {"start not run", BenchNames::Start10k, std::nullopt, {4}, "not measured"},
        {"sorted add failed",
         BenchNames::Add10kSorted,
         Measurement{0, std::nullopt, "not added"},
         {7},
         "error: not added"},
    };
    for (const MissingCase& c : cases) {
        SCOPED_TRACE(c.label);
        Measurements all = passing();
        if (c.measurement)
            all[c.name] = *c.measurement;
        else
            all.erase(c.name);
        const std::vector<BudgetLine> lines = evaluateBudgets(all);
        EXPECT_FALSE(allMet(lines));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool fails = std::find(c.failing.begin(), c.failing.end(), i) != c.failing.end();
            EXPECT_EQ(lines[i].met, !fails) << lines[i].what;
        }
        EXPECT_EQ(lines[c.failing.front()].measured, c.measured);
    }
}

TEST(Budgets, AnInformingLineNeverFails)
{
    Measurements all = passing();
    all.erase(BenchNames::StartEmpty);
    const std::vector<BudgetLine> lines = evaluateBudgets(all);
    EXPECT_TRUE(allMet(lines));
    EXPECT_EQ(lines[3].measured, "not measured");
    EXPECT_EQ(lines[3].limit, "");
}

} // namespace
