#pragma once

#include "toolkit/fixed_window.h"

namespace velmora {

// "About Velmora": title, version, description and a notice against copying. Not modal;
// OK, Enter, Esc and the close box discard it.
class AboutBox : public FixedWindow {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

public slots:
    void onOkClicked();

protected:
    // The etched line between the description and the notice.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
