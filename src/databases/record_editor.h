#pragma once

#include "data/data_dir.h"
#include "data/record_file.h"

#include <QDialog>

#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class Team_Viewer;

// What the two database editors share: one record of a record file shown at a time, the
// current record number kept only as the text of the Number box (' 3'), the shown record
// saved whenever the user steps away from it, adds one or presses Close, and a delete that
// rewrites the file. A subclass owns the working record and the boxes that show it; it
// builds its own controls, places the shared ones, and then calls Form_Load().
//
// The number never leaves 1..count+1: count+1 is a record made by New (or the first of an
// empty file) that the next save appends.
class RecordEditor : public QDialog {
    Q_OBJECT
public:
    QPushButton* New;
    QPushButton* Previous;
    QPushButton* Forward;
    QPushButton* Delete;
    QPushButton* Close;
    QLineEdit* Number;

public slots:
    void Form_Load();
    void Forward_Click();
    void Previous_Click();
    void New_Click();
    void Delete_Click();
    void Close_Click();
    void Form_QueryUnload();

    // Esc does nothing: there is no cancel button; the window is left through Close, which
    // saves, or the close box, which does not.
    void reject() override;

protected:
    RecordEditor(const DataDir& dataDir, Team_Viewer* viewer, QString path, int recordLength,
                 QWidget* parent);

    // Reads record n into the working record (an empty record when there is no record n)
    // and shows it in the boxes.
    virtual void showRecord(qint64 n) = 0;
    // Whether record n can be read; when it cannot, the reason is shown.
    bool readable(qint64 n);
    // Copies the boxes into the working record (its scores stay as they are) and returns
    // the record's bytes.
    virtual QByteArray takeShown() = 0;
    // Empties the boxes; the working record stays as it is.
    virtual void clearBoxes() = 0;
    virtual QWidget* firstBox() const = 0;

    const RecordFile& file() const { return file_; }
    // A label placed at the given twips, its text right-aligned (the labels end where their
    // box or column begins). A text wider than the place grows it to the left, so that it
    // shows whole in fonts wider than the one the layout was drawn for.
    QLabel* addLabel(const char* name, const QString& caption, QWidget* buddy, int left, int top,
                     int width, int height);
    // Tab order in the order given.
    void chainTabs(std::initializer_list<QWidget*> widgets);

    void closeEvent(QCloseEvent* event) override;

private:
    qint64 number() const;
    void setNumber(qint64 n);
    bool saveShown();
    // Shows record n, n kept within the file, and sets the stepping buttons to match.
    void goTo(qint64 n);
    bool reopen();

    DataDir dataDir_;
    Team_Viewer* viewer_;
    QString path_;
    int recordLength_;
    RecordFile file_;
};

} // namespace velmora
