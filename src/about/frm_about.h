#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

// "About Velmora": title, version, description and a notice against copying. Not modal;
// OK, Enter, Esc and the close box discard it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QPushButton* cmdOK;
    QLabel* picIcon;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* lblTitle;
    QLabel* lblVersion;

public slots:
    void cmdOK_Click();
    void reject() override;

protected:
    // The etched line between the description and the notice.
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
};

}  // namespace velmora
