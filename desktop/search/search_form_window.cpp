#include "desktop/search/search_form_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "controls/bitmap_button.h"
#include "controls/command_face.h"
#include "controls/ink_label.h"
#include "controls/picture_set.h"
#include "controls/qt_rect.h"
#include "controls/qt_theme.h"
#include "controls/qt_translations.h"
#include "controls/screen_text.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "controls/window_buttons.h"
#include "desktop/output/text_window.h"
#include "desktop/search/list_window_parts.h"
#include "desktop/search/normalisation_window.h"
#include "desktop/search/picker_window.h"
#include "engine/util/message_sink.h"
#include "language/message_id.h"
#include "search/control_names.h"
#include "search/form_availability.h"
#include "search/form_layout.h"
#include "search/picked_rows.h"
#include "session/session.h"

namespace vx {
namespace {

QLineEdit* FieldEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setFont(QtFont(theme::kEditFont));
  return edit;
}

// An edit in list mode shows the picker's summary, grey and italic on the
// paper of a field that cannot be typed in. It stays in the Tab chain, read
// only, so that F4 and Shift+F4 reach its buttons and a screen reader its
// summary.
void ShowMode(QLineEdit* edit, bool list_mode) {
  QFont font = edit->font();
  font.setItalic(list_mode);
  edit->setFont(font);
  edit->setReadOnly(list_mode);
  QPalette palette = edit->palette();
  const QColor text = QtColor(list_mode ? theme::kSummaryText : theme::kEditText);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Disabled, QPalette::Text, text);
  palette.setColor(QPalette::Base,
                   QtColor(list_mode ? theme::kDisabledEditBase : theme::kEditBase));
  palette.setColor(QPalette::Disabled, QPalette::Base, QtColor(theme::kDisabledEditBase));
  edit->setPalette(palette);
}

MessageId Heading(int register_number) {
  switch (register_number) {
    case 2:
      return MessageId::FormHeadingMarriages;
    case 3:
      return MessageId::FormHeadingDeaths;
    default:
      return MessageId::FormHeadingBirths;
  }
}

const char* Tile(int register_number) {
  switch (register_number) {
    case 2:
      return "sokvigda";
    case 3:
      return "sokdoda";
    default:
      return "sokfodda";
  }
}

}  // namespace

Tsok_form::Tsok_form(int register_number, Session& session, PictureSet& pictures, Ttextform* help,
                     Tsoktabform* picker, Tnormform* norm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      help_(help),
      picker_(picker),
      norm_(norm),
      state_(register_number) {
  BuildControls(pictures);
}

void Tsok_form::BuildControls(PictureSet& pictures) {
  const SearchFormLayout m = LayOutSearchForm(state_.form());
  setFixedSize(m.width, m.height);
  huvudpanel_ = new TVXpanel(this);
  huvudpanel_->setGeometry(0, 0, m.width, m.height);
  huvudpanel_->setTiler(&pictures.metiler());
  huvudpanel_->setTilekod(Tile(register_number()));
  huvudpanel_->setFigurer(&pictures.mainfigur());
  huvudpanel_->setHorn("horn1;horn3;horn5;horn7");
  QLabel* heading =
      InkLabel(huvudpanel_, theme::kFormHeadingFont, TranslatedText(Heading(register_number())));
  heading->setGeometry(QtRect(m.heading));
  BuildGroups(pictures);
  BuildButtons(pictures);
}

void Tsok_form::BuildGroups(PictureSet& pictures) {
  const SearchFormTable& form = state_.form();
  const SearchFormLayout m = LayOutSearchForm(form);
  groups_.resize(form.fields.size());
  QWidget* previous = nullptr;
  const Language language = ShownLanguage();
  for (const FieldGroupPlace& place : m.groups) {
    const bool lokalid = place.field < 0;
    Group g;
    g.label = InkLabel(
        huvudpanel_, theme::kFieldLabelFont,
        lokalid ? TranslatedText(MessageId::FormLokalId)
                : ScreenText(ShownFormText(form.fields[size_t(place.field)].caption, language)));
    g.label->setGeometry(QtRect(place.label));
    g.edit = FieldEdit(huvudpanel_);
    g.edit->setGeometry(QtRect(place.edit));
    if (previous != nullptr) setTabOrder(previous, g.edit);
    previous = g.edit;
    if (lokalid) {
      lokalidedit_ = g.edit;
      lokalidedit_->setAccessibleName(g.label->text());
      lokalidedit_->installEventFilter(this);
      soeklokalid_ = new TVXknapp(huvudpanel_);
      soeklokalid_->setButtext(TranslatedText(MessageId::FormJumpToLokalId));
      UseCommandCaption(soeklokalid_);
      soeklokalid_->setAccessibleName(TranslatedText(MessageId::FormJumpToLokalIdName));
      soeklokalid_->setFocusPolicy(Qt::NoFocus);  // Enter in the field jumps
      soeklokalid_->setGeometry(QtRect(place.list_button));
      connect(soeklokalid_, &ButtonBase::Click, this, &Tsok_form::JumpToLokalId);
      continue;
    }
    const FormField& field = form.fields[size_t(place.field)];
    g.edit->setAccessibleName(g.label->text());
    if (place.type_button.width > 0) {
      // Out of the Tab chain: F4 and Shift+F4 press them for the focused
      // field; assistive technology reaches them by their names.
      g.type_button = new Tspecbut(huvudpanel_);
      g.type_button->setHint(TranslatedText(MessageId::FormTypeHint));
      g.type_button->setToolTip(TranslatedText(MessageId::FormTypeTip));
      g.type_button->setAccessibleName(ScreenText(TypeButtonName(field, language)));
      g.list_button = new Tspecbut(huvudpanel_);
      g.list_button->setHint(TranslatedText(MessageId::FormListHint));
      g.list_button->setToolTip(TranslatedText(MessageId::FormListTip));
      g.list_button->setAccessibleName(ScreenText(ListButtonName(field, language)));
      for (Tspecbut* b : {g.type_button, g.list_button}) {
        b->setStaydown(true);
        b->setRadio(true);
        b->setFocusPolicy(Qt::NoFocus);
      }
      g.type_button->setGeometry(QtRect(place.type_button));
      g.list_button->setGeometry(QtRect(place.list_button));
      const qreal ratio = devicePixelRatioF();
      g.type_button->setBitm(
          CommandFace(pictures.mainfigur(), "knabc", {}, g.type_button->size(), ratio));
      g.list_button->setBitm(
          CommandFace(pictures.mainfigur(), "knlista", {}, g.list_button->size(), ratio));
    }
    groups_[size_t(place.field)] = g;
    ConnectGroup(size_t(place.field));
    ShowField(size_t(place.field));
  }
}

void Tsok_form::BuildButtons(PictureSet& pictures) {
  const SearchFormLayout m = LayOutSearchForm(state_.form());
  const qreal ratio = devicePixelRatioF();
  auto command = [&](const char* pictogram, const QString& caption, const QString& hint,
                     const Rect& where) {
    auto* button = new Tspecbut(huvudpanel_);
    button->setGeometry(QtRect(where));
    button->setHint(hint);
    button->setAccessibleName(caption);
    button->setBitm(CommandFace(pictures.mainfigur(), pictogram, caption, button->size(), ratio));
    return button;
  };
  soekknapp_ = command("knsok", TranslatedText(MessageId::FormSearch),
                       TranslatedText(MessageId::FormSearchHint), m.soekknapp);
  connect(soekknapp_, &ButtonBase::Tryckt, this, &Tsok_form::Search);
  rensaknapp_ = command("knrensa", TranslatedText(MessageId::FormClear),
                        TranslatedText(MessageId::FormClearHint), m.rensaknapp);
  rensaknapp_->SetShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(rensaknapp_, &ButtonBase::Click, this, &Tsok_form::ClearSearchForm);
  normknapp_ = new TVXknapp(huvudpanel_);
  normknapp_->setButtext(TranslatedText(MessageId::FormNormalisationList));
  UseCommandCaption(normknapp_);
  normknapp_->setHint(TranslatedText(MessageId::FormNormalisationHint));
  normknapp_->SetShortcut(QKeySequence(Qt::Key_F2));
  normknapp_->setGeometry(QtRect(m.normknapp));
  connect(normknapp_, &ButtonBase::Click, this, [this] {
    if (norm_ != nullptr) norm_->ShowModal();
  });
  auto* slutknapp = CloseButton(huvudpanel_, pictures, QtRect(m.slutknapp),
                                TranslatedText(MessageId::FormCloseHint));
  connect(slutknapp, &ButtonBase::Click, this, &QDialog::reject);
  auto* helpknapp = HelpButton(huvudpanel_, pictures, QtRect(m.helpknapp));
  connect(helpknapp, &ButtonBase::Click, this, [this] {
    if (help_ != nullptr)
      help_->ShowHelpText(std::string(state_.form().help_code), this,
                          Ttextform::HelpCaller::kDialog);
  });
  // Tab goes from field to field only: every command has its key (Enter,
  // Esc, F1, F2, Ctrl+R).
  for (QWidget* button :
       std::initializer_list<QWidget*>{soekknapp_, rensaknapp_, normknapp_, slutknapp, helpknapp})
    button->setFocusPolicy(Qt::NoFocus);
}

void Tsok_form::ConnectGroup(size_t i) {
  const Group& g = groups_[i];
  // Every change but the form's own showing, so that a text put in by
  // assistive technology is searched as a typed one.
  connect(g.edit, &QLineEdit::textChanged, this, [this, i](const QString& text) {
    if (!showing_) state_.SetText(i, DataText(text));
  });
  g.edit->installEventFilter(this);
  g.edit->setProperty("field", static_cast<int>(i));
  if (g.type_button == nullptr) return;
  connect(g.type_button, &ButtonBase::Tryckt, this, [this, i] { GoTyped(i); });
  connect(g.list_button, &ButtonBase::Click, this, [this, i] { PickWords(i); });
}

void Tsok_form::ShowField(size_t i) {
  const Group& g = groups_[i];
  const FieldState& f = state_.field(i);
  const bool was = std::exchange(showing_, true);
  g.edit->setText(ScreenText(f.text));
  showing_ = was;
  g.edit->setCursorPosition(0);
  ShowMode(g.edit, f.list_mode);
  if (g.type_button == nullptr) return;
  g.type_button->setDown(!f.list_mode);
  g.list_button->setDown(f.list_mode);
}

void Tsok_form::GoTyped(size_t i) {
  state_.GoTyped(i);
  ShowField(i);
  groups_[i].edit->setFocus();
}

void Tsok_form::PickWords(size_t i) {
  if (picker_ == nullptr) return;
  state_.BeginListMode(i);
  ShowField(i);
  const FormField& field = state_.form().fields[i];
  const bool confirmed = picker_->Pick(register_number(), field.slot,
                                       ShownFormText(field.picker_title, ShownLanguage()),
                                       std::string(field.help_code));
  state_.EndListMode(i, confirmed, picker_->valdtext());
  ShowField(i);
}

void Tsok_form::Search() {
  setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status status = session_.SearchByInput(state_.Input());
  QApplication::restoreOverrideCursor();
  setEnabled(true);
  if (!status.ok()) ReportMessage(status.Text(ShownLanguage()));
  // A term too long leaves the form open for the text to be mended.
  if (!status.IsInvalidArgument()) accept();
}

void Tsok_form::JumpToLokalId() {
  if (!lokalidedit_->isEnabled()) return;
  const Status status =
      session_.SearchLokalId(register_number(), DataText(lokalidedit_->text().trimmed()));
  if (status.ok()) {
    accept();
    return;
  }
  ReportMessage(status.Text(ShownLanguage()));
}

void Tsok_form::ClearSearchForm() {
  state_.Clear();
  for (size_t i = 0; i < groups_.size(); ++i) {
    if (groups_[i].edit != nullptr) ShowField(i);
  }
  if (session_.IsOpen()) ClearPickedRows(session_.catalogue(), register_number());
  if (picker_ != nullptr) picker_->ForgetPositions(register_number());
  lokalidedit_->clear();
  if (isVisible()) {
    if (QLineEdit* edit = Edit(state_.form().focus_after_clear); edit && edit->isEnabled())
      edit->setFocus();
  }
}

void Tsok_form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  setWindowTitle(ScreenText(session_.Heading() +
                            ShownFormText(state_.form().caption_suffix, ShownLanguage())));
  ShowAvailability();
  if (focus_first_) {
    if (QLineEdit* edit = Edit(state_.form().focus_on_show); edit && edit->isEnabled())
      edit->setFocus();
    focus_first_ = false;
  }
}

// A field whose list has no rows in this set is greyed and captioned
// "(inga uppg.)"; so is the Lokal-ID jump without its list.
void Tsok_form::ShowAvailability() {
  if (!session_.IsOpen()) return;
  const SearchFormTable& form = state_.form();
  const Language language = ShownLanguage();
  for (size_t i = 0; i < groups_.size(); ++i) {
    const Group& g = groups_[i];
    if (g.edit == nullptr) continue;
    const FormField& field = form.fields[i];
    const bool off = FieldDisabled(session_.catalogue(), register_number(), field);
    g.label->setText(
        ScreenText(ShownFormText(off ? field.empty_caption : field.caption, language)));
    g.label->setEnabled(!off);
    for (QWidget* w : {static_cast<QWidget*>(g.type_button), static_cast<QWidget*>(g.list_button)})
      if (w != nullptr) w->setEnabled(!off);
    g.edit->setEnabled(!off);
  }
  const bool no_lokalid = LokalIdDisabled(session_.catalogue(), form);
  lokalidedit_->setEnabled(!no_lokalid);
  soeklokalid_->setEnabled(!no_lokalid);
}

void Tsok_form::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (focusWidget() == lokalidedit_)
        JumpToLokalId();
      else
        Search();
      return;
    case Qt::Key_Escape:
      reject();
      return;
    case Qt::Key_F4: {
      if (last_field_ < 0) return;
      const Group& g = groups_[size_t(last_field_)];
      if (g.type_button == nullptr || !g.type_button->isEnabled()) return;
      if (event->modifiers() & Qt::ShiftModifier)
        GoTyped(size_t(last_field_));
      else
        PickWords(size_t(last_field_));
      return;
    }
    default:
      QDialog::keyPressEvent(event);
  }
}

bool Tsok_form::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    const QVariant field = watched->property("field");
    if (field.isValid()) last_field_ = field.toInt();
    if (watched == lokalidedit_) last_field_ = -1;
  }
  return QDialog::eventFilter(watched, event);
}

int Tsok_form::GroupOf(std::string_view prefix) const {
  const int index = state_.form().FieldIndex(prefix);
  return index >= 0 && groups_[size_t(index)].edit != nullptr ? index : -1;
}

QLineEdit* Tsok_form::Edit(std::string_view prefix) const {
  const int i = GroupOf(prefix);
  return i < 0 ? nullptr : groups_[size_t(i)].edit;
}

Tspecbut* Tsok_form::TypeButton(std::string_view prefix) const {
  const int i = GroupOf(prefix);
  return i < 0 ? nullptr : groups_[size_t(i)].type_button;
}

Tspecbut* Tsok_form::ListButton(std::string_view prefix) const {
  const int i = GroupOf(prefix);
  return i < 0 ? nullptr : groups_[size_t(i)].list_button;
}

QLabel* Tsok_form::Label(std::string_view prefix) const {
  const int i = GroupOf(prefix);
  return i < 0 ? nullptr : groups_[size_t(i)].label;
}

}  // namespace vx
