#pragma once

#include "toolkit/form.h"

namespace velmora {

// "About Velmora": title, version, description and a notice against copying. Not modal;
// OK, Enter, Esc and the close box discard it.
class frmAbout : public Form {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();

protected:
    // The etched line between the description and the notice.
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();

    QLabel* lblVersion;
};

} // namespace velmora
