#pragma once

#include "terv/tervmuveletek.h"

#include <QComboBox>
#include <QVariant>

// A drop-down list of master records that shows names and holds a key. An
// empty first entry stands for no reference; a key that no entry has shows
// empty but is kept until the user chooses another entry.
class KulcsValaszto : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QVariant kulcs READ kulcs WRITE setKulcs USER true)
public:
    explicit KulcsValaszto(QWidget* szulo = nullptr);

    // Fills the list (the held key stays and is shown again).
    void feltolt(const QList<TorzsTetel>& tetelek);
    QVariant kulcs() const { return m_kulcs; }
    void setKulcs(const QVariant& kulcs);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void mutat();

    QVariant m_kulcs;
    bool m_beallitas = false;
};
