// A budget's text up to the first NUL byte, then at most eight team records: the best/worst
// search picks as the plain visit of every team does.
#include "data/text.h"
#include "fuzz.h"
#include "plain_search.h"

#include <algorithm>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    const std::size_t textEnd = std::find(bytes, bytes + size, '\0') - bytes;
    const double budget = readNumber(QString::fromLatin1(bytes, qsizetype(textEnd)));
    std::vector<TeamRecord> teams;
    for (std::size_t at = textEnd + 1; at + TeamRecord::Length <= size && teams.size() < 8;
         at += TeamRecord::Length)
        teams.push_back(TeamRecord::decode(bytes + at));
    const BestWorst got = searchBestWorst(teams, budget), want = test::plainSearch(teams, budget);
    CHECK(got.best == want.best && got.worst == want.worst);
    return 0;
}
