#include "databases/record_editor.h"

#include "data/types.h"
#include "toolkit/dialogs.h"

namespace velmora {

RecordEditor::RecordEditor(QWidget* parent, const char* name, const QString& caption, int width,
                           int height, const DataDir& dataDir, QString path, int recordLength)
    : RecordForm(parent, name, caption, width, height, std::move(path), dataDir.scratch(),
                 recordLength),
      dataDir_(dataDir),
      database_(recordLength == TeamRecord::Length ? Database::Teams : Database::TestDrivers)
{
}

void RecordEditor::Form_Load()
{
    if (!openFile() || (cursor_.count() > 0 && !showAt(1))) {
        setLoaded(false);
        return;
    }
    markShown();
    updateStepping();
}

bool RecordEditor::mayDelete()
{
    References found;
    QString error;
    if (!referencesFrom(dataDir_, database_, cursor_.number(), &found, &error)) {
        Messages::error(this, error);
        return false;
    }
    const QString refusal = deleteRefusal(database_, cursor_.number(), found);
    if (!refusal.isEmpty())
        Messages::error(this, refusal);
    return refusal.isEmpty();
}

void RecordEditor::Close_Click()
{
    if (!storeShown())
        return;
    hide();
    Form_QueryUnload();
    emit entriesChanged();
    accept();
}

} // namespace velmora
