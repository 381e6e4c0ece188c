#include "as_written.h"

#include "data/text.h"
#include "data/types.h"
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
    return EntryRecord::decode(record).Points;
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
        const EntryRecord entry = EntryRecord::decode(first);
        grid->setTextMatrix(int(i - 1), 1, entry.Owner);
        grid->setTextMatrix(int(i - 1), 2, numberText(entry.Points));
    }
    ::close(fd);
    grid->setRedraw(true);
    grid->setFocus();
    return true;
}

} // namespace velmora::bench
