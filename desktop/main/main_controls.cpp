#include "desktop/main/main_controls.h"

#include "controls/command_face.h"
#include "controls/ink_label.h"
#include "controls/qt_rect.h"
#include "controls/qt_theme.h"
#include "controls/screen_text.h"
#include "resulttable/hit_counter.h"

#include <QPainter>

namespace vx {
namespace {

Tspecbut* Command(QWidget* parent, const QString& caption, const QString& hint,
                  const QKeySequence& keys) {
  auto* button = new Tspecbut(parent);
  button->setProperty("caption", caption);
  button->setHint(hint);
  button->setAccessibleName(caption);
  button->SetShortcut(keys);
  return button;
}

TVXknapp* RadioText(QWidget* parent, const QString& text, int tag) {
  auto* button = new TVXknapp(parent);
  button->setKnapptyp(TVXknapp::kntRuta);
  button->setButtext(text);
  button->setRadio(true);
  button->setStaydown(true);
  button->setKopplatag(true);
  button->setTag(tag);
  return button;
}

void CreateHeading(MainControls& c) {
  c.tovikknapp = new Tnrknapp(c.huvudpanel);
  c.tovikknapp->setGeometry(QtRect(kLogoPlace));
  c.tovikknapp->setAccessibleName("Om Tovik och registren");
  c.tovikknapp->setHint("Om Tovik och registren");
  c.logo = new Tnrknapp(c.tovikknapp);
  c.logo->setAttribute(Qt::WA_TransparentForMouseEvents);
  c.logo->setFocusPolicy(Qt::NoFocus);
  c.logo->setAccessibleName("Registrets logotyp");
  c.hrublabel = InkLabel(c.huvudpanel, theme::kHeadingFont);
  c.urublabel = InkLabel(c.huvudpanel, theme::kSubHeadingFont);
  c.helpknapp = new TVXknapp(c.huvudpanel);
  c.helpknapp->setKnapptyp(TVXknapp::kntFlipflop);
  c.helpknapp->setFigur1("hjelpl01");
  c.helpknapp->setFigur2("hjelpl02");
  c.helpknapp->setFocusmode(true);
  c.helpknapp->setHint("Hjälp");
  c.helpknapp->SetShortcut(QKeySequence(Qt::Key_F1));
}

void CreateTablePanel(MainControls& c) {
  c.tabellpanel = new TLMpanel(c.huvudpanel);
  c.tabellpanel->setTilekod("flikbak");
  c.tabellpanel->setRamtilekod("f01flik");
  const char* figures[] = {"f01", "v01", "d01"};
  for (int r = 0; r < 3; ++r) {
    TVXknapp* toggle = RadioText(c.tabellpanel, "", 1);
    toggle->setKnapptyp(TVXknapp::kntRutabild);
    toggle->setFigur1(figures[r]);
    toggle->setTransp(true);
    toggle->setAvst(kToggleCaptionLeft);
    toggle->setTextvmarg(true);
    toggle->setFont(QtFont(theme::kCaptionFont));
    const QString word = ScreenText(ToggleWord(r + 1));
    toggle->setHint(QStringLiteral("Visa tr\u00e4ffarna bland ") + word.toLower());
    toggle->setAccessibleName(word);
    toggle->SetShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + r)));
    c.valknappar[r] = toggle;
  }
  c.antallabel = InkLabel(c.tabellpanel, theme::kCaptionFont);
  c.antallabel->setGeometry(QtRect(kHitCounterPlace));
  c.antallabel->setText("0 valda");
  c.namnsortknapp = RadioText(c.tabellpanel, "Namn", 2);
  c.namnsortknapp->setHint("Ordna efter namn");
  c.datumsortknapp = RadioText(c.tabellpanel, "Datum", 2);
  c.datumsortknapp->setHint("Ordna efter datum");
  c.namnsortknapp->setDown(true);
  c.persontab = new TLMtab(c.tabellpanel);
  c.persontab->setColumnCount(2);
  c.persontab->setRowCount(0);
  c.persontab->setBorderStyle(TLMtab::BorderStyle::bsNone);
  c.persontab->setFont(QtFont(theme::kResultTableFont));
  c.persontab->setDefaultRowHeight(kTableRowHeight);
  c.persontab->setTilekod("flikbak");
  c.persontab->setParenttiler(true);
  c.persontab->setTabvaelj(TVXtabvaelj::tvHdrag);
  c.persontab->setEttindrag(14);
  c.persontab->setMushjul(false);
  c.persontab->setEnabled(false);
  c.persontab->setAccessibleName("Personer");
  c.personscr = new Tspecscr(c.tabellpanel);
  c.personscr->setAccessibleName("Rulla personerna");
  c.personscr->hide();
}

void CreateRecordPanel(MainControls& c) {
  c.huvpost = new TLMpanel(c.huvudpanel);
  c.huvpost->setTilekod("flikbak");
  c.huvpost->setRamtilekod("litenflik");
  c.postlab = new TVXknapp(c.huvpost);
  c.postlab->setKnapptyp(TVXknapp::kntBilder);
  c.postlab->setGeometry(QtRect(kRecordMarkPlace));
  c.postlab->setAttribute(Qt::WA_TransparentForMouseEvents);
  c.postlab->setFocusPolicy(Qt::NoFocus);
  c.postlab->hide();
  c.postnrlabel = InkLabel(c.huvpost, theme::kCaptionFont);
  c.postnrlabel->setGeometry(QtRect(kRecordLabelPlace));
  c.postnrlabel->setAccessibleName("Postens id");
  c.statuslabel = new QLabel(QString::fromUtf8("\u25CF"), c.huvpost);
  c.statuslabel->setFont(QtFont(theme::kCaptionFont));
  c.statuslabel->setAlignment(Qt::AlignCenter);
  c.statuslabel->hide();
  c.texten = new TVXdyntex(c.huvpost);
  c.texten->setTilekod("flikbak");
  c.texten->setParenttiler(true);
  c.texten->SetSelectionEnabled(true);
  c.texten->setAccessibleName("Posten");
  c.textscr = new Tspecscr(c.huvpost);
  c.textscr->setAccessibleName("Rulla posten");
  c.textscr->hide();
}

void CreateButtons(MainControls& c) {
  QWidget* p = c.huvudpanel;
  c.rensaknapp = Command(p, "", "Rensa alla sökningar", QKeySequence(Qt::CTRL | Qt::Key_R));
  c.kopilistaknapp =
      Command(p, "", "Kopiera listan till urklipp", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  c.exportknapp = Command(p, "", "Spara träffarna som fil", QKeySequence(Qt::CTRL | Qt::Key_E));
  c.postejknapp = Command(p, "", "Välj bort personen", QKeySequence(Qt::Key_Delete));
  c.kopipostknapp =
      Command(p, "", "Kopiera till urklipp", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  c.postskrivknapp =
      Command(p, "", "Skriv ut personen", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  c.sambandknapp = Command(p, "", "Möjliga samband", QKeySequence(Qt::CTRL | Qt::Key_K));
  const char* search[] = {"Födda", "Vigda", "Döda", "Fritext"};
  const char* search_hint[] = {"Sök bland födda", "Sök bland vigda", "Sök bland döda",
                               "Sök i all text i alla register"};
  for (int i = 0; i < 4; ++i)
    c.sokknappar[i] = Command(p, search[i], search_hint[i], QKeySequence(Qt::Key_F5 + i));
  c.skrivknapp = Command(p, "Skriv lista", "Skriv ut listan", QKeySequence(Qt::CTRL | Qt::Key_P));
  c.skrivknapp->setEnabled(false);
  c.omknapp = Command(p, "Om", "Om registret", QKeySequence(Qt::CTRL | Qt::Key_I));
  c.avslutaknapp = Command(p, "Avsluta", "Avsluta programmet", QKeySequence(Qt::CTRL | Qt::Key_Q));
  for (Tspecbut* b : {c.rensaknapp, c.kopilistaknapp, c.exportknapp, c.postejknapp, c.kopipostknapp,
                      c.postskrivknapp, c.sambandknapp})
    b->setAccessibleName(b->hint());
  for (Tspecbut* b : {c.kopilistaknapp, c.exportknapp, c.postejknapp, c.kopipostknapp,
                      c.postskrivknapp, c.sambandknapp})
    b->setEnabled(false);
}

}  // namespace

MainControls CreateMainControls(QWidget* window) {
  MainControls c;
  c.huvudpanel = new TVXpanel(window);
  c.huvudpanel->setTilekod("prebak");
  c.huvudpanel->setHorn("horn1;horn3;horn5;horn7");
  c.huvudpanel->setNbstyle(true);
  CreateHeading(c);
  CreateTablePanel(c);
  CreateRecordPanel(c);
  CreateButtons(c);
  return c;
}

void AttachPictures(MainControls& c, PictureSet& pictures) {
  c.huvudpanel->setTiler(&pictures.metiler());
  c.huvudpanel->setFigurer(&pictures.mainfigur());
  c.tabellpanel->setTiler(&pictures.metiler());
  c.huvpost->setTiler(&pictures.metiler());
  c.persontab->setTiler(&pictures.metiler());
  c.texten->setTiler(&pictures.metiler());
  c.logo->setFigurer(&pictures.logofigur());
  for (TVXknapp* b : {c.helpknapp, c.postlab, c.valknappar[0], c.valknappar[1], c.valknappar[2],
                      c.namnsortknapp, c.datumsortknapp})
    b->setFigurer(&pictures.mainfigur());
  struct Face {
    Tspecbut* button;
    const char* pictogram;
  };
  const Face faces[] = {
      {c.rensaknapp, "knrensa"},     {c.kopilistaknapp, "knlista"},  {c.exportknapp, "knexport"},
      {c.postejknapp, "knbort"},     {c.kopipostknapp, "knkopiera"}, {c.postskrivknapp, "knskriv"},
      {c.sambandknapp, "knsamband"}, {c.sokknappar[0], "knsok"},     {c.sokknappar[1], "knsok"},
      {c.sokknappar[2], "knsok"},    {c.sokknappar[3], "knsok"},     {c.skrivknapp, "knskriv"},
      {c.omknapp, "knom"},           {c.avslutaknapp, "knavsluta"}};
  const qreal ratio = c.huvudpanel->devicePixelRatioF();
  for (const Face& face : faces) {
    face.button->setBitm(CommandFace(pictures.mainfigur(), face.pictogram,
                                     face.button->property("caption").toString(),
                                     face.button->size(), ratio));
  }
}

void ApplyMainLayout(MainControls& c, const MainLayout& m) {
  auto place = [](QWidget* widget, const Rect& box) { widget->setGeometry(QtRect(box)); };
  place(c.huvudpanel, m.huvudpanel);
  place(c.hrublabel, m.hrublabel);
  place(c.urublabel, m.urublabel);
  place(c.helpknapp, m.helpknapp);
  for (int i = 0; i < 4; ++i)
    place(c.sokknappar[i], m.commands[i]);
  place(c.skrivknapp, m.commands[4]);
  place(c.omknapp, m.omknapp);
  place(c.avslutaknapp, m.avslutaknapp);
  place(c.tabellpanel, m.tabellpanel);
  c.tabellpanel->setFlikslutx(m.table_tab_end);
  for (size_t i = 0; i < c.valknappar.size(); ++i)
    place(c.valknappar[i], m.valknappar[i]);
  place(c.persontab, m.persontab);
  place(c.personscr, m.personscr);
  place(c.namnsortknapp, m.namnsortknapp);
  place(c.datumsortknapp, m.datumsortknapp);
  c.persontab->setDefaultRowHeight(kTableRowHeight);
  c.persontab->setColumnWidth(0, m.column_widths[0]);
  c.persontab->setColumnWidth(1, m.column_widths[1]);
  place(c.huvpost, m.huvpost);
  c.huvpost->setFlikslutx(m.record_tab_end);
  place(c.postnrlabel, m.postnrlabel);
  place(c.statuslabel, m.statuslabel);
  place(c.texten, m.texten);
  place(c.textscr, m.textscr);
  place(c.rensaknapp, m.rensaknapp);
  place(c.kopilistaknapp, m.kopilistaknapp);
  place(c.exportknapp, m.exportknapp);
  place(c.postskrivknapp, m.postskrivknapp);
  place(c.kopipostknapp, m.kopipostknapp);
  place(c.postejknapp, m.postejknapp);
  place(c.sambandknapp, m.sambandknapp);
}

}  // namespace vx
