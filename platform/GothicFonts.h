#pragma once

// The fixed-pitch Japanese gothic face of the picture texts and button labels. A scalable gothic
// has no hinting for cells of 10 or 14 pixels, where kanji such as 値 and 関 smear into blobs;
// bitmap strikes drawn for those cells stay crisp: the efont "Biwidth" family, same cell widths
// (half-width 5 px at 10 px). The build cuts the strikes down to the characters the program
// draws and compiles them in, so a start reads kilobytes and needs no font package; they are
// added as application fonts (Debian hides bitmap fonts from fontconfig anyway). Sizes without a
// strike, or a build made without the strikes and a machine without their files, keep the
// scalable IPAGothic.

#include <QFont>
#include <QStringList>
#include <cstddef>
#include <vector>

// One strike compiled into the program: a PCF font compressed as qCompress does.
struct GothicStrikeData
{
    int pixelSize;
    const unsigned char *data;
    std::size_t size;
};

// The strikes compiled in (generated at build time; none when the build found no efont files).
std::vector<GothicStrikeData> gothicStrikeData();

// Where a build without compiled-in strikes looks for their files, in order: $TRACELET_FONT_DIR,
// "fonts" beside the program, the system's X11 font folders.
QStringList crispGothicFolders();

// Loads, once, the compiled-in strikes, or when there are none the strikes of the first folder
// that has usable ones (see crispStrikesIn), for gothicFont to serve. Returns the pixel sizes
// served by strikes, smallest first; once some are loaded, later calls return them at once.
std::vector<int> loadCrispGothicStrikes(const QStringList &folders);
// Lets gothicFont add each strike when a text first asks for its size (compiled-in strikes one
// by one; a build without them loads the first of these folders that has usable ones), so that
// a start adds none it does not draw with.
void serveCrispGothicStrikes(const QStringList &folders);
// Adds the strikes whose data is sound and whose metrics fit the cells to the application's
// fonts and returns their sizes.
std::vector<int> crispStrikesFrom(const std::vector<GothicStrikeData> &strikes);
// Adds the strikes of one folder whose metrics fit the cells to the application's fonts and
// returns their sizes; missing, unreadable or damaged files and other metrics are passed over.
std::vector<int> crispStrikesIn(const QString &folder);

// The gothic at this pixel size: the strike when one is loaded (or served, see above),
// otherwise IPAGothic; never antialiased.
QFont gothicFont(int pixelSize);
bool isCrispGothic(const QFont &font);

// "ＭＳ ゴシック" and its Latin name: the faces gothicFont stands in for.
bool isFixedPitchGothicFace(const QString &face);
