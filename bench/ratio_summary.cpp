#include "bench/ratio_summary.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <vector>

namespace bench {

namespace {

struct Ratio {
    std::string numerator;
    std::string denominator;
    double target;
};

std::vector<Ratio>& ratios()
{
    static std::vector<Ratio> all;
    return all;
}

// The console's report, and then a table of the registered ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            remember(run);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-40s %-40s %8s %8s\n", "ratio of CPU times", "to", "ratio", "target");
        for (const Ratio& ratio : ratios())
            print(ratio);
    }

private:
    void remember(const Run& run)
    {
        if (run.error_occurred)
            return;
        const std::string name = run.run_name.str();
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (median || (run.run_type == Run::RT_Iteration && !fromMedian_[name])) {
            cpu_[name] = run.GetAdjustedCPUTime();
            fromMedian_[name] = median;
        }
    }

    void print(const Ratio& ratio) const
    {
        const auto top = cpu_.find(ratio.numerator);
        const auto bottom = cpu_.find(ratio.denominator);
        if (top == cpu_.end() || bottom == cpu_.end() || bottom->second <= 0) {
            std::printf("%-40s %-40s %8s %8.2f\n", ratio.numerator.c_str(), ratio.denominator.c_str(), "-",
                        ratio.target);
            return;
        }
        const double value = top->second / bottom->second;
        std::printf("%-40s %-40s %8.3f %8.2f %s\n", ratio.numerator.c_str(), ratio.denominator.c_str(), value,
                    ratio.target, value <= ratio.target ? "met" : "MISSED");
    }

    std::map<std::string, double> cpu_;
    std::map<std::string, bool> fromMedian_;
};

} // namespace

bool addRatio(const std::string& numerator, const std::string& denominator, double target)
{
    ratios().push_back({numerator, denominator, target});
    return true;
}

} // namespace bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
