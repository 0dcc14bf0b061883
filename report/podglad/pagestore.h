#pragma once

#include <QObject>
#include <QPicture>
#include <QVector>

#include <memory>

class QIODevice;

// The recorded pages, serialised one after another in one stream: in memory,
// or in a temporary file ("TMV…" in the system's temporary folder). Only one
// page is expanded at a time, the one last fetched.
class TPageStore : public QObject {
    Q_OBJECT

public:
    explicit TPageStore(QObject* rodzic = nullptr);
    ~TPageStore() override;

    bool UseTempFile() const { return plik_; }
    // Moves what is stored into a stream of the other kind.
    bool SetUseTempFile(bool plik);

    int Count() const { return static_cast<int>(offsety_.size()); }
    // Appends a page at the end of the stream; false when it cannot be written.
    bool Append(const QPicture& strona);
    // Page i (0-based), read into the one cached picture; nullptr outside the
    // list or when the stream cannot give it back.
    const QPicture* Page(int i);
    // Replaces page i; the pages after it move by the difference in size.
    bool SetPage(int i, const QPicture& strona);
    // Empties the list and releases the stream (the temporary file goes).
    void Clear();

    qint64 Offset(int i) const { return offsety_.value(i, -1); }
    qint64 StreamSize() const;
    // The temporary file in use, empty for the memory stream.
    QString TempFileName() const;

signals:
    void listChanged();
    void pageChanged(int i);

private:
    QIODevice* Strumien();
    std::unique_ptr<QIODevice> NowyStrumien(bool plik) const;
    qint64 RozmiarStrony(int i) const;

    bool plik_ = false;
    std::unique_ptr<QIODevice> strumien_;
    QVector<qint64> offsety_;
    QPicture podreczna_;
    int podrecznaNr_ = -1;
};
