// What every test shares: the season fixture, the disk-call fault hook, texts as the files
// hold them, and data tables in few lines: typed columns named in one call (which returns the
// call that adds a row of them), the current row's values fetched by those names, text tables.
#pragma once

#include "data/io.h"
#include "data/text.h"
#include "fixture.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <tuple>

namespace velmora::test {

template <class... T> struct Rows {
    void operator()(const char* name, T... values) const { (QTest::newRow(name) << ... << values); }
};
template <class... T, class... Name> Rows<T...> columns(Name... names)
{
    (QTest::addColumn<T>(names), ...);
    return {};
}
template <class... T, class... Name> std::tuple<T...> fetch(Name... names)
{
    return {*static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// A text column for each name and a row for each list, named by its first `key` texts (texts
// before the last names.size() only name it).
inline void textTable(std::initializer_list<const char*> names, const QList<QStringList>& rows,
                      int key = 1)
{
    for (const char* name : names)
        QTest::addColumn<QString>(name);
    for (const QStringList& r : rows) {
        QTestData& row = QTest::newRow(qPrintable(r.mid(0, key).join(u' ')));
        for (const QString& t : r.mid(r.size() - qsizetype(names.size())))
            row << t;
    }
}
template <class... Name> std::array<QString, sizeof...(Name)> fetchTexts(Name... names)
{
    return fetch<decltype(QString(names))...>(names...);
}

} // namespace velmora::test
