#include "report/podglad/pagestore.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QTemporaryFile>

namespace {

constexpr QDataStream::Version WERSJA = QDataStream::Qt_6_0;

QByteArray Serializuj(const QPicture& strona) {
    QByteArray bajty;
    QDataStream s(&bajty, QIODevice::WriteOnly);
    s.setVersion(WERSJA);
    s << strona;
    return bajty;
}

bool Zapisz(QIODevice& d, const QByteArray& bajty) {
    return d.write(bajty) == bajty.size();
}

} // namespace

TPageStore::TPageStore(QObject* rodzic) : QObject(rodzic) {}

TPageStore::~TPageStore() = default;

std::unique_ptr<QIODevice> TPageStore::NowyStrumien(bool plik) const {
    if (plik) {
        auto f = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/TMVXXXXXX"));
        if (!f->open())
            return nullptr;
        return f;
    }
    auto b = std::make_unique<QBuffer>();
    b->open(QIODevice::ReadWrite);
    return b;
}

QIODevice* TPageStore::Strumien() {
    if (!strumien_)
        strumien_ = NowyStrumien(plik_);
    return strumien_.get();
}

qint64 TPageStore::StreamSize() const {
    return strumien_ ? strumien_->size() : 0;
}

QString TPageStore::TempFileName() const {
    auto* f = qobject_cast<QTemporaryFile*>(strumien_.get());
    return f ? f->fileName() : QString();
}

qint64 TPageStore::RozmiarStrony(int i) const {
    const qint64 koniec = i + 1 < Count() ? offsety_[i + 1] : StreamSize();
    return koniec - offsety_[i];
}

bool TPageStore::Append(const QPicture& strona) {
    QIODevice* d = Strumien();
    if (!d)
        return false;
    const qint64 pozycja = d->size();
    if (!d->seek(pozycja) || !Zapisz(*d, Serializuj(strona)))
        return false;
    offsety_.append(pozycja);
    emit listChanged();
    return true;
}

const QPicture* TPageStore::Page(int i) {
    if (i < 0 || i >= Count() || !strumien_)
        return nullptr;
    if (i != podrecznaNr_) {
        podrecznaNr_ = -1;
        if (!strumien_->seek(offsety_[i]))
            return nullptr;
        QDataStream s(strumien_.get());
        s.setVersion(WERSJA);
        podreczna_ = QPicture();
        s >> podreczna_;
        if (s.status() != QDataStream::Ok)
            return nullptr;
        podrecznaNr_ = i;
    }
    return &podreczna_;
}

bool TPageStore::SetPage(int i, const QPicture& strona) {
    if (i < 0 || i >= Count() || !strumien_)
        return false;
    const QByteArray nowa = Serializuj(strona);
    const qint64 stary = RozmiarStrony(i);
    const qint64 roznica = nowa.size() - stary;
    QByteArray ogon;
    if (roznica != 0 && i + 1 < Count()) {
        if (!strumien_->seek(offsety_[i + 1]))
            return false;
        ogon = strumien_->readAll();
    }
    if (!strumien_->seek(offsety_[i]) || !Zapisz(*strumien_, nowa))
        return false;
    if (roznica != 0) {
        for (int j = i + 1; j < Count(); ++j)
            offsety_[j] += roznica;
        if (!ogon.isEmpty() && !Zapisz(*strumien_, ogon))
            return false;
        if (roznica < 0) {
            const qint64 rozmiar = StreamSize() + roznica;
            if (auto* b = qobject_cast<QBuffer*>(strumien_.get()))
                b->buffer().resize(rozmiar);
            else if (auto* f = qobject_cast<QFileDevice*>(strumien_.get()))
                f->resize(rozmiar);
        }
    }
    podreczna_ = strona;
    podrecznaNr_ = i;
    emit pageChanged(i);
    return true;
}

void TPageStore::Clear() {
    podreczna_ = QPicture();
    podrecznaNr_ = -1;
    offsety_.clear();
    strumien_.reset(); // a temporary file is deleted with it
    emit listChanged();
}

bool TPageStore::SetUseTempFile(bool plik) {
    if (plik == plik_)
        return true;
    if (strumien_) {
        std::unique_ptr<QIODevice> nowy = NowyStrumien(plik);
        if (!nowy || !strumien_->seek(0) || !Zapisz(*nowy, strumien_->readAll()))
            return false;
        strumien_ = std::move(nowy); // the old temporary file goes with the old stream
    }
    plik_ = plik;
    return true;
}
