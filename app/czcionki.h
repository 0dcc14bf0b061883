#pragma once

// The fonts a program of ours sets up at start.

// Makes the free Tahoma of Debian's fonts-wine known to the program when
// no Tahoma is installed; true when Tahoma can be used.
bool ZarejestrujTahome();
