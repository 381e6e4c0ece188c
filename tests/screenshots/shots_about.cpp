#include "shots.h"

#include "about/frm_about.h"
#include "main/main_window.h"

namespace velmora::shots {

void shootAbout(const Context& context)
{
    frmAbout about(context.main);
    save(context, &about, QStringLiteral("about"));
}

} // namespace velmora::shots
