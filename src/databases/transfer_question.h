#pragma once

#include <QDialog>

class QComboBox;

namespace velmora {

// "Transfer_Question": asked when an entry whose picks changed is stored in a league that allows
// transfers: is it a transfer, counting from a race the organiser picks (the next race unless
// told otherwise), or the correction of a mistake? Go Back (also Esc and the close box) stores
// nothing.
class TransferQuestion : public QDialog {
    Q_OBJECT
public:
    enum class Answer { Transfer, Correction, GoBack };
    // The answer, and for a transfer the race it counts from (a calendar position from 0; the
    // calendar's length: the next race). `changes` says what changed, a line each, and `count`
    // the owner's transfers; a transfer may count from race `first` or a later one.
    static Answer ask(QWidget* parent, const QString& owner, const QStringList& changes,
                      const QString& count, const QStringList& calendar, int first, int* race);

private:
    TransferQuestion(const QString& owner, const QStringList& changes, const QString& count,
                     const QStringList& calendar, int first, QWidget* parent);

    QComboBox* race_;
    Answer answer_ = Answer::GoBack;
};

} // namespace velmora
