#include "model/powiadomienia.h"

#include <QtTest>

#include <cstdio>

// Linked into every test: a message nobody expected fails the test that
// caused it. A test that expects one installs its own receiver
// (TZbieraczKomunikatow, or the scripted dialogs of a window).
namespace {

void Nieoczekiwany(const TKomunikat& k) {
    const QByteArray tekst =
        (QStringLiteral("nieoczekiwany komunikat: ") + k.tytul + QStringLiteral(": ") + k.tresc)
            .toUtf8();
    if (QTest::currentTestFunction())
        QTest::qFail(tekst.constData(), __FILE__, __LINE__);
    else
        std::fprintf(stderr, "%s\n", tekst.constData());
}

const TOdbiorcaPowiadomien straznik(Nieoczekiwany);

} // namespace
