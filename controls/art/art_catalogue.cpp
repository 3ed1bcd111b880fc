// Sizes, in logical pixels:
// - The main window grows to 1280 x 1024, so "prebak" covers that.
// - The search forms, the free-text form and the text window may grow to
//   1024 x 768; their tiles cover it. The print dialog's tile covers
//   800 x 600, more than the dialog needs.
// - The word picker (358 x 398) and the normalisation view (471 x 398)
//   share "namnlista": 480 x 400; "Möjliga samband" (700 x 410) has
//   "sambandbak", 720 x 420.
// - The result table's frame grows with the window: at most 609 wide (half
//   of 1279 less 30) and under 1000 high; the record panel is at most 628
//   wide and 4 lower. Their frames are 640 x 1024. The tile "flikbak",
//   which serves both, is painted from the panel's place in the window (so
//   that neighbours line up) and therefore covers the whole window,
//   1280 x 1024, like "prebak". A frame picture is
//   composed corner by corner, split at half the panel's width, so each tab
//   stays left of half the narrowest panel: 170 of 390 for the table, 110
//   of 267 for the record panel. The frame band is 4 pixels wide on three
//   sides, since the table's scroll bar ends 4 pixels from the right edge;
//   the table's body starts 26 rows down (the table itself at 58), the
//   record panel's 24 rows down (its text at 29).
// - Register emblems are 20 x 20: they sit on the toggles and in the record
//   panel's tab. Help and close are 24 x 24, the tick of a chosen row 13 x
//   13 (rows are 15 high, the text indented 15), the traffic light 18 x 36,
//   the corner ornaments 14 x 14, the command buttons' pictograms 16 x 16,
//   cursors 32 x 32.
// - The sample logo is 72 x 72: its button is one pixel larger and must fit
//   the heading's 80 x 80 place.
#include "art_catalogue.h"

#include "backgrounds.h"
#include "buttons.h"
#include "cursors.h"
#include "emblems.h"
#include "frames.h"
#include "logo.h"
#include "marks.h"
#include "ornaments.h"
#include "pictograms.h"

namespace vx::art {
namespace {

using K = ArtKind;

const ArtPicture kPictures[] = {
    {"prebak", "Bakgrund för huvudfönstret", K::kTile, "", {1280, 1024}, {}, PaintMainBackground},
    {"flikbak",
     "Bakgrund för personlistan och posten",
     K::kTile,
     "",
     {1280, 1024},
     {},
     PaintTableBackground},
    {"sokfodda",
     "Bakgrund för sökning bland födda",
     K::kTile,
     "",
     {1024, 768},
     {},
     PaintBirthFormBackground},
    {"sokvigda",
     "Bakgrund för sökning bland vigda",
     K::kTile,
     "",
     {1024, 768},
     {},
     PaintMarriageFormBackground},
    {"sokdoda",
     "Bakgrund för sökning bland döda",
     K::kTile,
     "",
     {1024, 768},
     {},
     PaintDeathFormBackground},
    {"sokalla",
     "Bakgrund för fri sökning",
     K::kTile,
     "",
     {1024, 768},
     {},
     PaintFreeSearchBackground},
    {"namnlista",
     "Bakgrund för sökordslistor",
     K::kTile,
     "",
     {480, 400},
     {},
     PaintPickerBackground},
    {"sambandbak",
     "Bakgrund för möjliga samband",
     K::kTile,
     "",
     {720, 420},
     {},
     PaintLinkBackground},
    {"hjalpbak", "Bakgrund för hjälptexter", K::kTile, "", {1024, 768}, {}, PaintHelpBackground},
    {"srivbak", "Bakgrund för utskrift", K::kTile, "", {800, 600}, {}, PaintPrintBackground},

    {"f01flik", "Ram och flik för födda", K::kKeyFrame, "", {640, 1024}, {}, PaintBirthTableFrame},
    {"f02flik",
     "Ram och flik för vigda",
     K::kKeyFrame,
     "",
     {640, 1024},
     {},
     PaintMarriageTableFrame},
    {"f03flik", "Ram och flik för döda", K::kKeyFrame, "", {640, 1024}, {}, PaintDeathTableFrame},
    {"litenflik", "Ram och flik för posten", K::kKeyFrame, "", {640, 1024}, {}, PaintRecordFrame},

    {"f01", "Födda", K::kFigure, "", {20, 20}, {}, PaintBirthEmblem},
    {"f02", "Födda, saknas", K::kFigure, "", {20, 20}, {}, PaintBirthEmblemGreyed},
    {"v01", "Vigda", K::kFigure, "", {20, 20}, {}, PaintMarriageEmblem},
    {"v02", "Vigda, saknas", K::kFigure, "", {20, 20}, {}, PaintMarriageEmblemGreyed},
    {"d01", "Döda", K::kFigure, "", {20, 20}, {}, PaintDeathEmblem},
    {"d02", "Döda, saknas", K::kFigure, "", {20, 20}, {}, PaintDeathEmblemGreyed},
    {"hjelpl01", "Hjälp", K::kFigure, "", {24, 24}, {}, PaintHelp},
    {"hjelpl02", "Hjälp, markerad", K::kFigure, "", {24, 24}, {}, PaintHelpHover},
    {"storkryssl01", "Stäng", K::kFigure, "", {24, 24}, {}, PaintClose},
    {"storkryssl02", "Stäng, markerad", K::kFigure, "", {24, 24}, {}, PaintCloseHover},
    {"rodbockl", "Röd bock för vald rad", K::kFigure, "", {13, 13}, {}, PaintRedTick},
    {"trafikljus", "Trafikljus, bekräfta", K::kFigure, "", {18, 36}, {}, PaintTrafficLight},
    {"tomknapp73_23", "Tom knapp", K::kTile, "", {73, 23}, {}, PaintEmptyButton},
    {"horn1", "Hörn uppe till vänster", K::kFigure, "", {14, 14}, {}, PaintCornerTopLeft},
    {"horn3", "Hörn uppe till höger", K::kFigure, "C3", {14, 14}, {}, PaintCornerTopRight},
    {"horn5", "Hörn nere till höger", K::kFigure, "C5", {14, 14}, {}, PaintCornerBottomRight},
    {"horn7", "Hörn nere till vänster", K::kFigure, "C7", {14, 14}, {}, PaintCornerBottomLeft},

    {"knsok", "Sök", K::kFigure, "", {16, 16}, {}, PaintSearchPictogram},
    {"knrensa", "Rensa", K::kFigure, "", {16, 16}, {}, PaintClearPictogram},
    {"knskriv", "Skriv ut", K::kFigure, "", {16, 16}, {}, PaintPrintPictogram},
    {"knkopiera", "Kopiera till urklipp", K::kFigure, "", {16, 16}, {}, PaintCopyPictogram},
    {"knexport", "Spara träffarna som fil", K::kFigure, "", {16, 16}, {}, PaintExportPictogram},
    {"knsamband", "Möjliga samband", K::kFigure, "", {16, 16}, {}, PaintLinkPictogram},
    {"knbort", "Välj bort personen", K::kFigure, "", {16, 16}, {}, PaintRemovePictogram},
    {"knavsluta", "Avsluta", K::kFigure, "", {16, 16}, {}, PaintExitPictogram},
    {"knom", "Om registret", K::kFigure, "", {16, 16}, {}, PaintAboutPictogram},
    {"knlista", "Välj sökord från lista", K::kFigure, "", {16, 16}, {}, PaintListPictogram},
    {"knabc", "Skriv in sökord", K::kFigure, "", {16, 16}, {}, PaintTypePictogram},

    {"handcursor", "Hand", K::kCursor, "", {32, 32}, {15, 14}, PaintOpenHand},
    {"handgrabcursor", "Hand som griper", K::kCursor, "", {32, 32}, {15, 15}, PaintGrabbingHand},
    {"markcursor", "Markera text", K::kCursor, "", {32, 32}, {16, 16}, PaintTextMark},
    {"zoomcursor", "Förstoringsglas", K::kCursor, "", {32, 32}, {13, 13}, PaintZoom},
    {"zoomcursorin", "Förstora", K::kCursor, "", {32, 32}, {13, 13}, PaintZoomIn},
    {"zoomcursorut", "Förminska", K::kCursor, "", {32, 32}, {13, 13}, PaintZoomOut},
};

const ArtPicture kSampleLogo = {
    "logovaxor0001", "Kalvbrunn församling", K::kFigure, "", {72, 72}, {}, PaintSampleLogo};

}  // namespace

std::span<const ArtPicture> ArtCatalogue() {
  return kPictures;
}

const ArtPicture& SampleLogo() {
  return kSampleLogo;
}

int32_t PictureType(ArtKind kind) {
  return kind == ArtKind::kFigure || kind == ArtKind::kCursor ? 10 : 0;
}

}  // namespace vx::art
