// The main window's controls: created once, with their roles, hints,
// shortcuts and accessible names, before any register set is open; given
// their pictures at the first show and their places at every resize.
#ifndef VX_DESKTOP_MAIN_MAIN_CONTROLS_H_
#define VX_DESKTOP_MAIN_MAIN_CONTROLS_H_

#include <QLabel>
#include <QWidget>
#include <array>

#include "controls/bitmap_button.h"
#include "controls/picture_set.h"
#include "controls/scroll_bar.h"
#include "controls/tlm_panel.h"
#include "controls/tlm_tab.h"
#include "controls/tnr_knapp.h"
#include "controls/tvx_dyntex.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "session/main_layout.h"

namespace vx {

struct MainControls {
  TVXpanel* huvudpanel = nullptr;
  Tnrknapp* tovikknapp = nullptr;
  Tnrknapp* logo = nullptr;
  QLabel* hrublabel = nullptr;
  QLabel* urublabel = nullptr;
  TVXknapp* helpknapp = nullptr;

  TLMpanel* tabellpanel = nullptr;
  // foddavalknapp, vigdavalknapp, dodavalknapp.
  std::array<TVXknapp*, 3> valknappar{};
  QLabel* antallabel = nullptr;
  TVXknapp* namnsortknapp = nullptr;
  TVXknapp* datumsortknapp = nullptr;
  TLMtab* persontab = nullptr;
  Tspecscr* personscr = nullptr;
  Tspecbut* kopilistaknapp = nullptr;
  Tspecbut* exportknapp = nullptr;  // save the hits as a file
  Tspecbut* rensaknapp = nullptr;

  TLMpanel* huvpost = nullptr;
  TVXknapp* postlab = nullptr;
  QLabel* postnrlabel = nullptr;
  QLabel* statuslabel = nullptr;
  TVXdyntex* texten = nullptr;
  Tspecscr* textscr = nullptr;
  Tspecbut* postejknapp = nullptr;
  Tspecbut* kopipostknapp = nullptr;
  Tspecbut* postskrivknapp = nullptr;
  Tspecbut* sambandknapp = nullptr;  // the records of the same life

  // sokfknapp, sokvknapp, sokdknapp (registers 1..3), then sokaknapp.
  std::array<Tspecbut*, 4> sokknappar{};
  Tspecbut* skrivknapp = nullptr;
  Tspecbut* omknapp = nullptr;
  Tspecbut* avslutaknapp = nullptr;
};

// Creates every control on `window`. Touches no register set.
MainControls CreateMainControls(QWidget* window);

// Hands the controls their picture caches and draws the command buttons'
// faces from the program's pictograms, at the buttons' sizes (the layout
// runs first).
void AttachPictures(MainControls& c, PictureSet& pictures);

// Moves the controls the layout moves to `layout` (the others keep the
// fixed places they were created at). The table's row height and column
// widths follow it too.
void ApplyMainLayout(MainControls& c, const MainLayout& layout);

}  // namespace vx

#endif  // VX_DESKTOP_MAIN_MAIN_CONTROLS_H_
