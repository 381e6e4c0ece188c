#pragma once

#include "data/data_dir.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QFrame;
class QLineEdit;
class QPushButton;

namespace velmora {

class Calculator;
class FlexGrid;
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
    const DataDir& dataDir() const { return dataDir_; }
    Team_Viewer* viewer() const { return viewer_; }

    QFrame* Frame1;
    QPushButton* Command1;
    QPushButton* Sort_Owner;
    QPushButton* Sort_Points;
    FlexGrid* HiScores;
    QLineEdit* Number;

    QAction* File_Output;
    QAction* File_Calc;
    QAction* File_Exit;
    QAction* Setup_Team;
    QAction* Setup_Driver;
    QAction* Comp_Team;
    QAction* Comp_Score;
    QAction* Comp_View;
    QAction* Help_About;

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
    void showError(const QString& text);

    DataDir dataDir_;
    Team_Viewer* viewer_ = nullptr;
    bool loaded_ = false;
    // The not-modal windows that exist at most once: the best/worst result window (it
    // outlives the budget dialog that opens it) and the About box.
    QPointer<Calculator> calculator_;
    QPointer<frmAbout> about_;
};

}  // namespace velmora
