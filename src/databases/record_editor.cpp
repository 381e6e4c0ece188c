#include "databases/record_editor.h"

namespace velmora {

RecordEditor::RecordEditor(QWidget* parent, const char* name, const QString& caption, int width,
                           int height, const DataDir& dataDir, QString path, int recordLength)
    : RecordForm(parent, name, caption, width, height, std::move(path), dataDir.scratch(),
                 recordLength)
{
}

void RecordEditor::Form_Load()
{
    if (!openFile() || (cursor_.count() > 0 && !showAt(1))) {
        setLoaded(false);
        return;
    }
    updateStepping();
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
