#include "report/raport/wydruk.h"

#include "report/raport/dokumenturzadzenia.h"

#include <QPdfWriter>

TWynikRaportu DrukujRaport(const TZestawienieStolarki& projekt, const TOpcjeRaportu& opcje,
                           const QMarginsF& marginesy, QPagedPaintDevice& urzadzenie,
                           const std::function<void(TPageOutput&)>& przygotuj) {
    TDokumentUrzadzenia dokument(urzadzenie);
    if (przygotuj)
        przygotuj(dokument.Wyjscie());
    TRaport raport(projekt, dokument);
    static_cast<TOpcjeRaportu&>(raport) = opcje;
    raport.UstawMarginesy(marginesy);
    const bool miesci = raport.GenerujRaport();
    if (dokument.Przerwany())
        return TWynikRaportu::Przerwany;
    if (!dokument.Udany())
        return TWynikRaportu::Blad;
    return miesci ? TWynikRaportu::Gotowy : TWynikRaportu::ZaMalaStrona;
}

TWynikRaportu ZapiszRaportPdf(const TZestawienieStolarki& projekt, const TOpcjeRaportu& opcje,
                              const QPageLayout& uklad, QIODevice& wyjscie) {
    const auto pisarz = PisarzPdf(wyjscie, uklad, TRaport::TYTUL_DOKUMENTU);
    return DrukujRaport(projekt, opcje, uklad.margins(QPageLayout::Millimeter), *pisarz);
}
