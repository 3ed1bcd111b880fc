// Tnormform: the normalisation view. Lists, one kind at a time, which
// written forms the register set's builder normalised to which form, with
// how often each occurred: surnames, men's and women's first names,
// places. Nothing can be ticked; a click only moves the highlight.
//
// The kinds are read once, at the first showing; later showings keep the
// kind and the place. Every decision is NormalisationKinds' and ListGrid's
// (search/normalisation_entries.h, search/list_grid.h); this class passes
// the events on and shows the result.
#ifndef VX_DESKTOP_SEARCH_NORMALISATION_WINDOW_H_
#define VX_DESKTOP_SEARCH_NORMALISATION_WINDOW_H_

#include <QDialog>
#include <string>
#include <vector>

#include "search/normalisation_entries.h"

class QLabel;
class QLineEdit;

namespace vx {

class ListGridView;
struct NormalisationLayout;
class PictureSet;
class Session;
class TLMtab;
class Tspecscr;
class Ttextform;
class TVXknapp;
class TVXpanel;

class Tnormform : public QDialog {
  Q_OBJECT

 public:
  // The session, the pictures and `help` (may be null: no help) must
  // outlive the window.
  Tnormform(Session& session, PictureSet& pictures, Ttextform* help, QWidget* parent = nullptr);

  // Shows the view modally until Esc, Enter or the close button.
  void ShowModal();

  // What the view shows now.
  int kind() const { return kind_; }
  const std::vector<NormEntry>& entries() const { return kinds_.Entries(kind_); }
  // The button of kind 1..4.
  TVXknapp* KindButton(int kind) const;
  TLMtab* grid() const { return normtab_; }
  QString CountText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void BuildControls(PictureSet& pictures, const NormalisationLayout& m);
  void BuildKindButtons(PictureSet& pictures, const NormalisationLayout& m);
  void FirstShow();
  void ShowKind(int kind);
  void OnQuickSearch();
  void ShowHelp();

  Session& session_;
  Ttextform* help_;
  NormalisationKinds kinds_;
  int kind_ = kNormSurnames;
  bool syncing_ = false;  // a kind button is put down by the window

  TVXpanel* huvudpanel_ = nullptr;
  QLabel* rubriklab_ = nullptr;
  TVXknapp* kindknappar_[5] = {};  // by kind; 0 unused
  TLMtab* normtab_ = nullptr;
  Tspecscr* normscr_ = nullptr;
  ListGridView* view_ = nullptr;
  QLabel* antlabel_ = nullptr;
  QLineEdit* snabbsokedit_ = nullptr;
  TVXknapp* slutknapp_ = nullptr;
  TVXknapp* helpknapp_ = nullptr;
};

}  // namespace vx

#endif  // VX_DESKTOP_SEARCH_NORMALISATION_WINDOW_H_
