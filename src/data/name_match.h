#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmora {

class League;

// A name as names typed by people are compared: decomposed, its accents and other marks
// removed, case folded and the blanks around it removed ("  Zoë " and "ZOE" are one name).
QString foldedName(const QString& name);

// How a typed name stands to a list of the league's names.
struct NameMatch {
    enum class Kind { Found, NotFound, Several };
    Kind kind = Kind::NotFound;
    // The names it fits, by position in the list: one when found, two or more when several.
    std::vector<int> at;
};

// The league's names of one kind (its drivers, its owners), matched against names people type:
// never guessed, so a name that fits no name or more than one is left to the organiser.
class NameMatcher {
public:
    // byLastWord: a name found no other way may be the last word of exactly one name (a results
    // page gives drivers by surname).
    NameMatcher(QStringList names, bool byLastWord);

    const QStringList& names() const { return names_; }
    // The names the typed one is exactly (letter for letter), else the names it is but for letter
    // case, accents and the blanks around it; with byLastWord, else those whose last word it
    // ends in, leaving out the names set aside (setAside[i] true: taken by another line).
    NameMatch match(const QString& typed, const std::vector<bool>& setAside = {}) const;
    // The same without the last word: the names the typed one is, letters aside.
    NameMatch matchWhole(const QString& typed) const;
    // The positions of the `most` names closest to the typed one (letter case and accents
    // aside) by edit distance, closest first, equally close ones in list order.
    std::vector<int> closest(const QString& typed, int most) const;

private:
    QStringList names_, folded_, lastWords_;
    bool byLastWord_;
};

// The names the league has learnt to match: what was typed once (on a results page, in a
// spreadsheet) and the name of the league's it stands for, or none of the league's (a car the
// league does not follow). Kept in the league's folder ("learnt-names.txt"), UTF-8 text, a
// line a name: its kind ("driver"), a tab, the name as typed, and a tab and the league's name
// unless it stands for none. Lines of other kinds are kept as they are.
struct LearntNames {
    struct Name {
        QString kind, typed, means; // means: empty for none of the league's
        friend bool operator==(const Name&, const Name&) = default;
    };
    std::vector<Name> names;
    QStringList others;

    // What the league learnt a typed name of a kind stands for (folded names compared).
    const Name* find(const QString& kind, const QString& typed) const;
    // Learns (or learns anew) what a typed name stands for.
    void learn(const Name& name);
    QByteArray text() const;
    // The names the bytes give; a line that cannot be read (not UTF-8, a name line without its
    // typed name) is told in *errors by its number (`path` names the file) and left out.
    static LearntNames parse(const QByteArray& bytes, const QString& path, QStringList* errors);
    friend bool operator==(const LearntNames&, const LearntNames&) = default;
};

// The league's learnt names. False, with the file and the reason in *error, when it cannot be
// read. Its lines that cannot be read are told in *problem (else empty): the others are given,
// and the file learns no more names (it is not written over).
bool readLearntNames(const League& league, LearntNames* names, QString* error, QString* problem);

} // namespace velmora
