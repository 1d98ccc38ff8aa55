#pragma once

// The fixed-pitch Japanese gothic face of the picture texts and button labels. A scalable gothic
// has no hinting for cells of 10 or 14 pixels, where kanji such as 値 and 関 smear into blobs;
// bitmap strikes drawn for those cells stay crisp. Debian hides bitmap fonts from fontconfig,
// so the strikes (the efont "Biwidth" family, same cell widths: half-width 5 px at 10 px) are
// loaded as application fonts. Sizes without a strike, or a machine without the files, keep
// the scalable IPAGothic.

#include <QFont>
#include <QStringList>
#include <vector>

// Where the strikes are looked for, in order: $TRACELET_FONT_DIR, "fonts" beside the program,
// the system's X11 font folders.
QStringList crispGothicFolders();

// Loads, once, the strikes of the first folder that has usable ones (see crispStrikesIn), for
// gothicFont to serve. Returns the pixel sizes served by strikes, smallest first; once some are
// loaded, later calls return them without looking again.
std::vector<int> loadCrispGothicStrikes(const QStringList &folders);
// Adds the strikes of one folder whose metrics fit the cells to the application's fonts and
// returns their sizes; missing, unreadable or damaged files and other metrics are passed over.
std::vector<int> crispStrikesIn(const QString &folder);

// The gothic at this pixel size: the strike when one is loaded, otherwise IPAGothic; never
// antialiased.
QFont gothicFont(int pixelSize);
bool isCrispGothic(const QFont &font);

// "ＭＳ ゴシック" and its Latin name: the faces gothicFont stands in for.
bool isFixedPitchGothicFace(const QString &face);
