#pragma once

#include <QByteArray>

#include <cstddef>
#include <vector>

// Whether a project file was cut short, on positive evidence only: a file
// written short by hand or by another program is whole.

// The fields of the window sections, section by section in order: a file
// cut inside its last window section lacks, of the fields all the others
// have, every one after the last it has. A lone window has nothing to be
// held to.
class TUrwanieOkien {
public:
    // The fields one section has (1 where present), in the table's order.
    void Sekcja(const std::vector<char>& pola, bool ostatnia);
    bool Urwane() const;

private:
    std::vector<char> wspolne_; // the fields every section but the last has
    std::vector<char> ostatnie_;
    bool byly_ = false;
};

// The evidence of the whole file: no final line end, fewer window sections
// than the file declares, no list of windows, the last section cut.
struct TSladyUrwania {
    bool bezKoncaLinii = false;
    bool mniejSekcjiNizZadeklarowano = false;
    bool bezListyOkien = false;
    bool urwaneOstatnieOkno = false;
    bool Urwany() const {
        return bezKoncaLinii || mniejSekcjiNizZadeklarowano || bezListyOkien || urwaneOstatnieOkno;
    }
};

// A file's bytes end without a line end (an empty file is no such file).
inline bool BezKoncaLinii(const QByteArray& bajty) {
    return !bajty.isEmpty() && !bajty.endsWith('\n');
}
