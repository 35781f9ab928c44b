#pragma once

// The outputs of a report: the preview window (with its own print and PDF
// buttons), printing at once on the default printer, and a PDF file.

#include "riport.h"

#include <QDialog>
#include <functional>

class QWidget;
class QLabel;
class QTimer;

namespace RiportKimenet {

// Shows the report in the modal preview window; returns when it is closed.
void Elonezet(const Riport::Dokumentum& d, QWidget* szulo = nullptr);

// Prints on the default printer, one copy, without a printer dialog. Without
// an installed printer it says so in an error box and returns false.
bool Nyomtat(const Riport::Dokumentum& d, QWidget* szulo = nullptr);

// Writes the report as an A4 PDF file; false when the file cannot be written.
bool PdfIr(const Riport::Dokumentum& d, const QString& fajl);

// The output choice of a report: preview or print the report (laid out only
// then, under the wait cursor), or run the delimited text export `csv`.
void Valaszt(const std::function<Riport::Dokumentum()>& riport, const std::function<void()>& csv,
             QWidget* szulo = nullptr);

// Test hook: while set, Elonezet and Nyomtat show and print nothing and hand
// the report to the function instead (azonnal: printing at once).
using Kezelo = std::function<void(const Riport::Dokumentum& d, bool azonnal)>;
void setTesztKezelo(Kezelo kezelo);

} // namespace RiportKimenet

// The preview window: the pages one below the other, zoomable; "Nyomtatás"
// asks for the printer, "PDF mentése" saves the report as PDF. It opens on
// the first page and lays out the rest while it is open.
class Tfrm_Elonezet : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Elonezet(const Riport::Dokumentum& d, QWidget* szulo = nullptr);

    // The pages laid out so far: the first at once, the rest a piece at a
    // time while the window is open.
    const QList<Riport::Lap>& lapok() const { return m_lapozo.lapok(); }
    bool kesz() const { return m_lapozo.kesz(); }

private:
    void nyomtat();
    void pdfMent();
    // Pages on for a moment; false when every page is done.
    bool tovabb(int ezredmp);

    const Riport::Dokumentum& m_d;
    Riport::Lapozo m_lapozo;
    QWidget* m_lapNezet;
    QLabel* m_oldalak;
    QTimer* m_idozito;
};
