// An arbitrary team database and budget through the best/worst search, checked against the
// plain visit of every team while the database is small.

#include "calculator/search.h"
#include "check.h"
#include "data/text.h"
#include "data/types.h"
#include "plain_search.h"

#include <QString>

#include <climits>
#include <cmath>
#include <cstdio>

using namespace velmora;

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
    const BestWorst plain = bench::plainSearch(teams, budget);
    if (!bench::samePick(found.best, plain.best) || !bench::samePick(found.worst, plain.worst)) {
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
    FUZZ_CHECK(bench::samePick(found.best, plain.best));
    FUZZ_CHECK(bench::samePick(found.worst, plain.worst));
    return 0;
}
