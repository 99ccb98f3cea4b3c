// SPDX-License-Identifier: MIT
#pragma once

#include "gui/views/TrendModels.h"

#include <QImage>

class QFont;

namespace quorvel {

// The tallest picture written: image viewers refuse taller ones.
inline constexpr int kTrendPictureMaxHeight = 32767;

// The height of the picture of a trend in a font: the header, every row and the four summary rows.
int trendPictureHeight(const TrendShown& shown, const QFont& font);

// The whole trend painted as the grid shows it, every row of the range (not only those in view).
QImage trendPicture(const TrendShown& shown, const QFont& font);

} // namespace quorvel
