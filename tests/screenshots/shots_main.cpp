#include "shots.h"

#include "fixture.h"
#include "main/main_window.h"
#include "viewer/team_viewer.h"

namespace velmora::shots {

void shootMain(const Context& context)
{
    save(context, context.main, QStringLiteral("main"));
    auto* viewer = context.main->findChild<Team_Viewer*>();
    save(context, viewer, QStringLiteral("team_viewer"));
    viewer->hide();

    // A league of 20 entries, as the table looks once it has outgrown its 16 rows.
    test::TempData big;
    std::vector<EntryRecord> entries;
    const char* owners[] = {"Harriet Cole", "Ben Okafor",  "Priya Nair", "Tom Whitlow",
                            "Grace Lund",   "Ollie Sykes", "Ama Mensah", "Lars Berg",
                            "Nina Petrov",  "Jamal Reed",  "Zoe Clarke", "Kenji Mori",
                            "Ines Duarte",  "Sean Walsh",  "Mia Novak",  "Omar Haddad",
                            "Ruth Ellis",   "Dev Patel",   "Elsa Lind",  "Ivo Marsh"};
    int points = 121;
    for (const char* owner : owners)
        entries.push_back(test::entry(QString::fromLatin1(owner), int16_t(points -= 5)));
    test::writeRecords(big.dir().entries(), entries);
    Main league(big.dir());
    save(context, &league, QStringLiteral("main_20_entries"));
    league.hide();
}

} // namespace velmora::shots
