#pragma once

#include "databases/entry_sheet.h"
#include "toolkit/fixed_window.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace velmora {

class SheetPreviewModel;

// "Import Entries": owners' entries taken in from a sheet pasted or opened, a row an owner. As
// the sheet changes, the window shows what Store would do with every row (the core's preview,
// which is what Store writes), asks at once about every name it does not find, and, in a league
// that allows transfers, whether changed picks are transfers or corrections. Store writes the
// entries, the decisions record and the championship in one change, and closes the window;
// closed with entries not stored, it asks first. Unlike the windows of fixed size it can be made
// larger.
class EntryImportWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit EntryImportWindow(League& league, QWidget* parent = nullptr);

public slots:
    void onOpenFileClicked();
    void onStoreClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void reread();
    void rescore();
    void showQuestions();
    bool store();
    // Rows that Store would change.
    bool storesSomething() const;
    void onCopy();

    League& league_;
    SheetLeague sheetLeague_;
    EntrySheet sheet_;
    QHash<QString, int> answers_; // kept while the window is open, whatever the text becomes
    SheetLeague::Preview preview_;
    QStringList asked_; // the keys of the questions shown
    SheetPreviewModel* model_;
    QPlainTextEdit* text_;
    QComboBox* changes_;
    QLabel* changesLabel_;
    QWidget* questionArea_;
    QWidget* questions_;
    QGridLayout* questionRows_;
    QTableView* view_;
    QLabel* report_;
    QPushButton* storeButton_;
};

} // namespace velmora
