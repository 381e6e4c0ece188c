#include "main/main_window.h"

#include "about/frm_about.h"
#include "calculator/calculate.h"
#include "calculator/calculator.h"
#include "data/io.h"
#include "data/record_file.h"
#include "data/text.h"
#include "databases/entries.h"
#include "databases/team_entry.h"
#include "databases/test_driver.h"
#include "main/league_commands.h"
#include "main/league_table.h"
#include "scoring/score.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "toolkit/twips.h"
#include "viewer/team_viewer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <cerrno>
#include <new>

namespace velmora {

Main::Main(const DataDir& dataDir, QWidget* parent) : QMainWindow(parent), dataDir_(dataDir)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setFixedSize(twipsSize(3465, 4215));
    setCentralWidget(client);

    Frame1 = new QFrame(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    place(Frame1, 135, 60, 3180, 4035);

    // The three heading buttons sit directly above the grid and read as its heading row.
    // They are children of the client area, like the grid, so their positions are the
    // window's own.
    Command1 = new QPushButton(client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setEnabled(false);
    Command1->setFocusPolicy(Qt::NoFocus);
    place(Command1, 180, 195, 960, 240);

    Sort_Owner = new QPushButton(QStringLiteral("Owner"), client);
    Sort_Owner->setObjectName(QStringLiteral("Sort_Owner"));
    place(Sort_Owner, 1155, 195, 945, 240);

    Sort_Points = new QPushButton(QStringLiteral("Points"), client);
    Sort_Points->setObjectName(QStringLiteral("Sort_Points"));
    place(Sort_Points, 2100, 195, 1155, 240);

    HiScores = new FlexGrid(client);
    HiScores->setObjectName(QStringLiteral("HiScores"));
    HiScores->setAccessibleName(QStringLiteral("League table"));
    place(HiScores, 180, 435, 3075, 3615);
    HiScores->setCols(3);
    HiScores->setRows(20);
    HiScores->setFixed(0, 1);
    // The columns line up with the heading buttons above them.
    HiScores->setColumnWidths({twips(960), twips(945), twips(1155)});
    HiScores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Carries a record number to the entry editor; never used by the user, so not shown.
    Number = new QLineEdit(QStringLiteral("1"), client);
    Number->setObjectName(QStringLiteral("Number"));
    Number->setEnabled(false);
    place(Number, -15, 3840, 900, 390);
    Number->hide();

    for (QPushButton* b : {Sort_Owner, Sort_Points})
        b->setAutoDefault(false);
    connect(Sort_Owner, &QPushButton::clicked, this, &Main::Sort_Owner_Click);
    connect(Sort_Points, &QPushButton::clicked, this, &Main::Sort_Points_Click);
    connect(HiScores, &FlexGrid::dblClick, this, &Main::HiScores_DblClick);

    setTabOrder(HiScores, Sort_Owner);
    setTabOrder(Sort_Owner, Sort_Points);

    buildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    loaded_ = Form_Load();
    HiScores->setFocus();

    // Opens in the centre of the screen.
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Main::~Main() = default;

void Main::buildMenu()
{
    auto action = [this](QMenu* menu, const char* name, const QString& caption,
                         void (Main::*handler)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    File_Output = action(file, "File_Output", QStringLiteral("&Output Scores"),
                         &Main::File_Output_Click);
    File_Calc = action(file, "File_Calc", QStringLiteral("&Calculate Best/Worst"),
                       &Main::File_Calc_Click);
    file->addSeparator()->setObjectName(QStringLiteral("File_Separator"));
    File_Exit = action(file, "File_Exit", QStringLiteral("E&xit"), &Main::File_Exit_Click);

    QMenu* setup = menuBar()->addMenu(QStringLiteral("&Setup"));
    setup->setObjectName(QStringLiteral("Setup"));
    Setup_Team = action(setup, "Setup_Team", QStringLiteral("Enter Tro &Teams..."),
                        &Main::Setup_Team_Click);
    Setup_Driver = action(setup, "Setup_Driver", QStringLiteral("Enter Test &Drivers..."),
                          &Main::Setup_Driver_Click);

    QMenu* comp = menuBar()->addMenu(QStringLiteral("&Competition"));
    comp->setObjectName(QStringLiteral("Comp"));
    Comp_Team = action(comp, "Comp_Team", QStringLiteral("Enter &Teams..."),
                       &Main::Comp_Team_Click);
    comp->addSeparator()->setObjectName(QStringLiteral("C_Separator"));
    Comp_Score = action(comp, "Comp_Score", QStringLiteral("&Score a Race..."),
                        &Main::Comp_Score_Click);
    Comp_View = action(comp, "Comp_View", QStringLiteral("&View Full Table..."),
                       &Main::Comp_View_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    Help_About = action(help, "Help_About", QStringLiteral("&About"), &Main::Help_About_Click);
}

void Main::showError(const QString& text) { Messages::error(this, text); }

bool Main::Form_Load()
{
    try {
        return fillTables();
    } catch (const std::bad_alloc&) {
        // A league too large for the memory there is: said, and the program ends.
        showError(io::errorText(QStringLiteral("load"), dataDir_.entries(), ENOMEM));
        return false;
    }
}

bool Main::fillTables()
{
    // The viewer's grid is filled before the league table: the score report reads it.
    viewer_ = new Team_Viewer(dataDir_, this);
    if (!viewer_->loadError().isEmpty()) {
        showError(viewer_->loadError());
        return false;
    }

    QString error;
    RecordFile entries;
    if (!entries.open(dataDir_.entries(), EntryRecord::Length, &error)) {
        showError(error);
        return false;
    }
    const std::vector<EntryRecord> records = entries.readAll<EntryRecord>(&error);
    if (!error.isEmpty()) {
        showError(error);
        return false;
    }
    fillLeagueTable(HiScores, entries.realCount(), records);
    return true;
}

void Main::Sort_Points_Click()
{
    orderLeagueTable(this, dataDir_, HiScores, LeagueOrder::ByPoints);
}

void Main::Sort_Owner_Click()
{
    orderLeagueTable(this, dataDir_, HiScores, LeagueOrder::ByOwner);
}

void Main::File_Output_Click()
{
    // The TEAMS section is the entries viewer's grid as it shows now.
    outputScoreReport(this, dataDir_, viewer()->Spread);
}

void Main::File_Calc_Click()
{
    Calculate dialog(dataDir_, calculator_, this);
    dialog.exec();
}

void Main::File_Exit_Click() { Form_Unload(); }

void Main::Setup_Team_Click()
{
    Team_Entry editor(dataDir_, viewer_, this);
    editor.exec();
}

void Main::Setup_Driver_Click()
{
    Test_Driver editor(dataDir_, viewer_, this);
    editor.exec();
}

void Main::Comp_Team_Click()
{
    Number->setText(QStringLiteral(" 1"));
    Entries::showModal(dataDir_, HiScores, Number, viewer_, this);
    Sort_Points_Click();
}

void Main::Comp_Score_Click()
{
    {
        Score score(dataDir_, HiScores, viewer_, this);
        score.exec();
    }
    Sort_Points_Click();
}

void Main::Comp_View_Click()
{
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void Main::Help_About_Click()
{
    // One About box at a time; one that is closing (hidden, not yet deleted) counts as gone.
    if (!about_ || !about_->isVisible())
        about_ = new frmAbout(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Main::HiScores_DblClick()
{
    Number->setText(recordNumberText(HiScores->row() + 1));
    Entries::showModal(dataDir_, HiScores, Number, viewer_, this);
    Sort_Points_Click();
}

void Main::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Main::Form_Unload()
{
    // Every other window goes with the main window; all data is already on disk.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this)
            w->hide();
    hide();
    QCoreApplication::quit();
}

}  // namespace velmora
