#pragma once

#include <QPixmap>

// The manufacturer's mark: beside a list price and over the promotions.
QPixmap LogoDV();
