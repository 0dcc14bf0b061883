#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// A STEP physical file (ISO 10303-21) as building models are exported in
// it: read once into an index of its instances (number, entity type, where
// its attributes stand), each instance's attributes parsed only when asked
// for. Time is linear in the file and memory a small part of it beyond the
// file's own bytes.

// One attribute value.
struct TWartoscStep {
    enum class Rodzaj : uint8_t {
        Brak,       // $
        Pochodna,   // *
        Liczba,     // 12, -0., 1.E-009
        Tekst,      // 'abc', decoded
        Wyliczenie, // .T., .ELEMENT. (the name without dots)
        Odwolanie,  // #12
        Lista,      // (a, b, ...)
        Typowana,   // IFCLENGTHMEASURE(1.2): the type in `tekst`, the value in `lista[0]`
        Binarna,    // "0123"
    };
    Rodzaj rodzaj = Rodzaj::Brak;
    double liczba = 0;
    int64_t odwolanie = 0;
    QString tekst;
    QVector<TWartoscStep> lista;

    bool JestLiczba() const { return rodzaj == Rodzaj::Liczba; }
    // A number, also one inside a typed value.
    std::optional<double> Liczba() const;
    // A reference, or nothing.
    std::optional<int64_t> Odwolanie() const;
    // Text, enumeration name or type name; empty otherwise. A typed value
    // gives its inner text (IFCLABEL('x') gives "x").
    QString Tekst() const;
    // The items of a list (empty for anything else); a copy sharing the
    // list's data, so that it may outlive a value it came from.
    QVector<TWartoscStep> Elementy() const;
};

class TPlikStep {
public:
    // Reads the file's structure; false with the reason (and the line where
    // reading stopped) for anything that is no STEP file of an accepted
    // schema. `postep` hears how far reading got (bytes of all) and may
    // stop it by answering false.
    bool Czytaj(const QByteArray& bajty, QString* powod,
                const std::function<bool(qint64, qint64)>& postep = {});

    // The schema of FILE_SCHEMA: "IFC2X3", "IFC4", "IFC4X3" (as written).
    const QString& Schemat() const { return schemat_; }
    qsizetype LiczbaInstancji() const { return static_cast<qsizetype>(instancje_.size()); }

    // The numbers of every instance of an entity type (upper case, as in
    // the file: "IFCWINDOW"), in the file's order.
    QVector<int64_t> Instancje(const QByteArray& typ) const;
    // The entity type of an instance ("IFCWINDOW"); empty for none. A
    // complex instance gives its first part's type.
    QByteArray Typ(int64_t numer) const;
    // Whether the instance is (or, being complex, has a part) of the type.
    bool JestTypu(int64_t numer, const QByteArray& typ) const;
    // The attributes of an instance (of the part of that type when given);
    // nothing for no such instance or attributes that cannot be read.
    std::optional<QVector<TWartoscStep>> Atrybuty(int64_t numer,
                                                  const QByteArray& typ = QByteArray()) const;
    // One attribute, or a value of kind Brak.
    TWartoscStep Atrybut(int64_t numer, int indeks, const QByteArray& typ = QByteArray()) const;

    // For writing a model back: the file's bytes, where an instance's text
    // ("#12=IFCWALL(…);") begins and ends in them, the largest number.
    const QByteArray& Bajty() const { return bajty_; }
    std::optional<std::pair<qsizetype, qsizetype>> Zakres(int64_t numer) const;
    int64_t NajwiekszyNumer() const { return instancje_.empty() ? 0 : instancje_.back().numer; }

private:
    // 24 bytes: a model of millions of instances keeps one of these each.
    struct TInstancja {
        int64_t numer;
        uint32_t typ;
        uint32_t od; // the attributes' bytes, inside the parentheses
        uint32_t do_;
    };
    uint32_t Typ(QByteArrayView nazwa);
    const TInstancja* Znajdz(int64_t numer, const QByteArray& typ) const;

    QByteArray bajty_;
    QString schemat_;
    std::vector<TInstancja> instancje_; // by number
    QVector<QVector<int64_t>> poTypie_; // numbers by type, in the file's order
    QVector<QByteArray> typy_;
    QHash<QByteArray, uint32_t> indeksTypow_;
};

// A STEP string's characters decoded: '' and \\, \X\hh, \X2\…\X0\,
// \X4\…\X0\, \S\c in the code page set by \PA\ … \PI\ (ISO 8859-1 … 9).
QString DekodujTekstStep(QByteArrayView surowy);

// Whether a name or enumeration read from a model is `b`, case ignored.
inline bool RowneStep(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}
