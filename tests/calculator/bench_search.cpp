// bench_search [repeats]: how long the best/worst search takes at 11, 22 and 60 team
// records, for a few kinds of data. Prints the fastest and the median of the repeats.
#include "calculator/search.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace velmora;

namespace {

enum class Shape { League, PricedByScore, RisingScores, AllZero, AllEqual };

std::vector<TeamRecord> database(int n, Shape shape, QRandomGenerator& rng)
{
    std::vector<TeamRecord> teams(n);
    for (int r = 0; r < n; ++r) {
        ComponentSlot* parts[] = {&teams[r].Team, &teams[r].Engine, &teams[r].Driver1,
                                  &teams[r].Driver2};
        for (int s = 0; s < 4; ++s) {
            parts[s]->Price = float(rng.bounded(1, 61)) * 0.5f;
            switch (shape) {
            case Shape::League: parts[s]->Score = int16_t(rng.bounded(0, 120)); break;
            case Shape::PricedByScore:
                // Dearer components score more: the budget cuts off the best rows.
                parts[s]->Score = int16_t(parts[s]->Price * 4 + float(rng.bounded(0, 10)));
                break;
            case Shape::RisingScores: parts[s]->Score = int16_t(r * 4 + s); break;
            case Shape::AllZero: parts[s]->Score = 0; break;
            case Shape::AllEqual: parts[s]->Score = 7; break;
            }
        }
    }
    return teams;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const struct {
        Shape shape;
        const char* name;
    } shapes[] = {{Shape::League, "league scores"},
                  {Shape::PricedByScore, "score by price"},
                  {Shape::RisingScores, "rising scores"},
                  {Shape::AllZero, "all scores 0"},
                  {Shape::AllEqual, "all scores equal"}};
    QRandomGenerator rng(1);
    std::printf("%-18s %8s %8s %14s %14s\n", "data", "records", "budget", "fastest ms",
                "median ms");
    for (const auto& s : shapes)
        for (int n : {11, 22, 60})
            for (double budget : {40.0, 1e9}) {
                const std::vector<TeamRecord> teams = database(n, s.shape, rng);
                std::vector<double> ms;
                int sink = 0;
                for (int r = 0; r < repeats; ++r) {
                    const auto start = std::chrono::steady_clock::now();
                    const BestWorst result = searchBestWorst(teams, budget);
                    const auto end = std::chrono::steady_clock::now();
                    sink += result.worst ? result.worst->score : 0;
                    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
                }
                std::sort(ms.begin(), ms.end());
                std::printf("%-18s %8d %8.0e %14.3f %14.3f%s\n", s.name, n, budget, ms.front(),
                            ms[ms.size() / 2], sink == 12345 ? " " : "");
            }
    return 0;
}
