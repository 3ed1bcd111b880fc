#include "controls/gallery/gallery_window.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPainter>

#include "controls/bitmap_button.h"
#include "controls/ink_label.h"
#include "controls/qt_theme.h"
#include "controls/scroll_bar.h"
#include "controls/tlm_panel.h"
#include "controls/tnr_knapp.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"

namespace vx {
namespace {

constexpr int kWidth = 980;
constexpr int kHeight = 890;
// The gallery's own texts, in the theme's families: its title (as the main
// window's heading), subtitle and section titles, the sample rows and the
// buttons' names, and the pictures' names.
constexpr theme::Font kTitleFont = theme::kHeadingFont;
constexpr theme::Font kSubtitleFont{theme::kSerif, 15};
constexpr theme::Font kSectionFont{theme::kSerif, 16};
constexpr theme::Font kSampleFont{theme::kSerif, 14};
constexpr theme::Font kButtonNameFont{theme::kSans, 14};
constexpr theme::Font kPictureNameFont{theme::kSans, 9};

QLabel* Label(QWidget* parent, const QString& text, QRect where, const theme::Font& font) {
  QLabel* label = InkLabel(parent, font, text);
  label->setGeometry(where);
  return label;
}

QImage Pictogram(GalleryPictures& pictures, const char* name) {
  const int index = pictures.figurer().GetFigure(name);
  const CachedPicture* picture = pictures.figurer().At(index);
  return picture ? picture->image : QImage();
}

TVXknapp* TextButton(QWidget* parent, const QString& text, QRect where) {
  auto* button = new TVXknapp(parent);
  button->setKnapptyp(TVXknapp::kntRuta);
  button->setButtext(text);
  button->setGeometry(where);
  return button;
}

}  // namespace

GalleryWindow::GalleryWindow(GalleryPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
  setWindowTitle("Valdrisen \u2013 kontroller");
  setFixedSize(kWidth, kHeight);
  auto* root = new TVXpanel(this);
  root->setGeometry(0, 0, kWidth, kHeight);
  root->setTiler(&pictures.tiler());
  root->setTilekod("prebak");
  root->setFigurer(&pictures.figurer());
  root->setHorn("horn1;horn3;horn5;horn7");
  root->setNbstyle(true);
  AddHeading(root);
  AddResultPanels(root);
  AddCommandButtons(root);
  AddButtonStates(root);
  AddScrollBars(root);
  AddPictureSheet(root);
}

void GalleryWindow::AddHeading(TVXpanel* root) {
  auto* logo = new Tnrknapp(root);
  logo->setFigurer(&pictures_.logos());
  logo->setUpfigur(GalleryPictures::kLogo);
  logo->setGeometry(20, 16, 73, 73);
  logo->setAccessibleName("Exempelförsamlingens logotyp");
  Label(root, "Valdrisen", QRect(110, 18, 500, 34), kTitleFont);
  Label(root, "Programmets egna kontroller och bilder", QRect(112, 56, 500, 22), kSubtitleFont);
}

void GalleryWindow::AddResultPanels(TVXpanel* root) {
  auto* table = new TLMpanel(root);
  table->setGeometry(20, 104, 420, 300);
  table->setTiler(&pictures_.tiler());
  table->setTilekod("flikbak");
  table->setRamtilekod("f01flik");
  const char* figures[] = {"f01", "v01", "d02"};
  const char* counts[] = {"3000", "1200", ""};
  for (int r = 0; r < 3; ++r) {
    auto* toggle = new TVXknapp(table);
    toggle->setKnapptyp(TVXknapp::kntRutabild);
    toggle->setFigurer(&pictures_.figurer());
    toggle->setFigur1(figures[r]);
    toggle->setButtext(counts[r]);
    toggle->setRadio(true);
    toggle->setStaydown(true);
    toggle->setKopplatag(true);
    toggle->setTag(1);
    toggle->setTransp(true);
    toggle->setAvst(22);
    toggle->setTextvmarg(true);
    toggle->setGeometry(6 + 54 * r, 3, 54, 22);
    toggle->setEnabled(r < 2);
    if (r == 0) toggle->setDown(true);
  }
  const char* rows[] = {"Andersson, Anna Maria", "Berg, Olof",        "Ek, Kerstin",
                        "Håkansson, Per",        "Larsdotter, Brita", "Nilsson, Jöns"};
  for (int i = 0; i < 6; ++i)
    Label(table, rows[i], QRect(12, 38 + 20 * i, 300, 18), kSampleFont);
  auto* scroll = new Tspecscr(table);
  scroll->setGeometry(420 - 4 - 24, 30, 24, 300 - 34);
  scroll->setPosition(30);

  auto* record = new TLMpanel(root);
  record->setGeometry(456, 104, 300, 300);
  record->setTiler(&pictures_.tiler());
  record->setTilekod("flikbak");
  record->setRamtilekod("litenflik");
  Label(record, "Född 1745-03-12 i Kalvbrunn", QRect(12, 34, 270, 18), kSampleFont);
  Label(record, "Far: Anders Persson, bonde", QRect(12, 54, 270, 18), kSampleFont);
}

void GalleryWindow::AddCommandButtons(TVXpanel* root) {
  struct Command {
    const char* text;
    const char* pictogram;
    bool enabled;
  };
  const Command commands[] = {{"Födda", "knsok", true},   {"Vigda", "knsok", true},
                              {"Döda", "knsok", true},    {"Fritext", "knsok", true},
                              {"Rensa", "knrensa", true}, {"Skriv ut", "knskriv", false},
                              {"Om", "knom", true},       {"Avsluta", "knavsluta", true}};
  int y = 104;
  for (const Command& command : commands) {
    auto* button = new Tspecbut(root);
    button->setBitm(Pictogram(pictures_, command.pictogram));
    button->setGeometry(774, y, 28, 28);
    button->setEnabled(command.enabled);
    button->setHint(command.text);
    Label(root, command.text, QRect(808, y + 6, 140, 18), kButtonNameFont);
    y += 36;
  }
}

void GalleryWindow::AddButtonStates(TVXpanel* root) {
  Label(root, "Knappar", QRect(20, 420, 200, 20), kSectionFont);
  TextButton(root, "Upp", QRect(20, 446, 90, 26));
  auto* down = TextButton(root, "Nere", QRect(118, 446, 90, 26));
  down->setStaydown(true);
  down->setDown(true);
  TextButton(root, "Inaktiv", QRect(216, 446, 90, 26))->setEnabled(false);
  auto* table = TextButton(root, "Tabell", QRect(314, 446, 90, 26));
  auto* all = TextButton(root, "Alla uppgifter", QRect(412, 446, 110, 26));
  for (TVXknapp* radio : {table, all}) {
    radio->setRadio(true);
    radio->setKopplatag(true);
    radio->setTag(2);
  }
  all->setDown(true);
  auto* wrapped = TextButton(root, "Lång text som bryts på två rader", QRect(530, 440, 120, 38));
  wrapped->setAvst(6);
  auto* text_only = TextButton(root, "Bara text", QRect(658, 446, 80, 26));
  text_only->setKnapptyp(TVXknapp::kntText);

  auto* face = new TVXknapp(root);
  face->setKnapptyp(TVXknapp::kntRutabild);
  face->setFigurer(&pictures_.figurer());
  face->setFigur1("tomknapp73_23");
  face->setButtext("Efternamn");
  face->setGeometry(20, 486, 75, 25);
  for (int i = 0; i < 2; ++i) {
    auto* help = new TVXknapp(root);
    help->setKnapptyp(TVXknapp::kntFlipflop);
    help->setFigurer(&pictures_.figurer());
    help->setFigur1("hjelpl01");
    help->setFigur2("hjelpl02");
    help->setFocusmode(true);
    help->setHint("Hjälp");
    help->setGeometry(110 + 34 * i, 486, 24, 24);
    if (i == 1) hovered_.push_back(help);
  }
  for (int i = 0; i < 2; ++i) {
    auto* close = new Tnrknapp(root);
    close->setFigurer(&pictures_.shaped());
    close->setUpfigur("storkryssl01");
    close->setFocusfigur("storkryssl02");
    close->setDownfigur("storkryssl02");
    close->setFocusmode(true);
    close->setAccessibleName("St\u00e4ng");
    close->setGeometry(190 + 34 * i, 486, 24, 24);
    if (i == 1) hovered_.push_back(close);
  }
  auto* light = new TVXknapp(root);
  light->setKnapptyp(TVXknapp::kntBilder);
  light->setFigurer(&pictures_.figurer());
  light->setFigur1("trafikljus");
  light->setGeometry(270, 480, 18, 36);
  auto* tick = new TVXknapp(root);
  tick->setKnapptyp(TVXknapp::kntBilder);
  tick->setFigurer(&pictures_.figurer());
  tick->setFigur1("rodbockl");
  tick->setGeometry(300, 492, 13, 13);
}

void GalleryWindow::AddScrollBars(TVXpanel* root) {
  Label(root, "Rullningslister", QRect(340, 486, 200, 20), kSectionFont);
  const int positions[] = {1, 50, 100};
  for (int i = 0; i < 3; ++i) {
    auto* bar = new Tspecscr(root);
    bar->setGeometry(480 + 30 * i, 486, 24, 120);
    bar->setPosition(positions[i]);
  }
  auto* single = new Tspecscr(root);
  single->setGeometry(570, 486, 24, 120);
  single->setMax(1);
  auto* horizontal = new Tspecscr(root);
  horizontal->setKind(Tspecscr::Kind::sbHorizontal);
  horizontal->setGeometry(610, 486, 200, 24);
  horizontal->setPosition(70);
}

// Every picture of the program's base: figures at their size, backgrounds
// and frames as swatches of their top-left corner.
void GalleryWindow::AddPictureSheet(TVXpanel* root) {
  Label(root, "Bilder", QRect(20, 620, 200, 20), kSectionFont);
  auto* sheet = new TVXpanel(root);
  sheet->setGeometry(20, 644, kWidth - 40, kHeight - 664);
  sheet->setTransparent(true);
  sheet->setOnPaint([this](QPainter& painter) {
    painter.setFont(QtFont(kPictureNameFont));
    painter.setPen(QtColor(theme::kInk));
    int x = 0;
    int y = 0;
    for (const std::string& name : pictures_.Names()) {
      const int index = pictures_.figurer().GetFigure(name);
      const QSize size = pictures_.figurer().FigureSize(index);
      const QSize shown = size.boundedTo(QSize(56, 40));
      if (x + 76 > width()) {
        x = 0;
        y += 56;
      }
      painter.save();
      painter.setClipRect(QRect(x + 10, y, shown.width(), shown.height()));
      pictures_.figurer().DrawFigure(index, painter, x + 10, y);
      painter.restore();
      painter.drawText(QRect(x, y + 42, 76, 12), Qt::AlignHCenter,
                       QString::fromLatin1(name.c_str()));
      x += 76;
    }
  });
}

void GalleryWindow::ShowHoverStates() {
  for (QWidget* widget : hovered_) {
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, widget->mapTo(window(), inside), widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &enter);
  }
}

}  // namespace vx
