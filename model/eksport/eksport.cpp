#include "model/eksport/eksport.h"

#include "model/eksport/arkusze.h"
#include "model/obliczenia/orientacje.h"
#include "model/pliki/bezpiecznyzapis.h"
#include "model/powiadomienia.h"
#include "model/wersja.h"
#include "model/zestawienie.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <functional>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The C library formats numbers by LC_NUMERIC, and the workbook's writer
// formats them with it: for as long as it writes, this thread's is "C".
class TLiczbyJakWC {
public:
    TLiczbyJakWC()
        : c_(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))),
          poprzedni_(c_ ? uselocale(c_) : static_cast<locale_t>(nullptr)) {}
    ~TLiczbyJakWC() {
        if (c_) {
            uselocale(poprzedni_);
            freelocale(c_);
        }
    }
    TLiczbyJakWC(const TLiczbyJakWC&) = delete;
    TLiczbyJakWC& operator=(const TLiczbyJakWC&) = delete;

private:
    locale_t c_;
    locale_t poprzedni_;
};

// The values left out of the sheets, named.
void ZglosPominiete(const QStringList& ostrzezenia) {
    if (ostrzezenia.isEmpty())
        return;
    Powiadom({TRodzajKomunikatu::Ostrzezenie, QStringLiteral("Informacja"),
              QStringLiteral("W zestawieniu pominięto wartości, które nie są liczbami "
                             "skończonymi: %1.")
                  .arg(ostrzezenia.join(QStringLiteral(", ")))});
}

// Widths that fit: the longest line of a column's texts, within limits.
std::vector<double> Szerokosci(const TArkusz& a) {
    std::vector<double> s(static_cast<std::size_t>(a.naglowki.size()), 8);
    auto zmierz = [&s](int k, const QString& t) {
        if (k >= static_cast<int>(s.size()))
            return;
        double najdluzsza = 0;
        for (const QStringView linia : QStringView(t).split(QLatin1Char('\n')))
            najdluzsza = std::max<double>(najdluzsza, linia.size());
        s[static_cast<std::size_t>(k)] =
            std::min(60.0, std::max(s[static_cast<std::size_t>(k)], najdluzsza + 2));
    };
    for (int k = 0; k < a.naglowki.size(); ++k)
        zmierz(k, a.naglowki[k]);
    // The first rows tell the widths well enough: a large project is not read twice.
    const int wierszy = std::min<int>(static_cast<int>(a.wiersze.size()), 500);
    for (int i = 0; i < wierszy; ++i)
        for (int k = 0; k < a.wiersze[i].size(); ++k) {
            const TKomorkaArkusza& c = a.wiersze[i][k];
            if (c.rodzaj == TKomorkaArkusza::Rodzaj::Tekst)
                zmierz(k, c.tekst);
            else if (c.rodzaj == TKomorkaArkusza::Rodzaj::Liczba)
                zmierz(k, QString::number(c.liczba, 'g', 10));
        }
    return s;
}

class TSkoroszyt {
public:
    TSkoroszyt(const QByteArray& sciezka, const QByteArray& katalogTymczasowy) {
        lxw_workbook_options opcje{};
        opcje.constant_memory = LXW_TRUE; // row by row: a large project costs little memory
        tymczasowy_ = katalogTymczasowy;
        opcje.tmpdir = tymczasowy_.data();
        skoroszyt_ = workbook_new_opt(sciezka.constData(), &opcje);
        if (!skoroszyt_)
            return;
        pogrubiony_ = workbook_add_format(skoroszyt_);
        format_set_bold(pogrubiony_);
        format_set_text_wrap(pogrubiony_);
        dwaMiejsca_ = workbook_add_format(skoroszyt_);
        format_set_num_format(dwaMiejsca_, "0.00");
        razemDwa_ = workbook_add_format(skoroszyt_);
        format_set_num_format(razemDwa_, "0.00");
        format_set_bold(razemDwa_);
        zawijany_ = workbook_add_format(skoroszyt_);
        format_set_text_wrap(zawijany_);
    }
    ~TSkoroszyt() {
        if (skoroszyt_)
            workbook_close(skoroszyt_);
    }
    bool Jest() const { return skoroszyt_ != nullptr; }

    void Wlasciwosci(const QString& tytul) {
        tytul_ = tytul.toUtf8();
        komentarz_ = (QStringLiteral("Termivo ") + WersjaProgramu()).toUtf8();
        lxw_doc_properties w{};
        w.title = tytul_.data();
        w.comments = komentarz_.data();
        w.company = nullptr;
        workbook_set_properties(skoroszyt_, &w);
    }

    bool Arkusz(const TArkusz& a) {
        const QByteArray nazwa = a.nazwa.toUtf8();
        lxw_worksheet* ark = workbook_add_worksheet(skoroszyt_, nazwa.constData());
        if (!ark)
            return false;
        const std::vector<double> szerokosci = Szerokosci(a);
        for (std::size_t k = 0; k < szerokosci.size(); ++k)
            worksheet_set_column(ark, static_cast<lxw_col_t>(k), static_cast<lxw_col_t>(k),
                                 szerokosci[k], nullptr);
        worksheet_freeze_panes(ark, 1, 0);
        // Printed across the page, as wide as one sheet of paper, the
        // header on every page.
        worksheet_set_landscape(ark);
        worksheet_fit_to_pages(ark, 1, 0);
        worksheet_repeat_rows(ark, 0, 0);
        const int wierszy = static_cast<int>(a.wiersze.size());
        if (a.filtr && !a.naglowki.isEmpty())
            worksheet_autofilter(ark, 0, 0, static_cast<lxw_row_t>(wierszy),
                                 static_cast<lxw_col_t>(a.naglowki.size() - 1));
        bool ok = true;
        for (int k = 0; k < a.naglowki.size(); ++k) {
            const lxw_error e = worksheet_write_string(
                ark, 0, static_cast<lxw_col_t>(k), a.naglowki[k].toUtf8().constData(), pogrubiony_);
            Blad(e);
            ok = e == LXW_NO_ERROR && ok;
        }
        for (int i = 0; i < wierszy; ++i)
            ok = Wiersz(ark, i + 1, a.wiersze[i], false) && ok;
        if (!a.razem.isEmpty())
            ok = Wiersz(ark, wierszy + 1, a.razem, true) && ok;
        return ok;
    }

    lxw_error Zamknij() {
        const lxw_error e = workbook_close(skoroszyt_);
        skoroszyt_ = nullptr;
        return e;
    }

private:
    bool Wiersz(lxw_worksheet* ark, int wiersz, const QVector<TKomorkaArkusza>& komorki,
                bool razem) {
        bool ok = true;
        const auto r = static_cast<lxw_row_t>(wiersz);
        for (int k = 0; k < komorki.size(); ++k) {
            const TKomorkaArkusza& c = komorki[k];
            const auto kol = static_cast<lxw_col_t>(k);
            lxw_format* liczbowy = c.miejsca == 2 ? (razem ? razemDwa_ : dwaMiejsca_)
                                                  : (razem ? pogrubiony_ : nullptr);
            lxw_error e = LXW_NO_ERROR;
            switch (c.rodzaj) {
            case TKomorkaArkusza::Rodzaj::Pusta:
                break;
            case TKomorkaArkusza::Rodzaj::Tekst: {
                lxw_format* f = razem ? pogrubiony_
                                      : (c.tekst.contains(QLatin1Char('\n')) ? zawijany_ : nullptr);
                e = worksheet_write_string(ark, r, kol, WTekscieKomorki(c.tekst).constData(), f);
                break;
            }
            case TKomorkaArkusza::Rodzaj::Liczba:
                e = worksheet_write_number(ark, r, kol, c.liczba, liczbowy);
                break;
            case TKomorkaArkusza::Rodzaj::Formula:
                e = worksheet_write_formula_num(ark, r, kol, c.tekst.toUtf8().constData(), liczbowy,
                                                c.liczba);
                break;
            }
            Blad(e);
            ok = e == LXW_NO_ERROR && ok;
        }
        return ok;
    }

    // A cell holds at most 32,767 characters: a longer text ends with "…".
    static QByteArray WTekscieKomorki(const QString& t) {
        constexpr qsizetype MAX = 32767;
        return (t.size() <= MAX ? t : t.left(MAX - 1) + QChar(0x2026)).toUtf8();
    }

    void Blad(lxw_error e) {
        if (e != LXW_NO_ERROR && blad_.isEmpty())
            blad_ = QString::fromUtf8(lxw_strerror(e));
    }

public:
    // The first error of the workbook's writer, empty for none.
    const QString& BladSkoroszytu() const { return blad_; }

private:
    lxw_workbook* skoroszyt_ = nullptr;
    lxw_format *pogrubiony_ = nullptr, *dwaMiejsca_ = nullptr, *razemDwa_ = nullptr,
               *zawijany_ = nullptr;
    QByteArray tymczasowy_, tytul_, komentarz_;
    QString blad_;
};

bool ZapiszXlsx(const TZestawienieStolarki& p, const QString& sciezka, QString* blad) {
    const TArkusz okna = ArkuszOkien(p);
    ZglosPominiete(okna.ostrzezenia);
    return ZapiszBezpiecznie(
        sciezka,
        [&](const QString& nazwa, QString* powod) {
            const TLiczbyJakWC liczby;
            TSkoroszyt s(QFile::encodeName(nazwa), QFile::encodeName(QDir::tempPath()));
            if (!s.Jest())
                return false;
            s.Wlasciwosci(p.TytulProjektu);
            bool ok = s.Arkusz(okna);
            ok = s.Arkusz(ArkuszStron(ZestawienieWgStron(p))) && ok;
            ok = s.Arkusz(ArkuszProjektu(p)) && ok;
            ok = s.Arkusz(ArkuszSztuk(p)) && ok;
            const lxw_error zamkniecie = s.Zamknij();
            if (zamkniecie != LXW_NO_ERROR && s.BladSkoroszytu().isEmpty())
                ok = false;
            if (!ok)
                *powod = s.BladSkoroszytu().isEmpty() ? QString::fromUtf8(lxw_strerror(zamkniecie))
                                                      : s.BladSkoroszytu();
            return zamkniecie == LXW_NO_ERROR && ok;
        },
        blad);
}

bool ZapiszCsv(const TZestawienieStolarki& p, const QString& sciezka, QString* blad) {
    const TArkusz okna = ArkuszOkien(p);
    ZglosPominiete(okna.ostrzezenia);
    return ZapiszBajtyBezpiecznie(sciezka, CsvArkusza(okna), blad);
}

} // namespace

bool FormatZNazwy(const QString& sciezka, TFormatEksportu* format) {
    const QString rozszerzenie = QFileInfo(sciezka).suffix().toLower();
    if (rozszerzenie == QLatin1String("xlsx"))
        *format = TFormatEksportu::Xlsx;
    else if (rozszerzenie == QLatin1String("csv"))
        *format = TFormatEksportu::Csv;
    else
        return false;
    return true;
}

bool EksportujZestawienie(const TZestawienieStolarki& p, const QString& sciezka,
                          TFormatEksportu format, QString* blad) {
    return format == TFormatEksportu::Xlsx ? ZapiszXlsx(p, sciezka, blad)
                                           : ZapiszCsv(p, sciezka, blad);
}

void UsunTymczasowyEksportu() {
    UsunTymczasowyZapisu();
}
