#include "main/main_window.h"

#include "about/frm_about.h"
#include "calculator/calculate.h"
#include "calculator/calculator.h"
#include "data/io.h"
#include "data/record_file.h"
#include "data/text.h"
#include "data/types.h"
#include "databases/entries.h"
#include "databases/team_entry.h"
#include "databases/test_driver.h"
#include "main/league_commands.h"
#include "scoring/score.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "toolkit/form.h"
#include "toolkit/league_table.h"
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

    auto* Frame1 = new QFrame(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    place(Frame1, 135, 60, 3180, 4035);

    // The three heading buttons sit directly above the grid and read as its heading row.
    auto* Command1 = addButton(client, "Command1", QString(), {180, 195, 960, 240});
    Command1->setEnabled(false);
    Command1->setFocusPolicy(Qt::NoFocus);
    auto* Sort_Owner =
        addButton(client, "Sort_Owner", QStringLiteral("Owner"), {1155, 195, 945, 240});
    auto* Sort_Points =
        addButton(client, "Sort_Points", QStringLiteral("Points"), {2100, 195, 1155, 240});

    HiScores = new FlexGrid(client);
    HiScores->setObjectName(QStringLiteral("HiScores"));
    HiScores->setAccessibleName(QStringLiteral("League table"));
    place(HiScores, 180, 435, 3075, 3615);
    HiScores->setCols(3);
    HiScores->setRows(20);
    HiScores->setFixed(0, 1);
    // The columns line up with the heading buttons above them. The last one ends where the
    // grid's view does, so that no cell lies beyond it: the grid then never scrolls sideways,
    // which would slide the position column out and the cells from under their headings.
    HiScores->setColumnWidths({twips(960), twips(945), twips(1155)});
    HiScores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HiScores->setLastColumnFills(true);

    // Carries a record number to the entry editor; never used by the user, so not shown.
    Number = addTextBox(client, "Number", {-15, 3840, 900, 390});
    Number->setText(QStringLiteral("1"));
    Number->setEnabled(false);
    Number->hide();

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
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [this](QMenu* m, const char* name, const QString& caption,
                       void (Main::*handler)()) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
    };
    QMenu* file = menu("File", QStringLiteral("&File"));
    item(file, "File_Output", QStringLiteral("&Output Scores"), &Main::File_Output_Click);
    item(file, "File_Calc", QStringLiteral("&Calculate Best/Worst"), &Main::File_Calc_Click);
    file->addSeparator()->setObjectName(QStringLiteral("File_Separator"));
    item(file, "File_Exit", QStringLiteral("E&xit"), &Main::File_Exit_Click);
    QMenu* setup = menu("Setup", QStringLiteral("&Setup"));
    item(setup, "Setup_Team", QStringLiteral("Enter Tro &Teams..."), &Main::Setup_Team_Click);
    item(setup, "Setup_Driver", QStringLiteral("Enter Test &Drivers..."),
         &Main::Setup_Driver_Click);
    QMenu* comp = menu("Comp", QStringLiteral("&Competition"));
    item(comp, "Comp_Team", QStringLiteral("Enter &Teams..."), &Main::Comp_Team_Click);
    comp->addSeparator()->setObjectName(QStringLiteral("C_Separator"));
    item(comp, "Comp_Score", QStringLiteral("&Score a Race..."), &Main::Comp_Score_Click);
    item(comp, "Comp_View", QStringLiteral("&View Full Table..."), &Main::Comp_View_Click);
    QMenu* help = menu("Help", QStringLiteral("&Help"));
    item(help, "Help_About", QStringLiteral("&About"), &Main::Help_About_Click);
}

bool Main::Form_Load()
{
    try {
        return fillTables();
    } catch (const std::bad_alloc&) {
        // A league too large for the memory there is: said, and the program ends.
        Messages::error(this, io::errorText(QStringLiteral("load"), dataDir_.entries(), ENOMEM));
        return false;
    }
}

bool Main::fillTables()
{
    // The viewer's grid is filled before the league table: the score report reads it.
    viewer_ = new Team_Viewer(dataDir_, this);
    QString error = viewer_->loadError();
    RecordFile entries;
    QByteArray records;
    if (!error.isEmpty() || !entries.open(dataDir_.entries(), EntryRecord::Length, &error)
        || !entries.readAll(&records, &error)) {
        Messages::error(this, error);
        return false;
    }
    fillLeagueTable(HiScores, entries.realCount(), records);
    return true;
}

void Main::run(Form& window)
{
    if (!window.loaded())
        return;
    connect(&window, &Form::entriesChanged, this, &Main::refreshViewer);
    window.exec();
}

void Main::refreshViewer()
{
    QString error;
    if (!viewer_->Update(&error))
        Messages::error(this, error);
}

// An ordering rewrites the entry file: the full table, which shows the entries in the file's
// order and numbers them by it, follows.
void Main::Sort_Points_Click()
{
    orderLeagueTable(this, dataDir_, HiScores, LeagueOrder::ByPoints);
    refreshViewer();
}

void Main::Sort_Owner_Click()
{
    orderLeagueTable(this, dataDir_, HiScores, LeagueOrder::ByOwner);
    refreshViewer();
}

void Main::File_Output_Click()
{
    // The TEAMS section is the entries viewer's grid as it shows now.
    outputScoreReport(this, dataDir_, viewer_->grid());
}

void Main::File_Calc_Click()
{
    Calculate dialog(dataDir_, calculator_, this);
    run(dialog);
}

void Main::File_Exit_Click()
{
    Form_Unload();
}

void Main::Setup_Team_Click()
{
    Team_Entry editor(dataDir_, this);
    run(editor);
}

void Main::Setup_Driver_Click()
{
    Test_Driver editor(dataDir_, this);
    run(editor);
}

void Main::openEntries()
{
    {
        Entries editor(dataDir_, recordNumber(Number->text()), HiScores, this);
        run(editor);
    }
    Sort_Points_Click();
}

void Main::Comp_Team_Click()
{
    Number->setText(QStringLiteral(" 1"));
    openEntries();
}

void Main::HiScores_DblClick()
{
    Number->setText(recordNumberText(HiScores->row() + 1));
    openEntries();
}

void Main::Comp_Score_Click()
{
    {
        Score score(dataDir_, HiScores, this);
        run(score);
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

} // namespace velmora
