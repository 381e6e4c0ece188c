#include "as_written.h"

#include "main/league_table.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/flex_grid.h"

#include <QFile>

#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::bench {
namespace {

constexpr int L = EntryRecord::Length;

int16_t pointsOf(const char* record)
{
    const auto lo = static_cast<unsigned char>(record[84]);
    const auto hi = static_cast<unsigned char>(record[85]);
    return static_cast<int16_t>(uint16_t(lo | (hi << 8)));
}

bool outOfOrder(const char* first, const char* second, LeagueOrder order)
{
    if (order == LeagueOrder::ByPoints)
        return pointsOf(first) < pointsOf(second);
    return std::memcmp(first, second, TextFieldLength) > 0;
}

// Whole-record reads and writes; the yardstick has no use for partial transfers.
void readRecord(int fd, qint64 n, char* out)
{
    if (::pread(fd, out, L, (n - 1) * L) != L)
        std::memset(out, 0, L);
}

void writeRecord(int fd, qint64 n, const char* in)
{
    if (::pwrite(fd, in, L, (n - 1) * L) != L)
        qFatal("write failed");
}

} // namespace

bool orderInFileAsWritten(const QString& entryPath, FlexGrid* grid, LeagueOrder order)
{
    BusyCursor busy;
    grid->setRedraw(false);
    const int fd = ::open(QFile::encodeName(entryPath).constData(), O_RDWR | O_CREAT, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    ::fstat(fd, &st);
    const qint64 c = st.st_size / L;

    char first[L], second[L];
    bool exchanged;
    do {
        exchanged = false;
        for (qint64 i = 1; i <= c - 1; ++i) {
            readRecord(fd, i, first);
            readRecord(fd, i + 1, second);
            if (outOfOrder(first, second, order)) {
                writeRecord(fd, i, second);
                writeRecord(fd, i + 1, first);
                exchanged = true;
            }
        }
    } while (exchanged);

    for (qint64 i = 1; i <= c; ++i) {
        readRecord(fd, i, first);
        writeLeagueRow(grid, int(i - 1), EntryRecord::decode(first));
    }
    ::close(fd);
    grid->setRedraw(true);
    grid->setFocus();
    return true;
}

BestWorst searchAsWritten(const std::vector<TeamRecord>& teams, double budget)
{
    const int n = int(teams.size());
    int best = 0, worst = INT_MAX;
    TeamPick bestPick, worstPick;

    auto consider = [&](int i, int j, int d1, int d2) {
        const ComponentSlot& team = teams[std::size_t(i)].Team;
        const ComponentSlot& engine = teams[std::size_t(j)].Engine;
        const ComponentSlot& first = teams[std::size_t(d1 / 2)].driver(d1);
        const ComponentSlot& second = teams[std::size_t(d2 / 2)].driver(d2);
        float price = team.Price;
        price += engine.Price;
        price += first.Price;
        price += second.Price;
        if (price > budget)
            return;
        const int score = team.Score + engine.Score + first.Score + second.Score;
        const TeamPick pick{i, j, d1, d2, price, score};
        if (score > best) {
            best = score;
            bestPick = pick;
        }
        if (score < worst) {
            worst = score;
            worstPick = pick;
        }
    };

    // Pass 1: a first driver and a second driver of any teams, the same team's included.
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                for (int l = 0; l < n; ++l)
                    consider(i, j, 2 * k, 2 * l + 1);
    // Pass 2: two first drivers; pass 3: two second drivers.
    for (int slot = 0; slot < 2; ++slot)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n - 1; ++k)
                    for (int l = k + 1; l < n; ++l)
                        consider(i, j, 2 * k + slot, 2 * l + slot);

    BestWorst result;
    if (best > 0)
        result.best = bestPick;
    if (worst != INT_MAX)
        result.worst = worstPick;
    return result;
}

} // namespace velmora::bench
