#pragma once

// The splash window: a borderless picture over the desktop for four seconds.

#include <QPixmap>
#include <QWidget>

class Tfrm_Logo : public QWidget {
    Q_OBJECT
public:
    static constexpr int Idotartam = 4000; // ms

    explicit Tfrm_Logo(QWidget* szulo = nullptr);

    // The 400 x 240 picture; clGray (128, 128, 128) marks what is transparent.
    static QPixmap Kep();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_kep;
};
