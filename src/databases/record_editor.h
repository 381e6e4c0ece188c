#pragma once

#include "data/data_dir.h"
#include "databases/references.h"
#include "toolkit/record_form.h"

namespace velmora {

// What the two database editors share besides stepping: opening on the first record, and
// Close, which stores the shown record, closes the file and has the entries viewer read
// the files again. Neither ever changes a score: the working record keeps the scores of
// the record read last, and they are written back as they are.
class RecordEditor : public RecordForm {
    Q_OBJECT
public slots:
    void Close_Click();

protected:
    RecordEditor(QWidget* parent, const char* name, const QString& caption, int width, int height,
                 const DataDir& dataDir, QString path, int recordLength);

    DataDir dataDir_;

    // Opens the file and shows its first record; called at the end of the window's
    // constructor.
    void Form_Load();
    // New and a delete that empties the file leave the boxes empty and the working record
    // blank: a new record starts with no points of its own.
    virtual void showEmpty() = 0;
    void clearForNew() override { showEmpty(); }
    // A team or test driver that entries or race files refer to, or one after it, stays.
    bool mayDelete() override;

private:
    Database database_;
};

} // namespace velmora
