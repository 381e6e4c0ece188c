#include "databases/database_editor.h"

#include "toolkit/dialogs.h"

namespace velmora {

bool deletable(QWidget* parent, const League& league, LeagueFile::Kind database, qint64 record)
{
    References found;
    QString error;
    if (!referencesFrom(league, database, record, &found, &error)) {
        Messages::error(parent, error);
        return false;
    }
    const QString refusal = deleteRefusal(database, record, found);
    if (!refusal.isEmpty())
        Messages::error(parent, refusal);
    return refusal.isEmpty();
}

} // namespace velmora
