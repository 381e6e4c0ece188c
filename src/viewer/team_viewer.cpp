#include "viewer/team_viewer.h"

#include "data/record_file.h"
#include "data/text.h"
#include "data/types.h"
#include "toolkit/flex_grid.h"
#include "toolkit/twips.h"
#include "viewer/lookups.h"

#include <QPushButton>
#include <QStyle>

namespace velmora {

namespace {

const QString kFormat =
    QStringLiteral("^             |^Owner           |^Team              |^Engine                "
                   "|^Driver 1                |^Driver 2                 |^Test Driver         ");

constexpr int kInitialRows = 25;

// The row count after filling `entries` entries into a grid of `rows` rows: entry k takes
// rows 2k - 1 and 2k, and two rows are added whenever fewer than three would be left
// below them, so that an empty pair of rows always follows the last entry.
int rowsAfterFill(int rows, qsizetype entries)
{
    for (qsizetype v = 1; v <= 2 * entries - 1; v += 2)
        if (v + 3 >= rows)
            rows += 2;
    return rows;
}

} // namespace

Team_Viewer::Team_Viewer(const DataDir& dataDir, QWidget* parent)
    : Form(parent, "Team_Viewer", QStringLiteral("Team Entries"), 8505, 4560), dataDir_(dataDir)
{
    Spread = new FlexGrid(this);
    Spread->setObjectName(QStringLiteral("Spread"));
    Spread->setAccessibleName(QStringLiteral("Entries"));
    place(Spread, -15, -30, 8535, 4245);
    Spread->setCols(7);
    Spread->setRows(kInitialRows);
    Spread->setFixed(1, 1);
    Spread->setFormatString(kFormat);
    // The headings' widths are meant to fill the grid; with this desktop's font they come
    // out a little wider, so they are narrowed to fit beside the vertical scroll bar.
    Spread->fitColumnsToWidth(Spread->width() - Spread->frameWidth() * 2
                              - Spread->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    // Esc presses Close, as does Enter when it has the focus; Enter on the grid does not.
    auto* Close = addButton(this, "Close", QStringLiteral("Close"), {0, 4215, 8505, 345});
    setCancelButton(Close);
    connect(Close, &QPushButton::clicked, this, &Team_Viewer::Close_Click);
    setTabOrder({Spread, Close});
    Update(&loadError_);
}

bool Team_Viewer::Update(QString* error)
{
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
    QByteArray records;
    if (!readRecords(dataDir_.teams(), &teams, error)
        || !readRecords(dataDir_.testDrivers(), &testDrivers, error)
        || !readRecordBytes(dataDir_.entries(), EntryRecord::Length, &records, error))
        return false;
    const LookupLists lists(teams, testDrivers);
    // Each entry is decoded as its rows are written: a whole league of decoded records
    // would be several times the size of the file.
    const qsizetype count = records.size() / EntryRecord::Length;

    const HeldRedraw held(Spread);
    // The grid grows once to the rows the entries need rather than two rows at a time.
    Spread->setRows(rowsAfterFill(Spread->rows(), count));
    int v = 1;
    for (qsizetype k = 0; k < count; ++k, v += 2) {
        const EntryRecord e = EntryRecord::decode(records.constData() + k * EntryRecord::Length);
        Spread->setTextMatrix(v, 1, displayText(e.Owner));
        Spread->setTextMatrix(v + 1, 1, numberText(e.Points));
        const auto names = lists.names(e);
        const auto scores = lists.scores(e);
        for (int c = 0; c < 5; ++c) {
            Spread->setTextMatrix(v, c + 2, names[std::size_t(c)]);
            Spread->setTextMatrix(v + 1, c + 2, scores[std::size_t(c)]);
        }
    }
    // Rows below the last entry are cleared: after a delete they would still show it.
    for (int r = v; r < Spread->rows(); ++r)
        for (int c = 1; c < 7; ++c)
            Spread->setTextMatrix(r, c, QString());

    // The position column: the entry number on each names row, empty on scores rows.
    int counter = 0;
    for (int i = 1; i < Spread->rows(); ++i)
        Spread->setTextMatrix(i, 0, i % 2 == 1 ? QString::number(++counter) : QString());
    return true;
}

void Team_Viewer::Close_Click()
{
    Spread->setFocus();
    hide();
}

} // namespace velmora
