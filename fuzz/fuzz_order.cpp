// A finishing order pasted (its first byte the fastest lap picked, its second the rules) on a
// season race's table: it is read whatever it holds, and scored it either fills every team
// row's four cells, each as the rules make it from the cars', or fills none and says why,
// naming the lines it refuses or asks about.
#include "fixture.h"
#include "fuzz.h"
#include "scoring/finishing_order.h"

#include <algorithm>

using namespace velmora;

static const std::vector<TeamRecord>& imola()
{
    static const std::vector<TeamRecord> teams = [] {
        static test::TempData data;
        test::writeSeason(data.dir());
        const auto league = League::open(data.dir(), League::Mode::Read, nullptr);
        RaceResults read;
        CHECK(league && read.load(*league, QStringLiteral("Imola"), nullptr));
        return read.teams();
    }();
    return teams;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    using C = PointsRules::Chassis;
    using E = PointsRules::Engine;
    const PointsRules rules[] = {{{25, 18, 15, 12, 10, 8, 6, 4, 2, 1}, 0, 0, 1, C::Sum, E::Maker},
                                 {{32767}, 32767, -32768, 32767, C::Best, E::Record},
                                 {{-32768, 0}, -1, -32768, -32768, C::Sum, E::Record}};
    const PointsRules& rule = rules[data[1] % 3];
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    QStringList errors;
    const LearntNames learnt =
        LearntNames::parse("driver\tX\tAnn Lee\ndriver\tY\n", QString(), &errors);
    const std::vector<OrderLine> order = readOrder(text);
    const ScoredOrder s =
        scoreOrder(order, data[0] % 9 - 2, rule, imola(), learnt, {{QStringLiteral("z"), 2}});
    CHECK(s.complete() == !s.points.empty());
    CHECK(s.lines.size() == order.size());
    const int lines = int(text.count(u'\n') + text.count(u'\r') + 1);
    for (const OrderLine& l : order)
        CHECK(l.number >= 1 && l.number <= lines && !l.cells.isEmpty());
    for (const ScoredOrder::Question& q : s.questions)
        CHECK(!q.lines.empty() && !q.typed.isEmpty());
    if (!s.complete()) {
        CHECK(!s.refused.isEmpty() || !s.questions.empty());
        return 0;
    }
    // Every cell once, in order; a chassis its two cars' sum or better, an engine maker (each on
    // one record here) their sum.
    CHECK(s.points.size() == 4 * imola().size());
    for (std::size_t k = 0; k < s.points.size(); ++k)
        CHECK(s.points[k].row == int(k / 4) && s.points[k].cell == int(k % 4));
    for (std::size_t k = 0; k < s.points.size(); k += 4) {
        const int d1 = s.points[k + 2].points, d2 = s.points[k + 3].points;
        CHECK(s.points[k].points == (rule.chassis == C::Sum ? d1 + d2 : std::max(d1, d2)));
        CHECK(s.points[k + 1].points == d1 + d2);
    }
    return 0;
}
