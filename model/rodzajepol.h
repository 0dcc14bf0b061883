#pragma once

// The kinds of the fields of the window and project tables as types: a use
// of a table is a visitor (an overload set of lambdas, TPrzypadki) that
// OdwiedzPole calls with the field's kind; a generic member takes the kinds
// it treats alike.

namespace pole {
struct Dziesietna {};
struct Calkowita {};
struct Nazwa {};
struct Tekst {};
struct Wiersze {};
struct Liczby {};
struct Data {};
struct Flaga {};
} // namespace pole

// Lambdas as one overload set.
template <class... F> struct TPrzypadki : F... { using F::operator()...; };
template <class... F> TPrzypadki(F...) -> TPrzypadki<F...>;
