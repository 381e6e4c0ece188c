#include "calculator/search.h"
#include "data/types.h"
#include "plain_search.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using namespace velmora;
using velmora::bench::plainSearch;
using velmora::bench::samePick;

namespace {

QString describe(const std::optional<TeamPick>& p)
{
    if (!p)
        return QStringLiteral("none");
    return QStringLiteral("(%1,%2,%3,%4 price %5 score %6)")
        .arg(p->team)
        .arg(p->engine)
        .arg(p->driver1)
        .arg(p->driver2)
        .arg(double(p->price))
        .arg(p->score);
}

TeamRecord record(float price, int16_t score)
{
    TeamRecord t;
    for (ComponentSlot* s : {&t.Team, &t.Engine, &t.Driver1, &t.Driver2})
        *s = {QString(), price, score};
    return t;
}

// The four slots of a record by number: 0 Team, 1 Engine, 2 Driver1, 3 Driver2.
ComponentSlot& slotOf(TeamRecord& t, int slot)
{
    ComponentSlot* parts[] = {&t.Team, &t.Engine, &t.Driver1, &t.Driver2};
    return *parts[slot];
}

// A random database made to produce ties, equal prices, exact budget hits, negative scores
// and the occasional huge or negative price.
struct RandomCase {
    std::vector<TeamRecord> teams;
    double budget = 0;
};

// The price of a team of any of the search's three passes, picked at random: a first and a
// second driver, or the first drivers or the second drivers of two different records.
// Priced in floats in the order team, engine, first driver, second driver.
float randomTeamPrice(const std::vector<TeamRecord>& t, QRandomGenerator& rng)
{
    const int n = int(t.size());
    const int pass = n > 1 ? rng.bounded(3) : 0;
    int d1, d2;
    if (pass == 0) {
        d1 = 2 * rng.bounded(n);
        d2 = 2 * rng.bounded(n) + 1;
    } else {
        const int k = rng.bounded(n - 1);
        const int l = rng.bounded(k + 1, n);
        d1 = 2 * k + pass - 1;
        d2 = 2 * l + pass - 1;
    }
    float price = t[rng.bounded(n)].Team.Price;
    price += t[rng.bounded(n)].Engine.Price;
    price += t[d1 / 2].driver(d1).Price;
    price += t[d2 / 2].driver(d2).Price;
    return price;
}

RandomCase randomCase(QRandomGenerator& rng, int maxRecords)
{
    static const float kPrices[] = {0, 0.1f, 0.25f, 0.5f, 1, 2.5f, 3, 7.25f, 9.3f, 12.5f, 20};
    RandomCase c;
    const int n = rng.bounded(maxRecords + 1);
    const int scoreStyle = rng.bounded(4);
    const int priceStyle = rng.bounded(3);
    for (int r = 0; r < n; ++r) {
        TeamRecord t;
        for (int s = 0; s < 4; ++s) {
            ComponentSlot& slot = slotOf(t, s);
            switch (scoreStyle) {
            case 0:
                slot.Score = int16_t(rng.bounded(-3, 4));
                break;
            case 1:
                slot.Score = int16_t(rng.bounded(0, 3));
                break;
            case 2:
                slot.Score = int16_t(rng.bounded(-32768, 32768));
                break;
            default:
                slot.Score = int16_t(rng.bounded(0, 60));
                break;
            }
            switch (priceStyle) {
            case 0:
                slot.Price = kPrices[rng.bounded(int(std::size(kPrices)))];
                break;
            case 1:
                slot.Price = float(rng.generateDouble() * 30);
                break;
            default:
                slot.Price = rng.bounded(10) == 0 ? -float(rng.bounded(5))
                                                  : float(rng.bounded(0, 25)) * 0.5f;
                break;
            }
        }
        c.teams.push_back(t);
    }

    // Budgets: exactly the price of some team, just either side of it, or anything.
    const int style = rng.bounded(5);
    if (n > 0 && style <= 1) {
        const float p = randomTeamPrice(c.teams, rng);
        c.budget = style == 0 ? double(p) : std::nextafter(double(p), -HUGE_VAL);
    } else if (style == 2) {
        c.budget = rng.generateDouble() * 120 - 10;
    } else if (style == 3) {
        c.budget = double(rng.bounded(0, 200)) / 2;
    } else {
        c.budget = rng.bounded(2) ? 1e9 : HUGE_VAL;
    }
    return c;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void budgetIsCompared();
    void firstVisitedWinsAmongEqualScores();
    void passesVisitEveryPairOnceInTheirOrder();
    void emptyAndSingleRecordDatabases();
    void worstIsFilledBestNeedsAScoreAboveZero();
    void scoreIsNotLimitedTo16Bits();
    void sameAsPlainVisit_data();
    void sameAsPlainVisit();
};

void TestSearch::budgetIsCompared()
{
    // One record, four slots of 25: the only team costs exactly 100.
    const std::vector<TeamRecord> one = {record(25, 3)};
    QVERIFY(searchBestWorst(one, 100).best);
    QCOMPARE(searchBestWorst(one, 100).best->price, 100.0f);
    QVERIFY(!searchBestWorst(one, 99.99999).best);
    QVERIFY(!searchBestWorst(one, 99.99999).worst);

    // Four prices of 0.1 add up, in floats, to a little more than 0.4: a budget of 0.4
    // leaves the team out, the float total itself lets it in.
    const std::vector<TeamRecord> tenth = {record(0.1f, 1)};
    float total = 0.1f;
    total += 0.1f;
    total += 0.1f;
    total += 0.1f;
    QVERIFY(double(total) > 0.4);
    QVERIFY(!searchBestWorst(tenth, 0.4).worst);
    QVERIFY(searchBestWorst(tenth, double(total)).worst);
    QVERIFY(!searchBestWorst(tenth, std::nextafter(double(total), 0.0)).worst);

    // The order of the additions shows in the total: 1e8 + 4 + 4 + 4 stays 1e8 in floats
    // (each 4 is lost), while 4 + 4 + 4 + 1e8 would not.
    std::vector<TeamRecord> big = {record(4, 1)};
    big[0].Team.Price = 1e8f;
    QCOMPARE(searchBestWorst(big, 1e8).best->price, 1e8f);
}

void TestSearch::firstVisitedWinsAmongEqualScores()
{
    // Everything equal: the first team of the first pass, for the best and the worst.
    const std::vector<TeamRecord> equal = {record(1, 2), record(1, 2), record(1, 2)};
    const TeamPick first{0, 0, 0, 1, 4, 8};
    QCOMPARE(*searchBestWorst(equal, 100).best, first);
    QCOMPARE(*searchBestWorst(equal, 100).worst, first);

    // Pass 1 before pass 2: Driver1 of record 0 with Driver2 of record 0 (pass 1) ties
    // with the two Driver1s (pass 2).
    std::vector<TeamRecord> t = {record(0, 0), record(0, 0)};
    t[0].Driver1.Score = 10;
    t[1].Driver1.Score = 10;
    t[0].Driver2.Score = 10;
    QCOMPARE(*searchBestWorst(t, 1).best, (TeamPick{0, 0, 0, 1, 0, 20}));

    // Pass 2 before pass 3, though pass 3's team comes from the earlier record: the two
    // Driver1s (10 each, 5 each in price) with team record 1 (score 0, price 0) tie with
    // the two Driver2s (5 each, free) with team record 0 (score 10, price 10). Every
    // team with a Driver1 and a Driver2 scores less or costs too much.
    t = {record(0, 0), record(0, 0)};
    t[0].Team = {QString(), 10, 10};
    for (TeamRecord& r : t) {
        r.Driver1 = {QString(), 5, 10};
        r.Driver2 = {QString(), 0, 5};
    }
    const BestWorst r = searchBestWorst(t, 10);
    QCOMPARE(*r.best, (TeamPick{1, 0, 0, 2, 10, 20}));
    // The worst: team record 1 with the two Driver2s, score 10; engines tie, the first wins.
    QCOMPARE(*r.worst, (TeamPick{1, 0, 1, 3, 0, 10}));

    // Within a pass: an equal score found later under a smaller k does not replace one
    // found earlier under a smaller j.
    t = {record(0, 0), record(0, 0)};
    t[1].Engine.Score = 5;  // (i 0, j 1, k 0, l 0) scores 5 ...
    t[1].Driver1.Score = 5; // ... and so does (i 0, j 0, k 1, l 0), visited earlier
    t[1].Driver1.Price = 1;
    t[1].Engine.Price = 1; // with both, 10 would cost 2: over the budget
    QCOMPARE(*searchBestWorst(t, 1).best, (TeamPick{0, 0, 2, 1, 1, 5}));
}

void TestSearch::passesVisitEveryPairOnceInTheirOrder()
{
    // Two records: pass 1 makes 16 teams (a first and a second driver of either record),
    // passes 2 and 3 four each (the two first drivers, the two second drivers).
    const std::pair<int, int> driverPairs[] = {{0, 1}, {0, 3}, {2, 1}, {2, 3}, {0, 2}, {1, 3}};
    std::vector<TeamPick> order;
    for (const auto& [d1, d2] : driverPairs)
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                order.push_back(TeamPick{i, j, d1, d2, 0, 4});
    int visits[3] = {0, 0, 0};
    for (const TeamPick& p : order) {
        const bool sameSlot = p.driver1 % 2 == p.driver2 % 2;
        ++visits[sameSlot ? 1 + p.driver1 % 2 : 0];
    }
    QCOMPARE(visits[0], 16);
    QCOMPARE(visits[1], 4);
    QCOMPARE(visits[2], 4);

    // Each of those 24 teams is found, with its drivers in the order its pass pairs them,
    // when its four slots are the only ones that score: no other visit holds the same
    // four slots, however the search goes about it.
    for (const TeamPick& p : order) {
        std::vector<TeamRecord> t = {record(0, 0), record(0, 0)};
        t[p.team].Team.Score = 1;
        t[p.engine].Engine.Score = 1;
        t[p.driver1 / 2].driver(p.driver1).Score = 1;
        t[p.driver2 / 2].driver(p.driver2).Score = 1;
        const BestWorst r = searchBestWorst(t, 1);
        QVERIFY2(r.best && *r.best == (TeamPick{p.team, p.engine, p.driver1, p.driver2, 0, 4}),
                 qPrintable(describe(r.best)));
    }

    // No team holds the same driver twice: one scoring driver counts once.
    for (int d = 0; d < 4; ++d) {
        std::vector<TeamRecord> t = {record(0, 0), record(0, 0)};
        t[d / 2].driver(d).Score = 10;
        QCOMPARE(searchBestWorst(t, 1).best->score, 10);
    }
}

void TestSearch::emptyAndSingleRecordDatabases()
{
    const BestWorst none = searchBestWorst({}, 100);
    QVERIFY(!none.best && !none.worst);

    // One record: only pass 1 has a team, its own four components.
    std::vector<TeamRecord> one = {record(0, 0)};
    one[0].Team = {QString(), 1.5f, 1};
    one[0].Engine = {QString(), 2, 2};
    one[0].Driver1 = {QString(), 3, 3};
    one[0].Driver2 = {QString(), 4, 4};
    const BestWorst r = searchBestWorst(one, 100);
    QCOMPARE(*r.best, (TeamPick{0, 0, 0, 1, 10.5f, 10}));
    QCOMPARE(*r.worst, *r.best);
}

void TestSearch::worstIsFilledBestNeedsAScoreAboveZero()
{
    // No race scored yet: every team scores 0. The best stays empty; the worst is the
    // first affordable team (compared with an empty box's 0 it would stay empty too).
    std::vector<TeamRecord> t = {record(5, 0), record(1, 0)};
    BestWorst r = searchBestWorst(t, 11);
    QVERIFY(!r.best);
    QCOMPARE(*r.worst, (TeamPick{0, 1, 2, 3, 8, 0})); // team 5, engine 1, drivers 1 and 1

    // Every score negative: no best; the worst is the lowest.
    t = {record(1, -1), record(1, -2)};
    r = searchBestWorst(t, 100);
    QVERIFY(!r.best);
    QCOMPARE(r.worst->score, -8);

    // Positive scores: the worst is the lowest of them, not left empty.
    t = {record(1, 3), record(1, 1)};
    r = searchBestWorst(t, 100);
    QCOMPARE(r.best->score, 12);
    QCOMPARE(*r.worst, (TeamPick{1, 1, 2, 3, 4, 4}));

    // Nothing affordable: both empty.
    r = searchBestWorst(t, 3.5);
    QVERIFY(!r.best && !r.worst);
}

void TestSearch::scoreIsNotLimitedTo16Bits()
{
    const BestWorst r = searchBestWorst({record(1, 32767), record(1, -32768)}, 100);
    QCOMPARE(r.best->score, 4 * 32767);
    QCOMPARE(r.worst->score, 4 * -32768);
}

void TestSearch::sameAsPlainVisit_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("up to 6 records") << 0;
    QTest::newRow("up to 14 records, rising or falling scores") << 1;
    QTest::newRow("NaN and infinite prices") << 2;
}

void TestSearch::sameAsPlainVisit()
{
    // Prices come from file bytes and may be anything a float holds; a NaN total is never
    // greater than the budget, so such a team counts as affordable.
    const float odd[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(), 3.4e38f};
    QFETCH(int, variant);
    QRandomGenerator rng(20240611 + variant);
    const int rounds[] = {4000, 60, 300};
    for (int round = 0; round < rounds[variant]; ++round) {
        RandomCase c = randomCase(rng, variant == 1 ? 14 : 6);
        const int n = int(c.teams.size());
        // Rising scores make every row improve on the one before; falling, none.
        for (int r = 0; r < n && variant == 1 && round % 3 != 0; ++r)
            for (int s = 0; s < 4; ++s)
                slotOf(c.teams[r], s).Score = int16_t(round % 3 == 1 ? r * 3 + s : 99 - r * 3 - s);
        for (int k = 0; n > 0 && variant == 2 && k < 3; ++k)
            slotOf(c.teams[rng.bounded(n)], rng.bounded(4)).Price = odd[rng.bounded(4)];

        const BestWorst want = plainSearch(c.teams, c.budget);
        const BestWorst got = searchBestWorst(c.teams, c.budget);
        QVERIFY2(samePick(got.best, want.best) && samePick(got.worst, want.worst),
                 qPrintable(QStringLiteral("round %1, %2 records, budget %3: best %4 not %5, "
                                           "worst %6 not %7")
                                .arg(round)
                                .arg(n)
                                .arg(c.budget, 0, 'g', 17)
                                .arg(describe(got.best), describe(want.best), describe(got.worst),
                                     describe(want.worst))));
    }
}

QTEST_GUILESS_MAIN(TestSearch)
#include "test_search.moc"
