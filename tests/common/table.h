// What every test shares (the fixture, the fault hook, Qt Test) and tables in few lines: typed
// columns named in one call, which returns the call adding a row; a row's values by those names.
#pragma once

#include "data/io.h"
#include "data/text.h"
#include "fixture.h"

#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <tuple>

namespace velmora::test {

template <class... T, class... Name> auto columns(Name... names)
{
    (QTest::addColumn<T>(names), ...);
    return [](const char* name, T... values) { (QTest::newRow(name) << ... << values); };
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
inline const auto fetchTexts = [](auto... names) {
    return fetch<decltype(QString(names))...>(names...);
};

// A program run to its end, with the arguments' placeholders (each key of `folders`) replaced:
// its exit status and all it said, on either channel.
inline std::pair<int, QString>
runProgram(const QString& program, QStringList args, const QMap<QString, QString>& folders,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    for (QString& a : args)
        for (auto it = folders.cbegin(); it != folders.cend(); ++it)
            a.replace(it.key(), it.value());
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.setProcessEnvironment(environment);
    run.start(program, args);
    if (!run.waitForFinished(60000))
        return {-1, QStringLiteral("(did not end)")};
    return {run.exitStatus() == QProcess::NormalExit ? run.exitCode() : 128 + run.exitCode(),
            QString::fromLocal8Bit(run.readAll())};
}

} // namespace velmora::test

using namespace velmora;
using namespace velmora::test;
