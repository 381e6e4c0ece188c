#include "calculator/best_worst_window.h"

#include "data/text.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/twips.h"

#include <QEventLoop>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <new>
#include <optional>
#include <thread>

namespace velmora {

namespace {

// Above so many team records the search may take more than a few seconds, and much memory.
constexpr std::size_t LargeSearch = 3000;

// The search on a thread of its own, the window's thread drawing meanwhile: a moment later
// (keys and clicks held back until then), a box whose Stop ends it. Nothing, when stopped.
std::optional<BestWorst> searchAside(QWidget* parent, const std::vector<TeamRecord>& teams,
                                     double budget)
{
    std::atomic<bool> stop{false}, done{false}, outOfMemory{false};
    BestWorst found;
    std::thread worker([&] {
        try {
            found = searchBestWorst(teams, budget, &stop);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
        done = true;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done)
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!done) {
        QProgressDialog progress(
            QCoreApplication::translate("velmora::BestWorstWindow",
                                        "Looking through every team the budget buys..."),
            QCoreApplication::translate("velmora::BestWorstWindow", "&Stop"), 0, 0, parent);
        progress.setObjectName(QStringLiteral("Searching"));
        progress.setWindowTitle(
            QCoreApplication::translate("velmora::BestWorstWindow", "Calculate Best/Worst Team"));
        progress.setWindowModality(Qt::ApplicationModal);
        QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] { stop = true; });
        progress.show();
        loop.exec();
    }
    worker.join();
    if (outOfMemory)
        throw std::bad_alloc();
    return stop ? std::nullopt : std::optional(found);
}

} // namespace

BestWorstWindow::BestWorstWindow(const League& league, const QString& budgetText, QWidget* parent)
    : FixedWindow(parent, "Calculator", tr("Calculate Best/Worst Team"), 9030, 3270),
      league_(league)
{
    setAttribute(Qt::WA_DeleteOnClose); // the next budget searches again
    auto* bestFrame = new QGroupBox(tr("Best Possible Team"), this);
    bestFrame->setObjectName(QStringLiteral("Frame1"));
    place(bestFrame, 120, 60, 4335, 2580);
    auto* worstFrame = new QGroupBox(tr("Worst Possible Team"), this);
    worstFrame->setObjectName(QStringLiteral("Frame2"));
    place(worstFrame, 4575, 60, 4335, 2580);
    // The six rows of a frame, top to bottom, in twips within the frame.
    const int tops[6] = {330, 690, 1050, 1410, 1770, 2130};
    const char* const captions[6] = {QT_TR_NOOP("Team:"),     QT_TR_NOOP("Engine:"),
                                     QT_TR_NOOP("Driver 1:"), QT_TR_NOOP("Driver 2:"),
                                     QT_TR_NOOP("Price:"),    QT_TR_NOOP("Score:")};
    const char* const bestBoxes[6] = {"Team", "Engine", "Driver1", "Driver2", "Price", "Score"};
    const char* const bestLabels[6] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
    const char* const worstBoxes[6] = {"Team2",    "Engine2", "Driver12",
                                       "Driver22", "Price2",  "Score2"};
    const char* const worstLabels[6] = {"Label13", "Label12", "Label11",
                                        "Label10", "Label9",  "Label8"};
    for (int r = 0; r < 6; ++r) {
        best_[r] = addTextBox(bestFrame, bestBoxes[r], {1020, tops[r], 3135, 285});
        addLabel(bestFrame, bestLabels[r], tr(captions[r]), {120, tops[r] + 30, 855, 255}, best_[r],
                 Qt::AlignLeft);
        worst_[r] = addTextBox(worstFrame, worstBoxes[r], {1020, tops[r], 3135, 285});
        addLabel(worstFrame, worstLabels[r], tr(captions[r]), {120, tops[r] + 30, 855, 255},
                 worst_[r], Qt::AlignLeft);
    }
    auto* testDriver = addTextBox(this, "TestDriver", {1320, 2790, 3000, 285});
    testDriver->setEnabled(false);
    addLabel(this, "Label7", tr("Test Driver:"), {240, 2820, 1035, 255}, testDriver, Qt::AlignLeft);
    auto* ok = addButton(this, "Okay", tr("&Ok"), {7650, 2775, 1260, 345});
    connect(ok, &QPushButton::clicked, this, &BestWorstWindow::onOkClicked);
    setTabOrder({best_[0], best_[1], best_[2], best_[3], best_[4], best_[5], worst_[0], worst_[1],
                 worst_[2], worst_[3], worst_[4], worst_[5], ok});
    setLoaded(search(budgetText));
}

bool BestWorstWindow::search(const QString& budgetText)
{
    const BusyCursor busy;
    for (QLineEdit* box : best_)
        box->clear();
    for (QLineEdit* box : worst_)
        box->clear();
    std::vector<TeamRecord> teams;
    QString error;
    if (!league_.read(LeagueFile::Teams, &teams, &error)) {
        Messages::error(this, error);
        return false;
    }
    if (teams.size() > LargeSearch
        && !Messages::offer(this,
                            tr("The team database holds %1 team records: looking "
                               "through every team they make may take minutes and "
                               "much memory. Search anyway?")
                                .arg(teams.size()),
                            tr("&Search Anyway")))
        return false;
    const std::optional<BestWorst> searched = searchAside(this, teams, readNumber(budgetText));
    if (!searched)
        return true; // stopped: the boxes stay empty
    const BestWorst& found = *searched;
    // Names are shown as they lie in the record, trailing blanks and all, from their start.
    auto fill = [&teams](const TeamPick& found, const std::array<QLineEdit*, 6>& boxes) {
        const auto picks = found.picks();
        for (std::size_t k = 0; k < 4; ++k)
            showText(boxes[k], picks[k].in(teams[std::size_t(picks[k].record)])->Name);
        showText(boxes[4], numberText(found.price));
        showText(boxes[5], numberText(found.score));
    };
    if (found.best)
        fill(*found.best, best_);
    if (found.worst)
        fill(*found.worst, worst_);
    return true;
}

// Closing discards the window, so that the next budget searches again.
void BestWorstWindow::onOkClicked()
{
    close();
}

} // namespace velmora
