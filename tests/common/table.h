// Data tables in few lines: typed columns named in one call, the current row's values fetched
// by those names, and tables of texts only.
#pragma once

#include <QTest>

#include <tuple>

namespace velmora::test {

template <class... T, class... Name> void columns(Name... names)
{
    (QTest::addColumn<T>(names), ...);
}
template <class... T, class... Name> std::tuple<T...> fetch(Name... names)
{
    return {*static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// A text column for each name and a row for each list, named by its first `key` texts (texts
// before the last names.size() only name it); the current row's texts.
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
    return {*static_cast<QString*>(QTest::qData(names, qMetaTypeId<QString>()))...};
}

} // namespace velmora::test
