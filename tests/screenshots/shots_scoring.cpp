#include "shots.h"

#include "databases/entries.h"
#include "gui.h"
#include "main/main_window.h"
#include "scoring/race_score.h"
#include "scoring/score.h"
#include "scoring/td_score.h"
#include "toolkit/flex_grid.h"

#include <QComboBox>
#include <QLineEdit>

namespace velmora::shots {

void shootScoring(const Context& context)
{
    // The entry editor as the menu opens it: at the league's first entry.
    Main* main = context.main;
    auto* hiScores = test::control<FlexGrid>(main, "HiScores");
    Entries entries(context.data, 1, hiScores, main);
    save(context, &entries, QStringLiteral("entries"));
    entries.hide();

    // The scoring window with a race picked, then its two cards for that race.
    Score score(context.data, hiScores, main);
    test::picker(&score, "Race")->setCurrentIndex(0);
    save(context, &score, QStringLiteral("score"));
    score.hide();
    Race_Score teams(context.data, QStringLiteral("Harbourside"), main);
    save(context, &teams, QStringLiteral("race_score"));
    teams.hide();
    TD_Score drivers(context.data, QStringLiteral("Harbourside"), main);
    test::picker(&drivers, "Driver")->setCurrentIndex(0);
    test::box(&drivers, "Price")->setText(QStringLiteral("4"));
    save(context, &drivers, QStringLiteral("td_score"));
    drivers.hide();
}

} // namespace velmora::shots
