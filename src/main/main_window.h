#pragma once

#include "data/data_dir.h"

#include <QMainWindow>
#include <QPointer>

class QLineEdit;

namespace velmora {

class Calculator;
class FlexGrid;
class Form;
class Team_Viewer;
class frmAbout;

// "Velmora": the league table, its two heading buttons and the menu to every window.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(const DataDir& dataDir, QWidget* parent = nullptr);
    ~Main() override;

    // False when start-up could not read or create the data files; the reason has been
    // shown and the program is to end.
    bool loaded() const { return loaded_; }

public slots:
    void Sort_Points_Click();
    void Sort_Owner_Click();
    void File_Output_Click();
    void File_Calc_Click();
    void File_Exit_Click();
    void Setup_Team_Click();
    void Setup_Driver_Click();
    void Comp_Team_Click();
    void Comp_Score_Click();
    void Comp_View_Click();
    void Help_About_Click();
    void HiScores_DblClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool Form_Load();
    bool fillTables();
    void Form_Unload();
    void buildMenu();
    // Shows a modal window that has loaded; the entries viewer follows what it changes.
    void run(Form& window);
    void refreshViewer();
    // The entry editor at the record the Number box names.
    void openEntries();

    DataDir dataDir_;
    FlexGrid* HiScores;
    QLineEdit* Number;
    Team_Viewer* viewer_ = nullptr;
    bool loaded_ = false;
    // The not-modal windows that exist at most once: the best/worst result window (it
    // outlives the budget dialog that opens it) and the About box.
    QPointer<Calculator> calculator_;
    QPointer<frmAbout> about_;
};

} // namespace velmora
