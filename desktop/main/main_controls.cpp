#include "desktop/main/main_controls.h"

#include "controls/command_face.h"
#include "controls/ink_label.h"
#include "controls/qt_rect.h"
#include "controls/qt_theme.h"
#include "controls/qt_translations.h"
#include "language/message_id.h"

#include <QPainter>

namespace vx {
namespace {

Tspecbut* Command(QWidget* parent, const QString& caption, MessageId hint,
                  const QKeySequence& keys) {
  auto* button = new Tspecbut(parent);
  button->setProperty("caption", caption);
  button->setHint(TranslatedText(hint));
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
  c.tovikknapp->setAccessibleName(TranslatedText(MessageId::MainAboutTovik));
  c.tovikknapp->setHint(TranslatedText(MessageId::MainAboutTovik));
  c.logo = new Tnrknapp(c.tovikknapp);
  c.logo->setAttribute(Qt::WA_TransparentForMouseEvents);
  c.logo->setFocusPolicy(Qt::NoFocus);
  c.logo->setAccessibleName(TranslatedText(MessageId::MainLogo));
  c.hrublabel = InkLabel(c.huvudpanel, theme::kHeadingFont);
  c.urublabel = InkLabel(c.huvudpanel, theme::kSubHeadingFont);
  c.helpknapp = new TVXknapp(c.huvudpanel);
  c.helpknapp->setKnapptyp(TVXknapp::kntFlipflop);
  c.helpknapp->setFigur1("hjelpl01");
  c.helpknapp->setFigur2("hjelpl02");
  c.helpknapp->setFocusmode(true);
  c.helpknapp->setHint(TranslatedText(MessageId::MainHelp));
  c.helpknapp->SetShortcut(QKeySequence(Qt::Key_F1));
}

void CreateTablePanel(MainControls& c) {
  c.tabellpanel = new TLMpanel(c.huvudpanel);
  c.tabellpanel->setTilekod("flikbak");
  c.tabellpanel->setRamtilekod("f01flik");
  const char* figures[] = {"f01", "v01", "d01"};
  const MessageId words[] = {MessageId::MainBirths, MessageId::MainMarriages,
                             MessageId::MainDeaths};
  const MessageId hints[] = {MessageId::MainShowBirths, MessageId::MainShowMarriages,
                             MessageId::MainShowDeaths};
  for (int r = 0; r < 3; ++r) {
    TVXknapp* toggle = RadioText(c.tabellpanel, "", 1);
    toggle->setKnapptyp(TVXknapp::kntRutabild);
    toggle->setFigur1(figures[r]);
    toggle->setTransp(true);
    toggle->setAvst(kToggleCaptionLeft);
    toggle->setTextvmarg(true);
    toggle->setFont(QtFont(theme::kCaptionFont));
    toggle->setHint(TranslatedText(hints[r]));
    toggle->setAccessibleName(TranslatedText(words[r]));
    toggle->SetShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + r)));
    c.valknappar[r] = toggle;
  }
  c.antallabel = InkLabel(c.tabellpanel, theme::kCaptionFont);
  c.antallabel->setGeometry(QtRect(kHitCounterPlace));
  c.antallabel->setText(TranslatedText(MessageId::MainSelected).arg(0));
  c.namnsortknapp = RadioText(c.tabellpanel, TranslatedText(MessageId::MainName), 2);
  c.namnsortknapp->setHint(TranslatedText(MessageId::MainByName));
  c.datumsortknapp = RadioText(c.tabellpanel, TranslatedText(MessageId::MainDate), 2);
  c.datumsortknapp->setHint(TranslatedText(MessageId::MainByDate));
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
  c.persontab->setAccessibleName(TranslatedText(MessageId::MainPersons));
  c.personscr = new Tspecscr(c.tabellpanel);
  c.personscr->setAccessibleName(TranslatedText(MessageId::MainScrollPersons));
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
  c.postnrlabel->setAccessibleName(TranslatedText(MessageId::MainRecordId));
  c.statuslabel = new QLabel(QString::fromUtf8("\u25CF"), c.huvpost);
  c.statuslabel->setFont(QtFont(theme::kCaptionFont));
  c.statuslabel->setAlignment(Qt::AlignCenter);
  c.statuslabel->hide();
  c.texten = new TVXdyntex(c.huvpost);
  c.texten->setTilekod("flikbak");
  c.texten->setParenttiler(true);
  c.texten->SetSelectionEnabled(true);
  c.texten->setAccessibleName(TranslatedText(MessageId::MainRecord));
  c.textscr = new Tspecscr(c.huvpost);
  c.textscr->setAccessibleName(TranslatedText(MessageId::MainScrollRecord));
  c.textscr->hide();
}

void CreateButtons(MainControls& c) {
  QWidget* p = c.huvudpanel;
  c.rensaknapp = Command(p, "", MessageId::MainClearHint, QKeySequence(Qt::CTRL | Qt::Key_R));
  c.kopilistaknapp =
      Command(p, "", MessageId::MainCopyListHint, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  c.exportknapp = Command(p, "", MessageId::MainExportHint, QKeySequence(Qt::CTRL | Qt::Key_E));
  c.postejknapp = Command(p, "", MessageId::MainRemoveHint, QKeySequence(Qt::Key_Delete));
  c.kopipostknapp =
      Command(p, "", MessageId::MainCopyRecordHint, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  c.postskrivknapp = Command(p, "", MessageId::MainPrintRecordHint,
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  c.sambandknapp = Command(p, "", MessageId::MainPossibleLinks, QKeySequence(Qt::CTRL | Qt::Key_K));
  const MessageId search[] = {MessageId::MainBirths, MessageId::MainMarriages,
                              MessageId::MainDeaths, MessageId::MainFreeText};
  const MessageId search_hint[] = {MessageId::MainSearchBirthsHint,
                                   MessageId::MainSearchMarriagesHint,
                                   MessageId::MainSearchDeathsHint, MessageId::MainFreeTextHint};
  for (int i = 0; i < 4; ++i) {
    c.sokknappar[i] =
        Command(p, TranslatedText(search[i]), search_hint[i], QKeySequence(Qt::Key_F5 + i));
  }
  c.skrivknapp = Command(p, TranslatedText(MessageId::MainPrintList), MessageId::MainPrintListHint,
                         QKeySequence(Qt::CTRL | Qt::Key_P));
  c.skrivknapp->setEnabled(false);
  c.omknapp = Command(p, TranslatedText(MessageId::MainAbout), MessageId::MainAboutHint,
                      QKeySequence(Qt::CTRL | Qt::Key_I));
  c.avslutaknapp = Command(p, TranslatedText(MessageId::MainExit), MessageId::MainExitHint,
                           QKeySequence(Qt::CTRL | Qt::Key_Q));
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
