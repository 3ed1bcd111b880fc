// The main window's searches: the three register forms, the free-text
// search, and what the table shows after them.
#include <QGuiApplication>
#include <QScreen>

#include "controls/qt_rect.h"
#include "desktop/main/main_window.h"
#include "desktop/output/text_window.h"
#include "desktop/search/free_text_window.h"
#include "desktop/search/normalisation_window.h"
#include "desktop/search/picker_window.h"
#include "desktop/search/search_form_window.h"

namespace vx {

void Tmain_form::CreateSearchWindows() {
  Ttextform* help = textform_.get();
  picker_ = std::make_unique<Tsoktabform>(session_, *pictures_, help, this);
  norm_ = std::make_unique<Tnormform>(session_, *pictures_, help, this);
  for (int r = 1; r <= 3; ++r) {
    auto& form = forms_[size_t(r - 1)];
    form = std::make_unique<Tsok_form>(r, session_, *pictures_, help, picker_.get(), norm_.get(),
                                       this);
    form->AskFocusFirstField();
    connect(c_.sokknappar[size_t(r - 1)], &ButtonBase::Tryckt, this,
            [this, r] { OpenSearchForm(r); });
  }
  free_form_ = std::make_unique<Tsoka_form>(session_, *pictures_, help, this);
  connect(c_.sokknappar[3], &ButtonBase::Tryckt, this, &Tmain_form::OpenFreeTextSearch);
}

void Tmain_form::PlaceFirstTime(QWidget* dialog, TextWindowPlacement& placement) {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const std::optional<WindowPoint> at =
      placement.Place(PlainRect(frameGeometry()), dialog->width(), dialog->height(),
                      PlainRect(screen->availableGeometry()));
  if (at) dialog->move(at->x, at->y);
}

void Tmain_form::OpenSearchForm(int r) {
  Tsok_form* form = search_form(r);
  if (form == nullptr || !table_) return;
  PlaceFirstTime(form, placed_[size_t(r - 1)]);
  if (form->exec() != QDialog::Accepted) return;
  table_->ForgetPosition(r);
  if (c_.valknappar[size_t(r - 1)]->down())
    valjregister(r);
  else
    c_.valknappar[size_t(r - 1)]->setDown(true);  // selects the register
}

void Tmain_form::OpenFreeTextSearch() {
  if (!free_form_ || !table_) return;
  PlaceFirstTime(free_form_.get(), placed_[3]);
  if (free_form_->exec() != QDialog::Accepted) return;
  ShowSearchResult({1, 2, 3});
}

}  // namespace vx
