#include "data/record_cursor.h"

#include <QCoreApplication>
#include <algorithm>

namespace velmora {

RecordCursor::RecordCursor(League& league, LeagueFile file)
    : league_(league), file_(std::move(file))
{
}

bool RecordCursor::go(qint64 n, QByteArray* record, QString* error)
{
    n = std::clamp<qint64>(n, 1, std::max<qint64>(count(), 1));
    if (!records_.read(n, record, error))
        return false;
    number_ = n;
    shownRead_ = true;
    return true;
}

bool RecordCursor::refuseUnread(QString* error) const
{
    return io::fail(error, QCoreApplication::translate(
                               "RecordCursor", "Record %1 of \"%2\" could not be read, so nothing "
                                               "is stored over it.")
                               .arg(number_)
                               .arg(league_.path(file_)));
}

bool RecordCursor::store(const QByteArray& record, QString* error,
                         const std::function<QByteArray(qint64)>& gap)
{
    if (!shownRead_)
        return refuseUnread(error);
    for (qint64 j = count() + 1; gap && j < number_; ++j)
        if (!league_.store(file_, records_, j, gap(j), error))
            return false;
    return league_.store(file_, records_, number_, record, error);
}

bool RecordCursor::store(const QByteArray& record, std::vector<League::Replacement> with,
                         QString* error)
{
    if (!shownRead_)
        return refuseUnread(error);
    QByteArray bytes;
    if (!league_.readBytes(file_, &bytes, error))
        return false;
    // As a store in place: over record n, or appended over a partial record at the end.
    const qsizetype length = file_.recordLength(), at = qsizetype(number_ - 1) * length;
    bytes =
        at + length <= bytes.size() ? bytes.replace(at, length, record) : bytes.left(at) + record;
    with.push_back({file_, bytes});
    records_.close();
    const bool stored = league_.replace(with, error);
    return open(stored ? error : nullptr) && stored;
}

bool RecordCursor::remove(QString* error, const std::vector<League::Replacement>& with)
{
    if (atNew())
        return true;
    records_.close();
    const bool deleted = league_.remove(file_, number_, error, with);
    if (deleted)
        shownRead_ = false;
    // A failed delete left the file as it was; one that went through is read again from here.
    return open(deleted ? error : nullptr) && deleted;
}

} // namespace velmora
