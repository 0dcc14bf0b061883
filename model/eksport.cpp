#include "eksport.h"

#include "arkusze.h"
#include "orientacje.h"
#include "plikprojektu.h"
#include "wersja.h"
#include "zestawienie.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

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
        const int wierszy = static_cast<int>(a.wiersze.size());
        if (a.filtr && !a.naglowki.isEmpty())
            worksheet_autofilter(ark, 0, 0, static_cast<lxw_row_t>(wierszy),
                                 static_cast<lxw_col_t>(a.naglowki.size() - 1));
        bool ok = true;
        for (int k = 0; k < a.naglowki.size(); ++k)
            ok = worksheet_write_string(ark, 0, static_cast<lxw_col_t>(k),
                                        a.naglowki[k].toUtf8().constData(),
                                        pogrubiony_) == LXW_NO_ERROR &&
                 ok;
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
                e = worksheet_write_string(ark, r, kol, c.tekst.toUtf8().constData(), f);
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
            ok = e == LXW_NO_ERROR && ok;
        }
        return ok;
    }

    lxw_workbook* skoroszyt_ = nullptr;
    lxw_format *pogrubiony_ = nullptr, *dwaMiejsca_ = nullptr, *razemDwa_ = nullptr,
               *zawijany_ = nullptr;
    QByteArray tymczasowy_, tytul_, komentarz_;
};

bool ZapiszXlsx(const TZestawienieStolarki& p, const QString& sciezka, QString* blad) {
    const QFileInfo cel(sciezka);
    // Written under a name of its own beside the target, then renamed over it.
    QTemporaryFile tymczasowy(cel.absolutePath() + QStringLiteral("/.") + cel.fileName() +
                              QStringLiteral(".XXXXXX"));
    tymczasowy.setAutoRemove(true);
    if (!tymczasowy.open()) {
        if (blad)
            *blad = PowodBleduZapisu(sciezka, tymczasowy.errorString());
        return false;
    }
    const QString nazwaTymczasowa = tymczasowy.fileName();
    tymczasowy.close();
    bool ok = false;
    {
        TSkoroszyt s(QFile::encodeName(nazwaTymczasowa), QFile::encodeName(QDir::tempPath()));
        if (s.Jest()) {
            s.Wlasciwosci(p.TytulProjektu);
            ok = s.Arkusz(ArkuszOkien(p));
            ok = s.Arkusz(ArkuszStron(ZestawienieWgStron(p))) && ok;
            ok = s.Arkusz(ArkuszProjektu(p)) && ok;
            ok = s.Zamknij() == LXW_NO_ERROR && ok;
        }
    }
    if (ok && std::rename(QFile::encodeName(nazwaTymczasowa).constData(),
                          QFile::encodeName(cel.absoluteFilePath()).constData()) == 0) {
        tymczasowy.setAutoRemove(false); // it is the target now
        return true;
    }
    if (blad)
        *blad = PowodBleduZapisu(sciezka, QString());
    return false;
}

bool ZapiszCsv(const TZestawienieStolarki& p, const QString& sciezka, QString* blad) {
    QSaveFile plik(sciezka);
    const QByteArray bajty = CsvArkusza(ArkuszOkien(p));
    if (plik.open(QIODevice::WriteOnly) && plik.write(bajty) == bajty.size() && plik.commit())
        return true;
    if (blad)
        *blad = PowodBleduZapisu(sciezka, plik.errorString());
    plik.cancelWriting();
    return false;
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
