#include "shots.h"

#include "databases/entries.h"
#include "main/main_window.h"

#include <QLineEdit>

namespace velmora::shots {

void shootScoring(const Context& context)
{
    // The entry editor as the menu opens it: at the league's first entry.
    Main* main = context.main;
    main->Number->setText(QStringLiteral(" 1"));
    Entries entries(context.data, main->HiScores, main->Number, main->viewer(), main);
    save(context, &entries, QStringLiteral("entries"));
    entries.hide();
}

}  // namespace velmora::shots
