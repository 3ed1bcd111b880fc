#include "controls/gallery/text_samples.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "controls/tlm_panel.h"
#include "controls/tvx_dyntex.h"
#include "controls/tvx_panel.h"
#include "engine/util/cp1252.h"
#include "records/record_text.h"

namespace vx {
namespace {

std::string Cp1252(std::string_view utf8) {
  std::string out;
  Utf8ToCp1252(utf8, out);
  return out;
}

Tenfodd SampleBirth() {
  Tenfodd r;
  r.FORSKX = Cp1252("Kalvbrunn");
  r.LAN = Cp1252("Skaraborgs län");
  r.FORSKOD = "1642";
  r.KAELLA = "Kalvbrunn C:3";
  r.SIDA = "112";
  r.FODAT = "17450312";
  r.DOPDAT = "17450314";
  r.FNAMN = "Brita";
  r.FNAMNO = "Britta";
  r.ENAMN = "Andersdotter";
  r.ORT = Cp1252("Östergården");
  r.ORTO = Cp1252("Östergårn");
  r.BORD = Cp1252("äkta");
  r.FARTITEL = "Bonde";
  r.FARALDER = "38";
  r.FARFNAMN = "Anders";
  r.FARENAMN = "Persson";
  r.FARORT = Cp1252("Östergården");
  r.MORTITEL = "Hustru";
  r.MORALDER = "31";
  r.MORFNAMN = "Kerstin";
  r.MORENAMN = Cp1252("Jönsdotter");
  r.MORORT = Cp1252("Östergården");
  r.PARITET = "4";
  r.DOPVITTNEN = Cp1252(
      "Bonden Lars Olofsson i Backa\rhans hustru Ingrid Nilsdotter\r"
      "drängen Per Jönsson\rpigan Maria Andersdotter");
  r.OVRIGT = Cp1252("Född tidigt om morgonen; döpt i kyrkan av kyrkoherden");
  return r;
}

// The record panel on the main window's background: its frame and tab, the
// text inside aligned with the panel's tiling.
QWidget* RecordWindow(GalleryPictures& pictures) {
  auto* window = new TVXpanel;
  window->setFixedSize(452, 592);
  window->setTiler(&pictures.tiler());
  window->setTilekod("prebak");
  window->setBackgroundOrigin(QPoint(0, 0));
  auto* panel = new TLMpanel(window);
  panel->setGeometry(16, 16, 420, 560);
  panel->setTiler(&pictures.tiler());
  panel->setTilekod("flikbak");
  panel->setRamtilekod("litenflik");
  auto* text = new TVXdyntex(panel);
  text->setGeometry(16, 34, 388, 510);
  text->setTiler(&pictures.tiler());
  text->setTilekod("flikbak");
  text->SetText(SampleBirthText());
  return window;
}

// The help window's text on the help background.
QWidget* HelpWindow(GalleryPictures& pictures) {
  auto* panel = new TVXpanel;
  panel->setFixedSize(560, 490);
  panel->setTiler(&pictures.tiler());
  panel->setTilekod("hjalpbak");
  panel->setBackgroundOrigin(QPoint(0, 0));
  panel->setNbstyle(true);
  auto* text = new TVXdyntex(panel);
  text->setGeometry(20, 16, 520, 460);
  text->setTiler(&pictures.tiler());
  text->setTilekod("hjalpbak");
  text->setParenttiler(true);
  text->SetText(SampleHelpText());
  return panel;
}

// The tiles are measured from the window's own corner.
bool Save(GalleryPictures& pictures, QWidget* window, const QString& path) {
  window->show();
  pictures.tiler().SetOrigin(window->mapToGlobal(QPoint(0, 0)));
  QApplication::processEvents();
  const bool saved = window->grab().save(path, "PNG");
  if (!saved) std::fprintf(stderr, "kuvo-galleri: kan inte skriva %s\n", qPrintable(path));
  delete window;
  return saved;
}

}  // namespace

std::string SampleBirthText() {
  return ComposeBirthText(SampleBirth(), true);
}

std::string SampleHelpText() {
  return Cp1252(
      "[4][b 4]Söka födda[2][b 1]\r"
      "[L 2]\r"
      "I formuläret för födda skriver du sökord i ett eller flera fält och trycker på "
      "Enter. Listan i huvudfönstret visar sedan de personer vars poster stämmer med "
      "[k]alla[\\k] ifyllda fält. Hur sökorden skrivs står i [M HJ005]Sökspråket[\\M].\r"
      "\r"
      "[6][b 3][f]Tangenter[\\f][2][b 1]\r"
      "[T 16 96][f]Tangent[\\f]\t[f]Gör[\\f]\r"
      "Enter\tSöker med de ifyllda fälten.\r"
      "Esc\tStänger formuläret utan att söka.\r"
      "F4\tVisar ordlistan för fältet där markören står, så att du kan bocka för "
      "sökord; se [M HJ006]Välja sökord[\\M].\r"
      "F2\tVisar [M HJ008]Normeringslistan[\\M].\r"
      "[\\T]\r"
      "[6][b 3][f]Exempel[\\f][2][b 1]\r"
      "[T 30 82][b 6]Förnamn[b 1]\t[f]Brita;Britta[\\f]\r"
      "[b 6]Datum[b 1]\t[f]1745-1750[\\f]\r"
      "[b 6]Församling[b 1]\t[f]Kalvbrunn[\\f]\r"
      "[\\T]\r"
      "[X]Tips:[\\X] stavningen i källan kan skilja sig från den normerade formen. "
      "Sök på den normerade formen; den skrivna visas inom parentes i posten.\r"
      "\r"
      "[L 1]\r"
      "[C][k]Tillbaka till [M HJ000]Om Valdrisen[\\M] · [M]Början av texten[\\M][\\k]\r");
}

bool WriteTextPictures(GalleryPictures& pictures, const std::string& dir) {
  const QDir folder(QString::fromStdString(dir));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "kuvo-galleri: kan inte skapa %s\n", dir.c_str());
    return false;
  }
  const bool record = Save(pictures, RecordWindow(pictures), folder.filePath("posttext.png"));
  const bool help = Save(pictures, HelpWindow(pictures), folder.filePath("hjalptext.png"));
  return record && help;
}

}  // namespace vx
