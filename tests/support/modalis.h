#pragma once

// Modal dialogs in tests: the code under test opens a dialog with exec() and
// waits in it; the test drives the dialog from a timer of its own.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace Teszt {

// What a test expects of a dialog its steps leave open.
enum class Nyitva {
    Hiba,  // the steps close it: a dialog left open fails the test
    Megsem // left open means Cancel: it is rejected
};

// One dialog a test waits for. The steps run on the first modal window that
// `illik` accepts, once it is active (keys reach its shortcuts only then).
// A dialog left open is rejected (failing the test unless Nyitva::Megsem).
// A modal dialog that no waiting handle expects is rejected after a second
// and fails the test, and so does a handle destroyed before its dialog
// showed: a failing test never hangs in an exec(). Destroying the handle
// stops the waiting.
class Modalis {
public:
    using Illik = std::function<bool(QWidget*)>;
    using Lepesek = std::function<void(QWidget*)>;

    Modalis(Illik illik, Lepesek lepesek, Nyitva nyitva);
    ~Modalis();
    Modalis(const Modalis&) = delete;
    Modalis& operator=(const Modalis&) = delete;

    bool latta() const { return m_latta; }
    bool nyitvaMaradt() const { return m_nyitvaMaradt; }

    // A handle that expects no dialog: any modal dialog that shows while it
    // lives is rejected and counted in latta().
    static std::unique_ptr<Modalis> Semmi();

private:
    Modalis() = default;
    void nez();
    bool vart(QWidget* w) const;

    Illik m_illik;
    Lepesek m_lepesek;
    Nyitva m_nyitva = Nyitva::Hiba;
    bool m_semmi = false;
    QTimer m_ido;
    bool m_latta = false;
    bool m_nyitvaMaradt = false;
    QPointer<QWidget> m_kezelt;
    QPointer<QWidget> m_idegen;
    int m_idegenIdeje = 0;
};

// Runs `lepesek` on the modal dialog of class T that the code under test is
// about to open; keep the handle until the dialog has closed.
template <class T>
[[nodiscard]] std::unique_ptr<Modalis> Modalisban(std::function<void(T*)> lepesek,
                                                  Nyitva nyitva = Nyitva::Hiba) {
    return std::make_unique<Modalis>([](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                                     [lepesek](QWidget* w) { lepesek(qobject_cast<T*>(w)); },
                                     nyitva);
}

} // namespace Teszt
