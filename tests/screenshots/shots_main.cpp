#include "shots.h"

#include "main/main_window.h"
#include "viewer/team_viewer.h"

namespace velmora::shots {

void shootMain(const Context& context)
{
    save(context, context.main, QStringLiteral("main"));
    save(context, context.main->viewer(), QStringLiteral("team_viewer"));
    context.main->viewer()->hide();
}

}  // namespace velmora::shots
