#include "desktop/search/normalisation_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <utility>

#include "catalogue/catalogue_declaration.h"
#include "controls/picture_set.h"
#include "controls/qt_rect.h"
#include "controls/qt_text_measurer.h"
#include "controls/qt_theme.h"
#include "controls/qt_translations.h"
#include "controls/scroll_bar.h"
#include "controls/tlm_tab.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "controls/window_buttons.h"
#include "desktop/output/text_window.h"
#include "desktop/search/list_grid_view.h"
#include "desktop/search/list_window_parts.h"
#include "engine/util/cp1252.h"
#include "engine/util/message_sink.h"
#include "language/message_id.h"
#include "language/messages.h"
#include "search/list_window_layout.h"
#include "session/session.h"

namespace vx {
namespace {

struct KindChoice {
  int kind;
  const char* caption;  // Swedish, UTF-8: the catalogue gives its English
};
// Left to right.
constexpr KindChoice kKindButtons[] = {{kNormSurnames, "Efternamn"},
                                       {kNormMensNames, "F\xC3\xB6rnamn, M"},
                                       {kNormWomensNames, "F\xC3\xB6rnamn, K"},
                                       {kNormPlaces, "Ort"}};

}  // namespace

Tnormform::Tnormform(Session& session, PictureSet& pictures, Ttextform* help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      help_(help) {
  const NormalisationLayout m = LayOutNormalisationView();
  setFixedSize(m.size.width, m.size.height);
  BuildControls(pictures, m);
  BuildKindButtons(pictures, m);
}

void Tnormform::BuildControls(PictureSet& pictures, const NormalisationLayout& m) {
  huvudpanel_ = ListBackground(this, pictures);
  rubriklab_ = ListLabel(huvudpanel_, theme::kListTitleFont, m.rubriklab);
  rubriklab_->setObjectName("rubriklab");
  rubriklab_->setText(TranslatedText(MessageId::NormHeading));
  slutknapp_ = CloseButton(huvudpanel_, pictures, QtRect(m.slutknapp),
                           TranslatedText(MessageId::PickerClose));
  helpknapp_ = HelpButton(huvudpanel_, pictures, QtRect(m.helpknapp));
  connect(slutknapp_, &TVXknapp::Click, this, &QDialog::reject);
  connect(helpknapp_, &TVXknapp::Click, this, &Tnormform::ShowHelp);

  normtab_ = ListGrid(huvudpanel_, pictures, 3, m.grid);
  normtab_->setObjectName("normtab");
  normtab_->setEttindrag(3);
  for (int column = 0; column < 3; ++column)
    normtab_->setColumnWidth(column, m.column_widths[static_cast<size_t>(column)]);
  normtab_->setAccessibleName(rubriklab_->text());
  normtab_->setCellText([this](int row, int column) {
    const std::vector<NormEntry>& shown = entries();
    return row >= 1 && row <= static_cast<int>(shown.size())
               ? NormCellText(shown[static_cast<size_t>(row - 1)], column)
               : std::string();
  });
  normtab_->setCellAttribute([](int, int) { return kNormCellAttribute; });
  normscr_ = new Tspecscr(huvudpanel_);
  normscr_->setObjectName("normscr");
  normscr_->setGeometry(QtRect(m.scroll_bar));
  normscr_->setLargech(10);
  normscr_->setAccessibleName(TranslatedText(MessageId::PickerScrollList));
  normscr_->hide();
  view_ = new ListGridView(normtab_, normscr_, this);
  connect(normtab_, &TLMtab::MouseWheel, view_, &ListGridView::Wheel);

  antlabel_ = ListLabel(huvudpanel_, theme::kListTextFont, m.antlabel);
  antlabel_->setObjectName("antlabel");
  snabbsokedit_ = QuickSearchEdit(huvudpanel_, m.quick_label, m.snabbsokedit);
  connect(snabbsokedit_, &QLineEdit::textChanged, this, &Tnormform::OnQuickSearch);
}

void Tnormform::BuildKindButtons(PictureSet& pictures, const NormalisationLayout& m) {
  const Language language = ShownLanguage();
  for (size_t i = 0; i < std::size(kKindButtons); ++i) {
    const KindChoice& k = kKindButtons[i];
    auto* button = new TVXknapp(huvudpanel_);
    button->setObjectName(QStringLiteral("kind%1").arg(k.kind));
    button->setKnapptyp(TVXknapp::kntRutabild);
    button->setFigurer(&pictures.mainfigur());
    button->setFigur1("tomknapp73_23");
    button->setFont(QtFont(theme::kListTextFont));
    button->setButtext(QString::fromUtf8(TextOfSwedish(k.caption, language)));
    button->setAccessibleName(button->buttext());
    button->setRadio(true);
    button->setStaydown(true);
    button->setKopplatag(true);
    button->setTag(1);
    button->setGeometry(QtRect(m.kind_buttons[i]));
    const int kind = k.kind;
    connect(button, &TVXknapp::Down, this, [this, kind] {
      if (!syncing_) ShowKind(kind);
    });
    kindknappar_[kind] = button;
  }
  kindknappar_[kNormSurnames]->setDown(true);
}

TVXknapp* Tnormform::KindButton(int kind) const {
  return kind >= kNormSurnames && kind <= kNormMensNames ? kindknappar_[kind] : nullptr;
}

QString Tnormform::CountText() const {
  return antlabel_->text();
}

void Tnormform::ShowModal() {
  setWindowTitle(FromCp1252(session_.Heading()) + TranslatedText(MessageId::NormTitle));
  if (!kinds_.loaded()) FirstShow();
  if (QWidget* main = parentWidget()) {
    QRect at = rect();
    at.moveCenter(main->window()->geometry().center());
    setGeometry(at);
  }
  {
    // Emptied for every showing without a search: the place stays.
    const QSignalBlocker quiet(snabbsokedit_);
    snabbsokedit_->clear();
  }
  snabbsokedit_->setFocus();
  exec();
}

void Tnormform::FirstShow() {
  const Status status = session_.Guard([this] {
    TVXstruktlista* list = session_.catalogue().List(kNormalisationList);
    return list != nullptr ? kinds_.Load(*list) : Status::OK();
  });
  if (!status.ok()) ReportMessage(status.Text(ShownLanguage()));
  for (int kind = kNormSurnames; kind <= kNormMensNames; ++kind) {
    if (kinds_.HasEntries(kind)) continue;
    kindknappar_[kind]->setDown(false);
    kindknappar_[kind]->setEnabled(false);
  }
  const int first = kinds_.FirstKind();
  const bool was = std::exchange(syncing_, true);
  kindknappar_[first]->setDown(true);
  syncing_ = was;
  ShowKind(first);
}

void Tnormform::ShowKind(int kind) {
  kind_ = kind;
  view_->SetRows(static_cast<int>(entries().size()));
  view_->SetPlace({});
  antlabel_->setText(FromCp1252(NormCountText(entries().size(), ShownLanguage())));
  normtab_->update();
}

void Tnormform::OnQuickSearch() {
  std::string prefix;
  if (!Utf8ToCp1252(snabbsokedit_->text().toStdString(), prefix)) return;
  const int found = FindNormEntry(entries(), prefix);
  if (found >= 0) view_->ShowFound(found);
}

void Tnormform::ShowHelp() {
  if (help_ != nullptr) help_->ShowHelpText("HJ008", this, Ttextform::HelpCaller::kDialog);
}

// Enter closes as Esc does (through QDialog); the caller does not ask
// which.
void Tnormform::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
  } else if (!RouteListKey(*event, normtab_, snabbsokedit_)) {
    QDialog::keyPressEvent(event);
  }
}

void Tnormform::wheelEvent(QWheelEvent* event) {
  event->accept();
  view_->Wheel(event->angleDelta().y());
}

}  // namespace vx
