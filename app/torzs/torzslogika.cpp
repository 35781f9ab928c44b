#include "torzs/torzslogika.h"

#include "kapcsolat.h"
#include "seged.h"
#include "tablamodell.h"

#include <QSqlQuery>

TorzsTabla::TorzsTabla(Kapcsolat& kapcsolat, const TorzsLeiras& leiras)
    : m_leiras(leiras), m_modell(std::make_unique<TablaModell>(kapcsolat, leiras.tabla)) {
    m_modell->nevSorrend(m_leiras.nevOszlop);
    m_modell->megnyit();
}

TorzsTabla::~TorzsTabla() = default;

int TorzsTabla::sorok() const {
    return m_modell->rowCount();
}

bool TorzsTabla::ures() const {
    return m_modell->rowCount() == 0;
}

int TorzsTabla::sorKulccsal(int kulcs) {
    return m_modell->keres(m_leiras.kulcsOszlop, kulcs);
}

int TorzsTabla::kulcs(int sor) const {
    if (sor < 0 || sor >= m_modell->rowCount())
        return 0;
    return Seged::VarEgesz(m_modell->ertek(sor, m_leiras.kulcsOszlop));
}

int TorzsTabla::keres(const QString& eleje) {
    return m_modell->keresEleje(m_leiras.nevOszlop, eleje);
}

int TorzsTabla::uj() {
    elvet();
    const int sor = m_modell->uj();
    m_fuggo = true;
    m_ujSor = true;
    m_szerkesztettKulcs = 0;
    return sor;
}

int TorzsTabla::szerkeszt(int sor) {
    if (sor < 0 || sor >= m_modell->rowCount())
        return uj();
    elvet();
    m_fuggo = true;
    m_ujSor = false;
    m_szerkesztettKulcs = kulcs(sor);
    return sor;
}

void TorzsTabla::ment() {
    // Autocommit with synchronous=FULL: the stored row is on disk, and other
    // copies of the program see it, as soon as the statement has run.
    m_modell->ment();
    m_mentettKulcs = m_ujSor ? static_cast<int>(m_modell->utolsoKulcs()) : m_szerkesztettKulcs;
    m_fuggo = false;
    m_ujSor = false;
}

int TorzsTabla::mentettSor() {
    return sorKulccsal(m_mentettKulcs);
}

void TorzsTabla::elvet() {
    m_modell->elvet();
    m_fuggo = false;
    m_ujSor = false;
}

int TorzsTabla::torol(int sor) {
    if (sor < 0 || sor >= m_modell->rowCount())
        throw AdatbazisHiba(NincsTorolhetoSor);
    m_modell->torol(sor);
    // The model has read the table again; the row after the deleted one now
    // has the deleted one's place.
    while (sor >= m_modell->rowCount() && m_modell->canFetchMore())
        m_modell->fetchMore();
    return sor < m_modell->rowCount() ? sor : m_modell->rowCount() - 1;
}

std::optional<QString> IrszVaros(Kapcsolat& kapcsolat, const QString& irsz) {
    // An empty field is the empty text, not a null that would match nothing.
    const QString kod = irsz.isNull() ? QStringLiteral("") : irsz;
    QSqlQuery q =
        kapcsolat.sql(QStringLiteral("SELECT varos FROM irsz WHERE irsz = :irsz ORDER BY id"),
                      {{QStringLiteral("irsz"), kod}});
    if (!q.next())
        return std::nullopt;
    return Seged::VarSzoveg(q.value(0));
}
