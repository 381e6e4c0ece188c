#include "shots.h"

#include "databases/team_entry.h"
#include "databases/test_driver.h"
#include "gui.h"
#include "main/main_window.h"

#include <QPushButton>

namespace velmora::shots {

void shootDatabases(const Context& context)
{
    // Second record, so that both stepping buttons show enabled. Stepping saves the first
    // record unchanged; the windows are then dropped without saving anything else.
    {
        Team_Entry teams(context.data, context.main);
        test::button(&teams, "Forward")->click();
        save(context, &teams, QStringLiteral("team_entry"));
    }
    {
        Test_Driver drivers(context.data, context.main);
        test::button(&drivers, "Forward")->click();
        save(context, &drivers, QStringLiteral("test_driver"));
    }
}

} // namespace velmora::shots
