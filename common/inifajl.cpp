#include "inifajl.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");

char asciiKis(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool azonosNev(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiKis(a[i]) != asciiKis(b[i]))
            return false;
    return true;
}

bool idezojel(QChar c) {
    return c == u'"' || c == u'\'';
}

QString dekodol(const QByteArray& bajtok) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = utf8.decode(bajtok);
    if (!utf8.hasError())
        return s;
    QStringDecoder cp1250("windows-1250", QStringDecoder::Flag::Stateless);
    if (cp1250.isValid())
        return cp1250.decode(bajtok);
    return QString::fromLatin1(bajtok);
}

} // namespace

bool IniFajl::betolt(const QString& fajl) {
    m_fajl = fajl;
    m_sorok.clear();
    m_hiba.clear();
    m_mentheto = true;

    const QFileInfo info(fajl);
    if (!info.exists())
        return true;
    auto hiba = [this](const QString& szoveg) {
        m_hiba = szoveg;
        m_mentheto = false;
        return false;
    };
    if (info.isDir())
        return hiba(QStringLiteral("Az INI állomány helyén mappa van: %1").arg(fajl));
    if (info.size() > MaxMeret)
        return hiba(QStringLiteral("Az INI állomány túl nagy: %1").arg(fajl));
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly))
        return hiba(f.errorString());
    const QByteArray adat = f.read(MaxMeret + 1);
    if (f.error() != QFileDevice::NoError)
        return hiba(f.errorString());
    if (adat.size() > MaxMeret)
        return hiba(QStringLiteral("Az INI állomány túl nagy: %1").arg(fajl));

    qsizetype eleje = 0;
    while (eleje < adat.size()) {
        const qsizetype uj = adat.indexOf('\n', eleje);
        if (uj < 0) {
            m_sorok.append({adat.mid(eleje), QByteArray()});
            break;
        }
        QByteArray sor = adat.mid(eleje, uj - eleje);
        if (sor.endsWith('\r')) {
            sor.chop(1);
            m_sorok.append({sor, QByteArrayLiteral("\r\n")});
        } else {
            m_sorok.append({sor, QByteArrayLiteral("\n")});
        }
        eleje = uj + 1;
    }
    return true;
}

bool IniFajl::ment() {
    if (!m_mentheto) {
        if (m_hiba.isEmpty())
            m_hiba = QStringLiteral("Az INI állomány nem olvasható: %1").arg(m_fajl);
        return false;
    }
    if (m_fajl.isEmpty()) {
        m_hiba = QStringLiteral("Nincs megadva az INI állomány neve.");
        return false;
    }
    QSaveFile f(m_fajl);
    if (!f.open(QIODevice::WriteOnly)) {
        m_hiba = f.errorString();
        return false;
    }
    const QByteArray adat = tartalom();
    if (f.write(adat) != adat.size() || !f.commit()) {
        m_hiba = f.errorString();
        f.cancelWriting();
        return false;
    }
    m_hiba.clear();
    return true;
}

IniFajl::Elemzes IniFajl::elemez(const QByteArray& sor) {
    Elemzes e;
    QByteArray t = sor.trimmed();
    if (t.startsWith(Bom))
        t = t.mid(Bom.size()).trimmed();
    if (t.isEmpty() || t.front() == ';' || t.front() == '#')
        return e;
    if (t.front() == '[') {
        const qsizetype zar = t.indexOf(']');
        if (zar > 0) {
            e.fajta = Fajta::Szakasz;
            e.nev = t.mid(1, zar - 1).trimmed();
        }
        return e;
    }
    const qsizetype egyenlo = t.indexOf('=');
    if (egyenlo <= 0)
        return e;
    e.nev = t.left(egyenlo).trimmed();
    if (e.nev.isEmpty())
        return e;
    e.fajta = Fajta::Bejegyzes;
    e.ertek = t.mid(egyenlo + 1).trimmed();
    return e;
}

qsizetype IniFajl::keres(const QByteArray& szakasz, const QByteArray& kulcs) const {
    bool benne = false;
    for (qsizetype i = 0; i < m_sorok.size(); ++i) {
        const Elemzes e = elemez(m_sorok[i].szoveg);
        if (e.fajta == Fajta::Szakasz)
            benne = azonosNev(e.nev, szakasz);
        else if (benne && e.fajta == Fajta::Bejegyzes && azonosNev(e.nev, kulcs))
            return i;
    }
    return -1;
}

QByteArray IniFajl::sorveg() const {
    for (const Sor& s : m_sorok)
        if (!s.veg.isEmpty())
            return s.veg;
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

std::optional<QString> IniFajl::ertek(const QString& szakasz, const QString& kulcs) const {
    const qsizetype i = keres(szakasz.toUtf8(), kulcs.toUtf8());
    if (i < 0)
        return std::nullopt;
    QString v = dekodol(elemez(m_sorok[i].szoveg).ertek);
    if (v.size() >= 2 && idezojel(v.front()) && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

QString IniFajl::szoveg(const QString& szakasz, const QString& kulcs, const QString& alap) const {
    return ertek(szakasz, kulcs).value_or(alap);
}

qint32 IniFajl::egesz(const QString& szakasz, const QString& kulcs, qint32 alap) const {
    const std::optional<QString> v = ertek(szakasz, kulcs);
    if (!v)
        return alap;
    bool ok = false;
    const qint32 szam = v->toInt(&ok, 10);
    return ok ? szam : alap;
}

bool IniFajl::logikai(const QString& szakasz, const QString& kulcs, bool alap) const {
    return egesz(szakasz, kulcs, alap ? 1 : 0) != 0;
}

void IniFajl::beallit(const QString& szakasz, const QString& kulcs, const QString& ertek) {
    // One line per entry: line breaks inside the value become blanks. A value
    // that reading would change (surrounding blanks or quotes) is quoted.
    QString v = ertek;
    v.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(u'\0'), u' ');
    const bool idez =
        !v.isEmpty() && (v.front().isSpace() || v.back().isSpace() ||
                         (v.size() >= 2 && idezojel(v.front()) && v.back() == v.front()));
    if (idez)
        v = u'"' + v + u'"';
    const QByteArray szakaszNev = szakasz.toUtf8();
    const QByteArray kulcsNev = kulcs.toUtf8();
    const QByteArray sor = kulcsNev + '=' + v.toUtf8();

    const qsizetype meglevo = keres(szakaszNev, kulcsNev);
    if (meglevo >= 0) {
        m_sorok[meglevo].szoveg = sor;
        return;
    }
    const QByteArray veg = sorveg();

    qsizetype fej = -1;
    for (qsizetype i = 0; i < m_sorok.size() && fej < 0; ++i) {
        const Elemzes e = elemez(m_sorok[i].szoveg);
        if (e.fajta == Fajta::Szakasz && azonosNev(e.nev, szakaszNev))
            fej = i;
    }
    if (fej >= 0) {
        // After the last non-blank line of the section, before the blank
        // lines that separate it from the next one.
        qsizetype hely = fej + 1;
        for (qsizetype i = fej + 1; i < m_sorok.size(); ++i) {
            if (elemez(m_sorok[i].szoveg).fajta == Fajta::Szakasz)
                break;
            if (!m_sorok[i].szoveg.trimmed().isEmpty())
                hely = i + 1;
        }
        if (m_sorok[hely - 1].veg.isEmpty())
            m_sorok[hely - 1].veg = veg;
        m_sorok.insert(hely, {sor, veg});
        return;
    }

    if (!m_sorok.isEmpty()) {
        if (m_sorok.back().veg.isEmpty())
            m_sorok.back().veg = veg;
        if (!m_sorok.back().szoveg.trimmed().isEmpty())
            m_sorok.append({QByteArray(), veg});
    }
    m_sorok.append({'[' + szakaszNev + ']', veg});
    m_sorok.append({sor, veg});
}

void IniFajl::beallitEgesz(const QString& szakasz, const QString& kulcs, qint32 ertek) {
    beallit(szakasz, kulcs, QString::number(ertek));
}

void IniFajl::beallitLogikai(const QString& szakasz, const QString& kulcs, bool ertek) {
    beallit(szakasz, kulcs, ertek ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray IniFajl::tartalom() const {
    QByteArray adat;
    for (const Sor& s : m_sorok)
        adat += s.szoveg + s.veg;
    return adat;
}
