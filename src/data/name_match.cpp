#include "data/name_match.h"

#include "data/league.h"
#include "data/text.h"

#include <QCoreApplication>

#include <QStringDecoder>

#include <algorithm>
#include <numeric>

namespace velmora {

QString foldedName(const QString& name)
{
    QString folded;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD))
        if (!c.isMark())
            folded += c;
    return folded.toCaseFolded().trimmed();
}

namespace {

QString lastWord(const QString& folded)
{
    qsizetype from = folded.size();
    while (from > 0 && !folded[from - 1].isSpace())
        --from;
    return folded.mid(from);
}

// Letters to change, add or take away to make one text the other.
int editDistance(const QString& a, const QString& b)
{
    std::vector<int> row(std::size_t(b.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 0; i < a.size(); ++i) {
        int diagonal = row[0]++;
        for (qsizetype j = 0; j < b.size(); ++j) {
            const int up = row[std::size_t(j) + 1];
            row[std::size_t(j) + 1] =
                std::min({up + 1, row[std::size_t(j)] + 1, diagonal + (a[i] != b[j])});
            diagonal = up;
        }
    }
    return row.back();
}

NameMatch matched(std::vector<int> at)
{
    return {at.empty()        ? NameMatch::Kind::NotFound
            : at.size() == 1u ? NameMatch::Kind::Found
                              : NameMatch::Kind::Several,
            std::move(at)};
}

} // namespace

NameMatcher::NameMatcher(QStringList names, bool byLastWord)
    : names_(std::move(names)), byLastWord_(byLastWord)
{
    for (const QString& name : names_) {
        folded_ << foldedName(name);
        lastWords_ << lastWord(folded_.back());
    }
}

NameMatch NameMatcher::matchWhole(const QString& typed) const
{
    std::vector<int> at;
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (names_[i] == typed)
            at.push_back(int(i));
    if (!at.empty())
        return matched(std::move(at));
    const QString folded = foldedName(typed);
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (!folded.isEmpty() && folded_[i] == folded)
            at.push_back(int(i));
    return matched(std::move(at));
}

NameMatch NameMatcher::match(const QString& typed, const std::vector<bool>& setAside) const
{
    NameMatch whole = matchWhole(typed);
    if (whole.kind != NameMatch::Kind::NotFound || !byLastWord_)
        return whole;
    const QString word = lastWord(foldedName(typed));
    std::vector<int> at;
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (!word.isEmpty() && lastWords_[i] == word
            && !(std::size_t(i) < setAside.size() && setAside[std::size_t(i)]))
            at.push_back(int(i));
    return matched(std::move(at));
}

std::vector<int> NameMatcher::closest(const QString& typed, int most) const
{
    const QString folded = foldedName(typed);
    std::vector<std::pair<int, int>> distances; // distance, position
    for (qsizetype i = 0; i < names_.size(); ++i)
        distances.emplace_back(editDistance(folded, folded_[i]), int(i));
    std::stable_sort(distances.begin(), distances.end());
    std::vector<int> at;
    for (std::size_t k = 0; k < distances.size() && int(k) < most; ++k)
        at.push_back(distances[k].second);
    return at;
}

const LearntNames::Name* LearntNames::find(const QString& kind, const QString& typed) const
{
    const QString folded = foldedName(typed);
    for (const Name& n : names)
        if (n.kind == kind && foldedName(n.typed) == folded)
            return &n;
    return nullptr;
}

void LearntNames::learn(const Name& name)
{
    // One name a line: no tab or line break inside it.
    const auto oneLine = [](QString text) {
        for (QChar& c : text)
            if (c == u'\t' || c == u'\n' || c == u'\r')
                c = u' ';
        return text.trimmed();
    };
    const Name learnt = {name.kind, oneLine(name.typed), oneLine(name.means)};
    const QString folded = foldedName(learnt.typed);
    for (Name& n : names)
        if (n.kind == learnt.kind && foldedName(n.typed) == folded) {
            n = learnt;
            return;
        }
    names.push_back(learnt);
}

QByteArray LearntNames::text() const
{
    QString out;
    for (const Name& n : names)
        out += n.kind + u'\t' + n.typed + (n.means.isEmpty() ? QString() : u'\t' + n.means) + u'\n';
    for (const QString& other : others)
        out += other + u'\n';
    return out.toUtf8();
}

LearntNames LearntNames::parse(const QByteArray& bytes, const QString& path, QStringList* errors)
{
    LearntNames read;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = utf8(lines[n]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList fields = line.split(u'\t');
        if (!utf8.hasError() && line.trimmed().isEmpty())
            continue;
        if (!utf8.hasError() && line.startsWith(u'#')) {
            read.others << line;
            continue;
        }
        if (utf8.hasError() || fields.size() < 2 || fields.size() > 3
            || fields[0].trimmed().isEmpty() || fields[1].trimmed().isEmpty()) {
            errors->append(
                QCoreApplication::translate(
                    "LearntNames", "Line %1 of the league's learnt names \"%2\" %3: \"%4\".")
                    .arg(n + 1)
                    .arg(path,
                         utf8.hasError()
                             ? QCoreApplication::translate("LearntNames", "is not UTF-8 text")
                             : QCoreApplication::translate(
                                 "LearntNames", "is not a kind, a tab and a name as typed (then a "
                                                "tab and the league's name)"),
                         quotedText(line)));
            continue;
        }
        read.names.push_back({fields[0].trimmed(), fields[1].trimmed(),
                              fields.size() > 2 ? fields[2].trimmed() : QString()});
    }
    return read;
}

bool readLearntNames(const League& league, LearntNames* names, QString* error, QString* problem)
{
    QByteArray bytes;
    if (!league.readBytes(LeagueFile::LearntNames, &bytes, error))
        return false;
    QStringList errors;
    *names = LearntNames::parse(bytes, league.path(LeagueFile::LearntNames), &errors);
    problem->clear();
    if (!errors.isEmpty())
        *problem = errors.join(u'\n') + u'\n'
                   + QCoreApplication::translate(
                       "LearntNames", "The names of the lines that can be read are used; the file "
                                      "learns no more names until it is mended in a text editor.");
    return true;
}

} // namespace velmora
