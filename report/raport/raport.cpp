#include "report/raport/raport.h"

#include "model/kolejnosc.h"
#include "report/raport/dokument.h"
#include "report/raport/raportwspolne.h"
#include "report/raport/ukladtekstu.h"
#include "report/strony/jednostki.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

const QString TRaport::KOMUNIKAT_ZA_MALA_STRONA =
    QStringLiteral("Strona jest za mała by wydrukować zestawienie stolarki!");
const QString TRaport::TYTUL_DOKUMENTU = QStringLiteral("Termivo - zestawienie stolarki");

QString BezPrefiksow(const QString& tekst) {
    QString wynik;
    wynik.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == QLatin1Char('&') && i + 1 < tekst.size())
            ++i; // "&&" keeps one, "&x" keeps x
        wynik += tekst[i];
    }
    return wynik;
}

TRaport::TRaport(const TZestawienieStolarki& projekt, TDokument& dokument)
    : projekt_(projekt), dokument_(dokument) {
    RamkaStrony = dokument_.Strona();
    ObszarTresci = RamkaStrony;
    stronaMm_ = dokument_.StronaMm();
}

bool StronaMiesciBlok(const QSizeF& stronaMm, const QMarginsF& m) {
    return Setne(stronaMm.height() - m.top() - m.bottom()) >= 10 * WYSOKOSC_BLOKU &&
           Setne(stronaMm.width() - m.left() - m.right()) >= 10 * SZEROKOSC_BLOKU;
}

int TRaport::MmX(int dziesiate) const {
    return dokument_.ZDziesiatychMmX(dziesiate);
}

int TRaport::MmY(int dziesiate) const {
    return dokument_.ZDziesiatychMmY(dziesiate);
}

QFont TRaport::Pismo(qreal punkty) const {
    QFont f = Czcionka.isEmpty() ? QFont() : QFont(Czcionka);
    f.setPointSizeF(punkty * dokument_.SkalaPisma());
    return f;
}

int TRaport::Dol() const {
    return RamkaStrony.top() + RamkaStrony.height();
}

void TRaport::UstawMarginesy(const QMarginsF& mm) {
    const QRect s = dokument_.Strona();
    const int lewy = dokument_.ZSetnychMmX(Setne(mm.left()));
    const int gorny = dokument_.ZSetnychMmY(Setne(mm.top()));
    RamkaStrony = QRect(s.left() + lewy, s.top() + gorny,
                        s.width() - lewy - dokument_.ZSetnychMmX(Setne(mm.right())),
                        s.height() - gorny - dokument_.ZSetnychMmY(Setne(mm.bottom())));
    ObszarTresci = RamkaStrony;
    marginesyMm_ = mm;
}

int TRaport::RysujTekst(bool ramka, int lewa, int gora, int szerokosc, int wysokosc,
                        const QString& tekst, int punkty, int waskoOd, int prawaWaska) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return 0;
    const QFont pismo = Pismo(punkty);
    p->setFont(pismo);
    const QRect r(lewa, gora, szerokosc, wysokosc);
    if (ramka) {
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
    }
    if (dokument_.przyTekscie)
        dokument_.przyTekscie(r, tekst, punkty);
    const QRect wnetrze = r.adjusted(MmX(20), MmY(5), -MmX(20), -MmY(5));
    if (wnetrze.width() <= 0 || wnetrze.height() <= 0)
        return 0;
    const qreal wasko = waskoOd == INT_MAX ? 1e9 : waskoOd - wnetrze.top();
    const qreal waska = waskoOd == INT_MAX ? wnetrze.width() : prawaWaska - wnetrze.left();
    const TUklad u =
        Uloz(tekst, pismo, p->device(), wnetrze.width(), wnetrze.height(), wasko, waska);
    // Each line as it was laid out: what is cut shows its ellipsis, and a
    // PDF holds exactly the text the page shows.
    for (const TLinia& l : u.linie)
        p->drawText(QPointF(wnetrze.left(), wnetrze.top() + l.y + l.ascent), l.tekst);
    return u.wysokosc;
}

int TRaport::WysokoscTekstu(int szerokosc, const QString& tekst, int punkty) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return 0;
    return Uloz(tekst, Pismo(punkty), p->device(), szerokosc - 2 * MmX(20), -1, 1e9, 0).wysokosc;
}

int TRaport::RysujKolumne(int lewa, int gora, int szerokosc, int wysokosc,
                          const QList<TWierszKolumny>& wiersze, int punkty) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return 0;
    const QRect r(lewa, gora, szerokosc, wysokosc);
    if (dokument_.przyTekscie)
        dokument_.przyTekscie(r, TekstKolumny(wiersze), punkty);
    const QRect wnetrze = r.adjusted(MmX(20), MmY(5), -MmX(20), -MmY(5));
    if (wnetrze.width() <= 0 || wnetrze.height() <= 0)
        return 0;
    const TUklad u = UlozKolumne(
        wiersze, [this](qreal pt) { return Pismo(pt); }, p->device(), wnetrze.width(),
        wnetrze.height(), punkty);
    qreal rozmiar = -1;
    for (const TLinia& l : u.linie) {
        if (l.punkty != rozmiar) {
            rozmiar = l.punkty;
            p->setFont(Pismo(rozmiar));
        }
        p->drawText(QPointF(wnetrze.left(), wnetrze.top() + l.y + l.ascent), l.tekst);
    }
    return u.wysokosc;
}

void TRaport::Linia(int y) {
    // At the frame's bottom the frame is the line.
    if (y >= Dol() - 1)
        return;
    if (QPainter* p = dokument_.Plotno())
        p->drawLine(RamkaStrony.left(), y, RamkaStrony.left() + RamkaStrony.width(), y);
}

bool TRaport::GenerujRaport() {
    dokument_.przyNowejStronie = [this] {
        PageViewNewPage();
    };
    dokument_.Rozpocznij();
    bool miesci = true;
    if (!StronaMiesciBlok(stronaMm_, marginesyMm_)) {
        miesci = false;
    } else {
        if (DodajOrientacje)
            RysujOrientacje();
        const std::vector<const TOkno*> okna = KolejnoscRaportu(projekt_);
        for (const TOkno* okno : okna) {
            if (dokument_.Przerwany())
                break;
            // The content rectangle ends at the frame's bottom.
            if (ObszarTresci.height() < MmY(WYSOKOSC_BLOKU)) {
                dokument_.NowaStrona();
                // The windows begin on a page of their own: every page of
                // them holds as many blocks as this one.
                if (okno == okna.front()) {
                    const int naStronie = std::max(1, ObszarTresci.height() / MmY(WYSOKOSC_BLOKU));
                    dokument_.UstalLiczbeStron(dokument_.GotoweStrony() +
                                               (static_cast<int>(okna.size()) + naStronie - 1) /
                                                   naStronie);
                }
            }
            RysujBlokOkna(*okno);
        }
    }
    dokument_.Zakoncz();
    dokument_.przyNowejStronie = nullptr;
    return miesci;
}

void TRaport::PageViewNewPage() {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return;
    const int n = dokument_.GotoweStrony() + 1;
    dolBloku_ = INT_MIN;
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(Qt::NoBrush);
    p->setBackgroundMode(Qt::TransparentMode);
    const int lewa = RamkaStrony.left();
    const int gora = RamkaStrony.top();
    const int prawa = lewa + RamkaStrony.width();
    const int dol = Dol();
    p->drawRect(QRect(lewa, gora, RamkaStrony.width(), RamkaStrony.height()));

    // The page number just below the frame, its right end at the frame's.
    p->setFont(Pismo(8));
    const QString numer = QStringLiteral("Strona %1").arg(n);
    const int szer = static_cast<int>(std::ceil(p->fontMetrics().horizontalAdvance(numer)));
    const QRect miejsce(prawa - szer, dol, szer, p->fontMetrics().height());
    p->drawText(miejsce, Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, numer);
    if (dokument_.przyTekscie)
        dokument_.przyTekscie(miejsce, numer, 8);

    int y = gora;
    y += RysujTekst(true, lewa, y, RamkaStrony.width(), dol - y,
                    QStringLiteral("ZESTAWIENIE STOLARKI OKIENNEJ  --  strona %1").arg(n), 18);
    Linia(y);
    ObszarTresci = QRect(lewa, y + 10, RamkaStrony.width(), dol - y - 10);
    if (n == 1 && !wPodsumowaniu_) {
        // The summary fills page 1 and what follows it: the windows begin
        // on a page of their own.
        wPodsumowaniu_ = true;
        Podsumowanie(y);
        wPodsumowaniu_ = false;
        ObszarTresci.setTop(dol + 10);
    }
}

void TRaport::Miejsce(int& y, int potrzeba) {
    // On a page of its own already, a row too high for any page is cut.
    if (y + potrzeba <= Dol() || y <= ObszarTresci.top())
        return;
    dokument_.NowaStrona();
    y = ObszarTresci.top();
}
