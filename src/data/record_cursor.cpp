#include "data/record_cursor.h"

#include <algorithm>

namespace velmora {

RecordCursor::RecordCursor(QString path, QString scratchPath, int recordLength)
    : path_(std::move(path)), scratchPath_(std::move(scratchPath)), length_(recordLength)
{
}

bool RecordCursor::open(QString* error)
{
    return file_.open(path_, length_, error);
}

bool RecordCursor::go(qint64 n, QByteArray* record, QString* error)
{
    n = std::clamp<qint64>(n, 1, std::max<qint64>(count(), 1));
    if (!file_.read(n, record, error))
        return false;
    number_ = n;
    shownRead_ = true;
    return true;
}

bool RecordCursor::store(const QByteArray& record, QString* error,
                         const std::function<QByteArray(qint64)>& gap)
{
    if (!shownRead_) {
        if (error)
            *error = QStringLiteral("Record %1 of \"%2\" could not be read, so nothing is stored "
                                    "over it.")
                         .arg(number_)
                         .arg(path_);
        return false;
    }
    for (qint64 j = count() + 1; gap && j < number_; ++j)
        if (!file_.write(j, gap(j), error))
            return false;
    return file_.write(number_, record, error);
}

bool RecordCursor::remove(QByteArray* record, QString* error)
{
    if (!atNew()) {
        file_.close();
        const bool deleted = deleteRecord(path_, scratchPath_, length_, number_, error);
        // The file is open again either way: a failed delete leaves it as it was.
        if (!open(deleted ? error : nullptr) || !deleted) {
            shownRead_ = deleted ? false : shownRead_;
            return false;
        }
    }
    if (go(number_, record, error))
        return true;
    shownRead_ = false;
    return false;
}

} // namespace velmora
