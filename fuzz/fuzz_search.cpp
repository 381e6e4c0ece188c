// An arbitrary team database and budget through the best/worst search, checked against a
// plain visit of every team in the documented order while the database is small.

#include "calculator/search.h"
#include "check.h"
#include "data/text.h"
#include "data/types.h"

#include <QString>

#include <climits>
#include <cmath>
#include <cstdio>

using namespace velmora;

namespace {

bool same(const std::optional<TeamPick>& a, const std::optional<TeamPick>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    // A NaN price is the same price whichever NaN it is: the sign and payload of a sum of
    // NaNs depend on the order the compiler adds them in.
    return a->team == b->team && a->engine == b->engine && a->driver1 == b->driver1
           && a->driver2 == b->driver2 && a->score == b->score
           && (a->price == b->price || (std::isnan(a->price) && std::isnan(b->price)));
}

BestWorst plainVisit(const std::vector<TeamRecord>& t, double budget)
{
    const int n = int(t.size());
    int best = 0, worst = INT_MAX;
    TeamPick bestPick, worstPick;
    auto slot = [&](int d) -> const ComponentSlot& { return t[std::size_t(d / 2)].driver(d); };
    auto visit = [&](int i, int j, int d1, int d2) {
        const float price = t[std::size_t(i)].Team.Price + t[std::size_t(j)].Engine.Price
                            + slot(d1).Price + slot(d2).Price;
        const int score = t[std::size_t(i)].Team.Score + t[std::size_t(j)].Engine.Score
                          + slot(d1).Score + slot(d2).Score;
        if (double(price) > budget)
            return;
        const TeamPick pick{i, j, d1, d2, price, score};
        if (score > best) {
            best = score;
            bestPick = pick;
        }
        if (score < worst) {
            worst = score;
            worstPick = pick;
        }
    };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                for (int l = 0; l < n; ++l)
                    visit(i, j, 2 * k, 2 * l + 1);
    for (int slotOf = 0; slotOf < 2; ++slotOf)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                for (int k = 0; k + 1 < n; ++k)
                    for (int l = k + 1; l < n; ++l)
                        visit(i, j, 2 * k + slotOf, 2 * l + slotOf);
    BestWorst r;
    if (best > 0)
        r.best = bestPick;
    if (worst != INT_MAX)
        r.worst = worstPick;
    return r;
}

} // namespace

// The input: the budget's text up to the first NUL byte, then the team records.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    const std::size_t textEnd = std::find(bytes, bytes + size, '\0') - bytes;
    const double budget = readNumber(QString::fromLatin1(bytes, qsizetype(textEnd)));
    std::vector<TeamRecord> teams;
    for (std::size_t at = std::min(size, textEnd + 1); at + TeamRecord::Length <= size;
         at += TeamRecord::Length)
        teams.push_back(TeamRecord::decode(bytes + at));
    if (teams.size() > 8)
        teams.resize(8);

    const BestWorst found = searchBestWorst(teams, budget);
    const BestWorst plain = plainVisit(teams, budget);
    if (!same(found.best, plain.best) || !same(found.worst, plain.worst)) {
        for (const auto* r : {&found, &plain})
            for (const auto& p : {r->best, r->worst})
                if (p)
                    std::fprintf(stderr, "team %d engine %d drivers %d %d price %g score %d\n",
                                 p->team, p->engine, p->driver1, p->driver2, double(p->price),
                                 p->score);
                else
                    std::fprintf(stderr, "none\n");
        std::fprintf(stderr, "budget %g, %zu teams\n", budget, teams.size());
    }
    FUZZ_CHECK(same(found.best, plain.best));
    FUZZ_CHECK(same(found.worst, plain.worst));
    return 0;
}
